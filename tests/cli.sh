#!/usr/bin/env bash
# The command line as a script uses it, with no display at all: what it prints
# on each stream and the exit status, one row a case.
#     cli.sh PROGRAM
set -u
program=$1
failures=0
locale=C.UTF-8

# expect STATUS STDOUT STDERR-PATTERN STDIN ARGUMENTS...
expect() {
    local status=$1 out=$2 err=$3 input=$4
    shift 4
    local got_out got_err got_status
    got_out=$(printf '%b' "$input" | env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        LC_ALL="$locale" "$program" "$@" 2> /tmp/cli-err.$$)
    got_status=$?
    got_err=$(cat /tmp/cli-err.$$)
    if [ "$got_status" != "$status" ] || [ "$got_out" != "$(printf '%b' "$out")" ] \
        || ! grep -qE -- "$err" <<< "${got_err:-<none>}"; then
        printf 'FAIL: %s\n  status %s, out %q, err %q\n' "$*" "$got_status" "$got_out" "$got_err"
        failures=$((failures + 1))
    fi
}

expect 0 '14\tXIV' '<none>' '' --eval '2+(3*4)='
expect 0 '20\tXX' '<none>' '' --eval '2+3*4'
expect 0 '1\tI\n4\tIV\n-4\t(IV)\n\n6\tVI\n2015\tMMXV' '<none>' \
    '1\n4\n-5+1=\n\n2(3)\nmcmxcix + 0x10' --eval -
# A line that fails keeps its place with an empty line, and says why.
expect 1 '5\tV\n\n9000\tRoman overflow' 'line 2: "VV" is not a number or a Roman numeral' \
    '5\n1+VV+3\n9000' --eval -
expect 1 '' 'line 1: Arithmetic error' '' --eval '1e308*10='
# A line that ends waiting for an operand goes on in the next; the decimal
# field reads back as exactly the result.
expect 0 '2\tII\n5\tV\n20\tXX' '<none>' '2+\n3\n*4=' --eval -
expect 0 '0.30000000000000004\t - - - - - -' '<none>' '' --eval '0.1+0.2'
# The wider forms are read on every route, and written when asked for; a
# numeral read in a form the calculator does not write is told, as a lenient
# reading is, and the result stands.
expect 0 '12345\tRoman overflow\n2.5\tII\n24\tXXIV' '^line 1: .*CCCXLV reads as 12345$' \
    'X\u0305I\u0305I\u0305CCCXLV\nIIS\n\u216B*II' --eval -
expect 0 '102\tCII\n-28\t(XXVIII)' '^line 1: IC reads as 101 \(standard form CI\)$' \
    'IC+1\n-XIV*2' --eval -
expect 0 '1\tI' '^line 1: 0x1G reads as 1; reading stopped at "G"$' '' --eval 0x1G
# The last operation key wins; "=" closes what is open, and says so.
expect 0 '15\tXV\n14\tXIV' '^line 2: "=" closed 1 open parenthesis first$' '5+*3\n2*(3+4' --eval -
expect 0 '12345\tX\u0305I\u0305I\u0305CCCXLV' '<none>' '' --vinculum --eval 12345
expect 0 '2.5\tIIS\n2.3\tII\u00b7\u00b7\u00b7\u00b7' '<none>' '2.5\n2.3' --twelfths --eval -
# Strictly, a numeral the calculator would not write is refused, naming the
# standard ones near it; --explain adds how each result's numeral is built.
expect 1 '14\tXIV\n' 'line 2: IC is not a standard numeral: CI is 101, XCIX is 99' \
    'xiv\nIC' --strict --eval -
expect 0 '1000\tM\n2026\tMMXXVI' '^line 2: .* reads as 2026 \(standard form MMXXVI\)$' '\u012a\nCI\u2183CI\u2183XXVI' --eval -
expect 0 '1999\tMCMXCIX\tMCMXCIX = M + CM + XC + IX = 1000 + 900 + 90 + 9\n2\tII\t' '<none>' \
    'MCMXCIX\n1+1' --explain --eval -
expect 2 '' '--explain goes with --eval' '' --explain
# A column of written calculations is checked: each result printed, each wrong one named.
expect 1 '21\tXXI\n21\tXXI\n20\tXX' 'line 2: written XX, calculated XXI' \
    'XII + IX = XXI\nXII + IX = XX\n2 + 3 = 5, \u00d7 4 = 20' --eval -
# A control character in the input is shown escaped, on a line of its own.
expect 1 '' 'line 1: "VV\\u0000X" is not' 'VV\0X' --eval -
# A write that fails ends the run with a message, never a loop.
got=$(LC_ALL=$locale "$program" --eval 1+1 2>&1 > /dev/full; echo "status $?")
[[ "$got" == *"could not be written"*"status 1" ]] || { echo "FAIL: /dev/full: $got"; failures=$((failures + 1)); }
# A read that fails is no end of the input; a closed stream is named as such.
for redirect in '< /' '<&-' '>&- < /dev/null'; do
    got=$(eval 'LC_ALL=$locale "$program" --eval - 2>&1' "$redirect"; echo "status $?")
    [[ "$got" =~ (read: Is a dir|read: standard input is|written: standard output is).*status\ 1$ ]] \
        || { echo "FAIL: $redirect: $got"; failures=$((failures + 1)); }
done
got=$(yes 1 | (trap '' PIPE; LC_ALL=$locale timeout 20 "$program" --eval - 2>&1) | head -1)
[ "$got" = "1	I" ] || { echo "FAIL: a closed pipe: $got"; failures=$((failures + 1)); }
locale=de_DE.UTF-8 expect 0 '4,5\tIV' '<none>' '' --eval '1,5*3'
help=$(env -u DISPLAY -u QT_QPA_PLATFORM "$program" --help-all)
grep -q -- '--eval <expression>' <<< "$help" && grep -q -- '--no-history' <<< "$help" || { echo "FAIL: --help-all"; failures=$((failures + 1)); }
expect 2 '' "Unknown option 'bogus'" '' --bogus
expect 2 '' "Missing value after '-platform'" '' -platform
expect 2 '' "Missing value after '--eval'" '' --eval
expect 2 '' "Unexpected argument '12'" '' 12
expect 1 '' 'no display' ''
expect 1 '' 'no display' '' --no-history

rm -f /tmp/cli-err.$$
[ "$failures" -eq 0 ] && echo "All command-line cases passed"
exit "$failures"
