#!/usr/bin/env bash
# Builds the benchmarks in bench/ (RelWithDebInfo, into build-bench) and runs
# them headless, each beside a bare Qt floor, printing tables of medians and
# ratios. Times on a shared machine are noisy, so the keystroke comparison is
# also counted in instructions under callgrind, which repeat exactly.
# --quick takes fewer repetitions, for trying the script itself.
source "$(dirname "$0")/setup.sh"

keystroke_reps=200 callgrind_reps=10 startup_runs=30 paste_reps=7
if [ "${1:-}" = "--quick" ]; then
    keystroke_reps=20 callgrind_reps=2 startup_runs=5 paste_reps=1
fi

install_missing valgrind
dir="$ROOT/build-bench"
build "$dir" -DROMAN_BUILD_BENCH=ON -DBUILD_TESTING=OFF
bin="$dir/bench"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work"

echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg)"

echo
echo "## Keystroke into Text1, median µs per key ($keystroke_reps repetitions)"
"$bin/bench-keystroke" "$keystroke_reps"

echo
echo "## Keystroke into Text1, instructions per key (callgrind, $callgrind_reps repetitions)"
valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*typeKey*' \
    --callgrind-out-file="$work/keystroke.out" "$bin/bench-keystroke" "$callgrind_reps" --callgrind \
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
        print "| entry | calculator Ir/key | bare QLineEdit Ir/key | ratio |"
        print "|---|---:|---:|---:|"
        for (i = 1; i <= n; ++i) {
            c = per["calculator", order[i]]; b = per["bare", order[i]]
            printf "| %s | %.0f | %.0f | %.2f |\n", order[i], c, b, c / b
        }
        c = all["calculator"] / keys["calculator"]; b = all["bare"] / keys["bare"]
        printf "| all keystrokes | %.0f | %.0f | %.2f |\n", c, b, c / b
    }' "$work"/keystroke.out.*

# The last program is the floor; the window with one caption shows what the
# first text of any Qt program costs beside it.
startup=("$bin/bench-startup" "$startup_runs" "$bin/bench-start-calculator"
    "$bin/bench-start-caption" "$bin/bench-start-bare")
echo
echo "## Start-up to the first exposed frame and exit, and peak memory (offscreen)"
"${startup[@]}"
echo
echo "## Start-up, instructions of the whole process (callgrind, offscreen)"
programs=("${startup[@]:2}")
counts=()
for program in "${programs[@]}"; do
    counts+=("$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" 2>&1 \
        | sed -n 's/.*Collected : //p')")
done
echo "| program | Ir | ratio |"
echo "|---|---:|---:|"
for i in "${!programs[@]}"; do
    awk -v name="${programs[i]##*/}" -v ir="${counts[i]}" -v floor="${counts[-1]}" \
        'BEGIN { printf "| %s | %d | %.2f |\n", name, ir, ir / floor }'
done
if command -v xvfb-run > /dev/null; then
    echo
    echo "## Start-up and peak memory under Xvfb"
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "${startup[@]}"
fi

echo
echo "## Pasting a large entry into Text1, median of $paste_reps"
"$bin/bench-large-entry" "$paste_reps"
