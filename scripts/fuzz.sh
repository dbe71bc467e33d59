#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each in turn.
#
#     ./scripts/fuzz.sh [seconds-per-target] [target...]
#
# Defaults: 60 seconds, every target (fuzz_parse_number fuzz_numerals
# fuzz_number_text fuzz_calculation). Each target starts from the seeds in fuzz/corpus/<target>,
# copied into build-fuzz/corpus/<target>, where the corpus it grows stays for
# the next run; the repository's seeds are never written. A crash or violated
# property leaves its input in build-fuzz/artifacts/<target>/ and makes the
# script exit non-zero once every target has run. Extra libFuzzer options can
# be given in FUZZ_OPTIONS, e.g. FUZZ_OPTIONS="-fork=1 -ignore_crashes=1" to
# go on past a finding.
source "$(dirname "$0")/setup.sh"

ALL_TARGETS=(fuzz_parse_number fuzz_numerals fuzz_number_text fuzz_calculation)
seconds=60
if [ $# -gt 0 ] && [[ $1 =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${ALL_TARGETS[@]}")
for target in "${targets[@]}"; do
    [[ " ${ALL_TARGETS[*]} " == *" $target "* ]] \
        || { echo "Unknown target: $target (known: ${ALL_TARGETS[*]})" >&2; exit 2; }
done

install_missing cmake ninja-build clang libclang-rt-14-dev qt6-base-dev libgl-dev

dir="$ROOT/build-fuzz"
CXX=clang++ cmake -S "$ROOT/fuzz" -B "$dir" -G Ninja > "$dir.configure.log" 2>&1 \
    || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir"

read -r -a extra <<< "${FUZZ_OPTIONS:-}"
failed=()
for target in "${targets[@]}"; do
    corpus="$dir/corpus/$target"
    artifacts="$dir/artifacts/$target"
    log="$dir/logs/$target.log"
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    cp -n "$ROOT/fuzz/corpus/$target/"* "$corpus/"
    echo "== $target: $seconds s, corpus $corpus, log $log"
    status=0
    "$dir/$target" "$corpus" \
        -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "${extra[@]}" > "$log" 2>&1 \
        || status=$?
    grep -E '^#[0-9]+' "$log" | tail -n 1 || true
    grep -E '^(stat::|Done )' "$log" || true
    if [ "$status" -ne 0 ]; then
        failed+=("$target")
        echo "!! $target failed (exit $status):"
        grep -E 'PROPERTY VIOLATED|^\*\*\* |ERROR: |SUMMARY: |runtime error|Test unit written' "$log" \
            | head -n 20 || true
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Findings in: ${failed[*]} (inputs in $dir/artifacts/, logs in $dir/logs/)"
    exit 1
fi
echo "No findings."
