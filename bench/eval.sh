#!/usr/bin/env bash
# The command line's --eval beside a plain Python loop over python3-roman's
# toRoman (the anchor: one conversion a line, start-up included), for the
# years 1 to 8999, 100,000 lines of mixed calculations and the start-up of
# one calculation. Medians of the given number of runs.
#     bench/eval.sh PROGRAM [RUNS]
set -euo pipefail
program=$1 runs=${2:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

seq 1 8999 > "$work/years"
# Entries in all three forms, keys and parentheses, one calculation a line.
awk 'BEGIN {
    srand(1); split("MCMXCIX xiv IV mmxxvi CDXLIV", roman, " ")
    for (i = 0; i < 100000; ++i) {
        line = ""
        for (n = 1 + int(rand() * 4); n > 0; --n) {
            v = 1 + int(rand() * 3999); kind = int(rand() * 3)
            entry = kind == 0 ? v : kind == 1 ? sprintf("0x%x", v) : roman[1 + v % 5]
            if (line != "") line = line substr("+-*/", 1 + int(rand() * 4), 1)
            line = line (rand() < 0.2 && line != "" ? "(" entry ")" : entry)
        }
        print line "="
    }
}' > "$work/mixed"

# median_seconds COMMAND...: the median wall time of the command, stdin from $input.
median_seconds() {
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s.%N)
        "$@" < "$input" > /dev/null
        end=$(date +%s.%N)
        echo "$end - $start" | bc -l
    done | sort -n | awk '{ t[NR] = $1 } END { printf "%.3f", t[int((NR + 1) / 2)] }'
}

# Debian's python3-roman is for Debian's own Python.
python=$(command -v /usr/bin/python3 || command -v python3)
python_roman() {
    "$python" -c '
import sys, roman
for line in sys.stdin:
    try: sys.stdout.write(roman.toRoman(int(line)) + "\n")
    except roman.OutOfRangeError: sys.stdout.write("\n")'
}

echo "| what | --eval s | anchor | ratio |"
echo "|---|---:|---:|---:|"
input="$work/years"
ours=$(median_seconds "$program" --eval -)
if "$python" -c 'import roman' 2> /dev/null; then
    anchor=$(median_seconds python_roman)
    echo "| seq 1 8999 | $ours | Python loop over roman.toRoman: $anchor | $(echo "$ours / $anchor" | bc -l | cut -c1-4) |"
else
    echo "| seq 1 8999 | $ours | (install python3-roman for the anchor) | |"
fi
input="$work/mixed"
echo "| 100,000 lines of mixed calculations | $(median_seconds "$program" --eval -) | | |"
input=/dev/null
echo "| start-up of one calculation, 2+(3*4)= | $(median_seconds "$program" --eval '2+(3*4)=') | | |"
