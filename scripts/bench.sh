#!/usr/bin/env bash
# Builds the benchmarks in bench/ (RelWithDebInfo, into build-bench) and runs
# them, each beside a bare Qt floor, printing tables of medians and ratios.
# Start-up is measured headless (offscreen) and under X11 (Xvfb with a session
# bus, as on a desktop: without one Qt's accessibility bridge waits for it),
# where icon themes and the window icon cost what they cost a person, with an
# empty tape as a first start shows it and with a full one; the keystrokes
# too are measured on both. Times on a shared machine are noisy, so the
# keystroke and the start-up are also counted in instructions under
# callgrind, which repeat exactly.
#
# usage: scripts/bench.sh [--quick] [--before COMMIT]
#   --quick          fewer repetitions, for trying the script itself
#   --before COMMIT  also builds that commit's calculator with today's bench/
#                    (into build-bench-before) and measures it in the same
#                    runs, turn about with the present one and the floor
source "$(dirname "$0")/setup.sh"

keystroke_reps=200 callgrind_reps=10 startup_runs=30 settle_runs=10 paste_reps=7
before=""
while [ $# -gt 0 ]; do
    case "$1" in
    --quick) keystroke_reps=20 callgrind_reps=2 startup_runs=5 settle_runs=3 paste_reps=1 ;;
    --before) before=$(git -C "$ROOT" rev-parse --verify "${2:?--before needs a commit}^{commit}")
        shift ;;
    *) echo "usage: $0 [--quick] [--before COMMIT]" >&2; exit 2 ;;
    esac
    shift
done

install_missing valgrind xvfb xauth dbus bc python3-roman
dir="$ROOT/build-bench"
build "$dir" -DROMAN_BUILD_BENCH=ON -DBUILD_TESTING=OFF
bin="$dir/bench"

# The earlier commit's sources with today's bench/ in place of its own, so
# that both calculators are measured by the same code; unpacked once per
# commit, so that the build stays incremental.
if [ -n "$before" ]; then
    old="$ROOT/build-bench-before"
    if [ "$(cat "$old/src/.commit" 2> /dev/null)" != "$before" ]; then
        # git archive dates every file at the commit's time, which can be older
        # than the objects of another commit built here: build afresh.
        rm -rf "$old/src" "$old/build"
        mkdir -p "$old/src"
        git -C "$ROOT" archive "$before" | tar -x -C "$old/src"
        echo "$before" > "$old/src/.commit"
    fi
    rm -rf "$old/src/bench"
    cp -a "$ROOT/bench" "$old/src/bench"
    cmake -S "$old/src" -B "$old/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DROMAN_WERROR=ON -DROMAN_BUILD_BENCH=ON -DBUILD_TESTING=OFF > "$old/configure.log" 2>&1 \
        || { cat "$old/configure.log"; exit 1; }
    cmake --build "$old/build" --target bench-keystroke bench-start-calculator
    # A name of its own in the tables.
    ln -sf "$old/build/bench/bench-start-calculator" "$bin/bench-start-before"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work"
# The calculator keeps its tape and settings in folders of the run's own, not
# the person's. The keystrokes and the full start-up use a full tape, the most
# it ever reads at start-up, and the same in every run; the first start's
# empty tape has folders of its own (the window's size, kept at each exit, is
# all that the settings then hold).
export XDG_DATA_HOME="$work/full/data" XDG_CONFIG_HOME="$work/full/config"
"$bin/bench-fill-tape" "$XDG_DATA_HOME/roman-calculator" 1000
x11=(xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session --)

echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg)"
[ -z "$before" ] || echo "Before: $(git -C "$ROOT" log -1 --format='%h %s' "$before")"

keystroke=("$bin/bench-keystroke")
[ -z "$before" ] || keystroke+=("$old/build/bench/bench-keystroke")
# keystrokes WHERE [WRAPPER...]: times and instructions of the keystrokes, on
# the platform of QT_QPA_PLATFORM, started through the wrapper.
keystrokes() {
    local where=$1 program which
    shift
    for program in "${keystroke[@]}"; do
        [ "$program" = "$bin/bench-keystroke" ] && which=now || which=before
        echo
        echo "## Keystroke into Text1 ($which, $where), median µs per key" \
            "($keystroke_reps repetitions)"
        "$@" "$program" "$keystroke_reps"
    done

    for program in "${keystroke[@]}"; do
        [ "$program" = "$bin/bench-keystroke" ] && which=now || which=before
        echo
        echo "## Keystroke into Text1 ($which, $where), instructions per key" \
            "(callgrind, $callgrind_reps repetitions)"
        rm -f "$work"/keystroke.out*
        "$@" valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*typeKey*' \
            --callgrind-out-file="$work/keystroke.out" "$program" "$callgrind_reps" --callgrind \
            > "$work/callgrind.log" 2>&1 || { cat "$work/callgrind.log"; exit 1; }
        # Each dump is labelled "target|entry|keystrokes" and holds only typeKey's instructions.
        awk -F'|' '
            /^desc: Trigger: Client Request: / { sub(/^desc: Trigger: Client Request: /, ""); label = $0 }
            /^totals: / && label ~ /\|/ {
                split(label, part, "|"); sub(/^totals: /, "")
                per[part[1], part[2]] = $0 / part[3]; all[part[1]] += $0; keys[part[1]] += part[3]
                if (!(part[2] in seen)) { seen[part[2]] = 1; order[++n] = part[2] }
                label = ""
            }
            END {
                print "| entry | calculator Ir/key | plain widgets Ir/key | ratio |"
                print "|---|---:|---:|---:|"
                for (i = 1; i <= n; ++i) {
                    c = per["calculator", order[i]]; b = per["plain", order[i]]
                    printf "| %s | %.0f | %.0f | %.2f |\n", order[i], c, b, c / b
                }
                c = all["calculator"] / keys["calculator"]; b = all["plain"] / keys["plain"]
                printf "| all keystrokes | %.0f | %.0f | %.2f |\n", c, b, c / b
            }' "$work"/keystroke.out.*
    done
}
keystrokes offscreen
QT_QPA_PLATFORM=xcb keystrokes X11 "${x11[@]}"

# The last program is the floor: a window with the calculator's widgets,
# fonts, scale and status line, and no logic behind them.
programs=("$bin/bench-start-calculator")
[ -z "$before" ] || programs+=("$bin/bench-start-before")
programs+=("$bin/bench-start-same-widgets")

# count_instructions [WRAPPER...]: the whole process of each program under
# callgrind, started through the wrapper.
count_instructions() {
    local counts=() program
    # A first start fills the font and page caches, as in bench-startup.
    for program in "${programs[@]}"; do
        "$@" "$program" > /dev/null 2>&1
    done
    for program in "${programs[@]}"; do
        counts+=("$("$@" valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" 2>&1 \
            | sed -n 's/.*Collected : //p')")
    done
    echo "| program | Ir | ratio |"
    echo "|---|---:|---:|"
    for i in "${!programs[@]}"; do
        awk -v name="${programs[i]##*/}" -v ir="${counts[i]}" -v floor="${counts[-1]}" \
            'BEGIN { printf "| %s | %d | %.3f |\n", name, ir, ir / floor }'
    done
}

# start_up TAPE: both start-ups with the tape "empty" (as a first start shows
# it) or "full" (1000 entries), each beside the floor with the same entries.
start_up() {
    local tape=$1 entries
    [ "$tape" = full ] && entries="a tape of 1000 entries" || entries="an empty tape"
    export XDG_DATA_HOME="$work/$tape/data" XDG_CONFIG_HOME="$work/$tape/config"
    mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
    echo
    echo "## Start-up to the first frame and the work it sets off, and exit, and memory" \
        "(offscreen; $entries)"
    "$bin/bench-startup" "$startup_runs" "$settle_runs" "${programs[@]}"
    echo
    echo "## Start-up, instructions of the whole process (callgrind, offscreen; $entries)"
    count_instructions env
    echo
    echo "## Start-up to the first frame and the work it sets off, and exit, and memory" \
        "(X11: Xvfb, session bus; $entries)"
    QT_QPA_PLATFORM=xcb "${x11[@]}" "$bin/bench-startup" "$startup_runs" "$settle_runs" \
        "${programs[@]}"
    echo
    echo "## Start-up, instructions of the whole process (callgrind, X11; $entries)"
    QT_QPA_PLATFORM=xcb count_instructions "${x11[@]}"
}
start_up empty
start_up full

echo
echo "## Pasting a large entry into Text1, median of $paste_reps"
"$bin/bench-large-entry" "$paste_reps"

echo
echo "## The command line, --eval, median of 7"
bash "$ROOT/bench/eval.sh" "$dir/app/roman-calculator" 7
