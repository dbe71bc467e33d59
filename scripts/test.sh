#!/usr/bin/env bash
# Builds the calculator with its tests and runs every test headless.
# --sanitize builds and runs the same suite with AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own.
source "$(dirname "$0")/setup.sh"
if [ "${1:-}" = "--sanitize" ]; then
    dir="$ROOT/build-sanitize"
    build "$dir" -DROMAN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
    dir="$ROOT/build-test"
    build "$dir"
fi
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j2
