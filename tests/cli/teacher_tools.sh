#!/usr/bin/env bash
# The teacher's tools on the command line: a book-6 class graded with no options, grading
# over seeds, a damaged brain named by the reader's message; level-test saying why with
# its chart; worlds given as paths; board-png refusing a file that is no brain; brain-run
# tracing nodes and snoopers; a driven body without a brain running silently.
# usage: teacher_tools.sh QUORBIT_CLI DATA_DIR WORLD_WITH_A_BRAIN_LINE
set -u
absolute() { (cd "$(dirname "$1")" && echo "$(pwd)/$(basename "$1")"); }
cli=$(absolute "$1") data=$(absolute "$2") world=$(absolute "$3")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bad=0
fail() { echo "$1"; bad=1; }
is_png() { [ "$(head -c 4 "$1" 2>/dev/null | od -An -c | tr -d ' ')" = "211PNG" ]; }

# A book-6 class: the reference brain, its mistake and a copy damaged in its second chunk.
mkdir "$work/class"
cp "$data/testbrain/w601.brn" "$work/class/a_good.brn"
cp "$data/testbrain/w601f.brn" "$work/class/b_mistake.brn"
python3 - "$data/testbrain/w601.brn" "$work/class/c_damaged.brn" <<'EOF'
import struct, sys
b = bytearray(open(sys.argv[1], 'rb').read())
at, n = 0, 0
while at + 8 <= len(b):
    tag, length = struct.unpack_from('<ii', b, at)
    if n == 2:
        struct.pack_into('<i', b, at + 4, -5)
        break
    at += 8 + length
    n += 1
open(sys.argv[2], 'wb').write(b)
EOF
out=$("$cli" --data "$data" grade 601 "$work/class" 2>/dev/null); code=$?
[ $code -eq 2 ] || fail "book-6 class: exit $code (want 2)"
echo "$out" | grep -q "^{\"file\":\"$work/class/a_good.brn\",\"verdict\":\"passed\"" || fail "book-6 reference not passed: $out"
echo "$out" | grep -q "^{\"file\":\"$work/class/b_mistake.brn\",\"verdict\":\"failed\"" || fail "book-6 mistake not failed: $out"
echo "$out" | grep -q "^{\"file\":\"$work/class/c_damaged.brn\",\"verdict\":\"error\",\"caption\":\"\",\"message\":\"The brain file is damaged" ||
  fail "damaged brain without the reader's message: $out"
[ "$(echo "$out" | tail -1)" = '{"passed":1,"failed":1,"errors":1}' ] || fail "book-6 totals: $(echo "$out" | tail -1)"
# An option of level-test passes through: no learning at all, and the reference fails too.
"$cli" --data "$data" grade 601 "$work/class/a_good.brn" --train 0 >/dev/null 2>&1; code=$?
[ $code -eq 1 ] || fail "grade --train 0 on a learning level: exit $code (want 1)"

# Over seeds: each line counts its runs and passes; the CSV gains both columns.
out=$("$cli" --data "$data" grade 101 "$data/testbrain/w101.brn" "$data/testbrain/w101f.brn" --seeds 3..7 \
  --csv "$work/seeds.csv" 2>/dev/null); code=$?
[ $code -eq 1 ] || fail "grade --seeds: exit $code (want 1)"
echo "$out" | grep -q '"verdict":"passed",.*"runs":5,"passes":5}$' || fail "seeds, passing line: $out"
echo "$out" | grep -q '"verdict":"failed",.*"runs":5,"passes":0}$' || fail "seeds, failing line: $out"
head -1 "$work/seeds.csv" | grep -q '^file,verdict,caption,message,ticks,runs,passes$' || fail "seeds CSV header"
"$cli" --data "$data" grade 101 "$data/testbrain/w101.brn" --seeds 5..2 >/dev/null 2>&1; code=$?
[ $code -eq 2 ] || fail "grade --seeds 5..2: exit $code (want 2)"

# level-test says why, with the goal for a creature test, and draws the run.
out=$("$cli" --data "$data" level-test 205 --shown "$data/testbrain/w205f.brn" --plot "$work/run.png" 2>/dev/null); code=$?
[ $code -eq 1 ] || fail "level-test 205 f: exit $code (want 1)"
echo "$out" | grep -q '"message":"It didn'"'"'t make it","movie":"[^"]*","ticks":[0-9]*,"why":"The ladybug died at [0-9.]* s, with 0 of the 60 energy it needed.","goal":60,"reached":0}$' ||
  fail "level-test why: $out"
is_png "$work/run.png" || fail "level-test --plot wrote no PNG"
out=$("$cli" --data "$data" level-test 101 --shown "$data/testbrain/w101f.brn" 2>/dev/null)
echo "$out" | grep -q '"why":"Light 1 was off while it should be on, at [0-9.]* s (Switch 1 on)."}$' || fail "lab why: $out"

# Worlds as paths from the starting folder, for world-test and level-test alike.
mkdir -p "$work/mine"
cp "$data/worlds/Aphids.wld" "$work/mine/test.wld"
out=$(cd "$work" && "$cli" --data "$data" world-test mine/test.wld --max-ticks 2000 2>/dev/null); code=$?
[ $code -eq 1 ] && echo "$out" | grep -q '"goal":70' || fail "world-test PATH: exit $code, $out"
out=$(cd "$work" && "$cli" --data "$data" level-test ./mine/test.wld --max-ticks 2000 2>/dev/null); code=$?
[ $code -eq 1 ] && echo "$out" | grep -q '"goal":70' || fail "level-test PATH: exit $code, $out"
(cd "$work" && "$cli" --data "$data" world-test mine/none.wld >/dev/null 2>&1); code=$?
[ $code -eq 2 ] || fail "world-test of a missing file: exit $code (want 2)"

# board-png: a file that is no brain is an error, not a blank board.
echo "not a brain" > "$work/junk.brn"
err=$("$cli" --data "$data" board-png "$work/junk.brn" "$work/junk.png" 2>&1 >/dev/null); code=$?
[ $code -eq 2 ] || fail "board-png of a non-brain: exit $code (want 2)"
echo "$err" | grep -q '^{"error":"Not a brain file: ' || fail "board-png error line: $err"
[ -e "$work/junk.png" ] && fail "board-png wrote a picture of a non-brain"

# brain-run traces neurons, input and output nodes by channel, and snoopers.
cat > "$work/edit.txt" <<'EOF'
add neuron 12 8
add snooper 20 20
EOF
"$cli" brain-edit - --inputs 1 --outputs 1 --script "$work/edit.txt" --save "$work/traced.brn" >/dev/null 2>&1 ||
  fail "brain-edit for the traced brain"
"$cli" brain-run "$work/traced.brn" --ticks 5 --set 0=100 --plot "$work/trace.png" --trace n0,i0,o0,s0 >/dev/null 2>&1; code=$?
[ $code -eq 0 ] && is_png "$work/trace.png" || fail "brain-run --trace n0,i0,o0,s0: exit $code"
err=$("$cli" brain-run "$work/traced.brn" --plot "$work/t2.png" --trace i5 2>&1 >/dev/null); code=$?
[ $code -eq 2 ] && echo "$err" | grep -q "no input node on channel 5" || fail "brain-run --trace i5: exit $code, $err"

# --drive on a body without a brain: a hidden board, and nothing said about it.
sed '/^\[BRAIN\]/,+1d' "$world" > "$work/nobrain.wld"
err=$("$cli" --data "$data" world-run "$work/nobrain.wld" --ticks 3 --drive 0:13=100 2>&1 >/dev/null); code=$?
[ $code -eq 0 ] && [ -z "$err" ] || fail "--drive without a brain: exit $code, said: $err"
exit $bad
