#!/usr/bin/env bash
# grade on a small class: a passing brain, a failing one and a file that is no brain;
# the lines, the totals, the CSV table and the exit codes 0, 1 and 2.
# usage: grade_class.sh QUORBIT_CLI DATA_DIR
set -u
cli=$1 data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$data/testbrain/w101.brn" "$work/good.brn"
cp "$data/testbrain/w101f.brn" "$work/bad.brn"
echo "not a brain" > "$work/junk.brn"
bad=0
fail() { echo "$1"; bad=1; }

out=$("$cli" --data "$data" grade 101 "$work" --csv "$work/marks.csv" 2>/dev/null); code=$?
[ $code -eq 2 ] || fail "a class with an unreadable brain: exit $code (want 2)"
echo "$out" | grep -q "^{\"file\":\"$work/bad.brn\",\"verdict\":\"failed\",\"caption\":\"[^\"]*\",\"message\":\"[^\"]*\",\"ticks\":[0-9]*}$" || fail "no failed line: $out"
echo "$out" | grep -q "^{\"file\":\"$work/good.brn\",\"verdict\":\"passed\"" || fail "no passed line: $out"
echo "$out" | grep -q "^{\"file\":\"$work/junk.brn\",\"verdict\":\"error\",\"caption\":\"\",\"message\":\"Not a brain file: $work/junk.brn\"" ||
  fail "no error line naming the problem: $out"
[ "$(echo "$out" | tail -1)" = '{"passed":1,"failed":1,"errors":1}' ] || fail "totals: $(echo "$out" | tail -1)"
[ "$(wc -l < "$work/marks.csv")" -eq 4 ] || fail "CSV rows: $(cat "$work/marks.csv")"
head -1 "$work/marks.csv" | grep -q '^file,verdict,caption,message,ticks$' || fail "CSV header"

"$cli" --data "$data" grade 101 "$work/good.brn" "$work/bad.brn" >/dev/null 2>&1; code=$?
[ $code -eq 1 ] || fail "some failed: exit $code (want 1)"
"$cli" --data "$data" grade 101 "$work/good.brn" >/dev/null 2>&1; code=$?
[ $code -eq 0 ] || fail "all passed: exit $code (want 0)"

"$cli" --data "$data" board-png "$work/good.brn" "$work/board.png" --zoom 8 >/dev/null 2>&1; code=$?
[ $code -eq 0 ] && [ -s "$work/board.png" ] || fail "board-png: exit $code"
exit $bad
