# Sourced by run.sh, test.sh and bench.sh: checks that the tools the build
# needs are there, installs the Debian packages for those that are missing
# (with apt-get, as root or through sudo), then configures and builds
# incrementally into the folder given to build(). Without apt-get it names
# what to install and stops.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# install_packages PACKAGE...: installs the given Debian packages.
install_packages() {
    [ $# -gt 0 ] || return 0
    if ! command -v apt-get > /dev/null; then
        echo "Please install (Debian package names): $*" >&2
        echo "There is no apt-get here to install them; install their equivalents with" \
            "your system's package manager, then run this again." >&2
        exit 1
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo > /dev/null \
            || { echo "Installing $* needs root: run this as root or install sudo." >&2; exit 1; }
        sudo=(sudo)
    fi
    echo "Installing: $*"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$@"
}

# install_missing PACKAGE...: installs those of the Debian packages that are
# not installed yet.
install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2> /dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    install_packages "${missing[@]}"
}

has_cxx() {
    if [ -n "${CXX:-}" ]; then
        command -v "$CXX"
    else
        command -v c++ || command -v g++ || command -v clang++
    fi
}

# has_cmake_package NAME: NAMEConfig.cmake lies where CMake looks for it.
has_cmake_package() {
    local name=$1 prefix config
    local -a prefixes
    IFS=: read -r -a prefixes <<< "${CMAKE_PREFIX_PATH:-}"
    [ -z "${Qt6_DIR:-}" ] || prefixes+=("$Qt6_DIR/../../..")
    for prefix in "${prefixes[@]}" /usr /usr/local; do
        for config in "$prefix"/lib/cmake/"$name"/"$name"Config.cmake \
            "$prefix"/lib/*/cmake/"$name"/"$name"Config.cmake \
            "$prefix"/share/cmake/"$name"/"$name"Config.cmake; do
            [ -f "$config" ] && return 0
        done
    done
    return 1
}

has_lrelease() {
    [ -x /usr/lib/qt6/bin/lrelease ] || command -v lrelease
}

has_font() {
    find /usr/share/fonts /usr/local/share/fonts "$HOME/.local/share/fonts" "$HOME/.fonts" \
        -name "$1" -print -quit 2> /dev/null | grep -q .
}

# need PACKAGE WHAT CHECK...: prints "PACKAGE|WHAT" when the check fails.
need() {
    local package=$1 what=$2
    shift 2
    "$@" > /dev/null 2>&1 || echo "$package|$what"
}

# Lists, as "package|what", each thing the build needs that is missing here.
missing_tools() {
    need g++ "a C++ compiler" has_cxx
    need cmake "cmake" command -v cmake
    need ninja-build "ninja" command -v ninja
    need qt6-base-dev "Qt's CMake package, Qt6Config.cmake" has_cmake_package Qt6
    need qt6-base-dev "Qt Widgets' CMake package, Qt6WidgetsConfig.cmake" \
        has_cmake_package Qt6Widgets
    need qt6-base-dev "Qt Print Support's CMake package, Qt6PrintSupportConfig.cmake" \
        has_cmake_package Qt6PrintSupport
    need libgl-dev "the OpenGL headers that Qt's CMake package asks for" test -f /usr/include/GL/gl.h
    need qt6-tools-dev "Qt Linguist's CMake package, Qt6LinguistToolsConfig.cmake" \
        has_cmake_package Qt6LinguistTools
    need qt6-l10n-tools "lrelease, Qt's translation compiler" has_lrelease
    need fonts-dejavu-core "the DejaVu fonts (for the tests)" has_font DejaVuSans.ttf
    need fonts-liberation "the Liberation fonts (for the tests)" has_font LiberationSans-Regular.ttf
    need poppler-utils "pdftotext, which reads a printed tape back (for the tests)" \
        command -v pdftotext
}

# Checks for what the build needs and installs the packages of what is missing.
check_tools() {
    local missing
    missing=$(missing_tools)
    [ -n "$missing" ] || return 0
    echo "Missing:" >&2
    cut -d'|' -f2 <<< "$missing" | sed 's/^/  /' >&2
    # shellcheck disable=SC2046 # one word per package
    install_packages $(cut -d'|' -f1 <<< "$missing" | sort -u)
    missing=$(missing_tools)
    if [ -n "$missing" ]; then
        echo "Still missing after installing:" >&2
        cut -d'|' -f2 <<< "$missing" | sed 's/^/  /' >&2
        exit 1
    fi
}

# build <dir> [cmake options...]
build() {
    local dir=$1
    shift
    check_tools
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROMAN_WERROR=ON "$@" \
        > "$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
    cmake --build "$dir"
}
