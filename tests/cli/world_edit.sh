#!/usr/bin/env bash
# A workshop world built headless through the editor's rules: a new world gets a hill,
# a stone, a ladybug with a board brain and an aphid ahead of it and a timed test; saved,
# it runs with the walking brain and passes, and fails with its mistaken twin. A refused or
# unknown line, wrong words, an open quote or binary input ends the run with exit 2 and the
# line as JSON, and nothing is saved; --help names every verb.
# usage: world_edit.sh QUORBIT_CLI DATA_DIR
set -u
cli=$1 data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/worlds" "$work/testbrain"
cp -r "$data/pics" "$data/quorbit.pal" "$work/" && cp "$data"/testbrain/w201*.brn "$work/testbrain/" || exit 1
cat > "$work/script.txt" <<'SCRIPT'
cell 10 14
up
up      # twice: 0.5 at the top
critter LadyBug Dotty 3.5 5.5 0.1
brain board LadyBug
energy 40 0.01
critter Aphid Aphid1 6.5 5.5 0.1
thing stone 1 14.5 4.5 0
test Dotty Dotty 1 100 50
describe Walking: the aphid sits ahead.
print critters
print types
SCRIPT
cd "$work" || exit 1
"$cli" world-new Garden 20 20 >/dev/null || exit 1
out=$("$cli" world-edit Garden script.txt --progress 405 --save worlds/Garden.wld 2>err.txt) || { echo "world-edit failed"; exit 1; }
bad=0
expect() { grep -qF -- "$2" <<<"$1" || { echo "missing: $2"; bad=1; }; }
expect "$out" '{"n":0,"name":"Dotty","type":"LadyBug","x":3.5,"y":5.5,"z":0.1,"heading":0}'
expect "$out" '"test":0,"follow":0}'
expect "$out" '{"types":["LadyBug","Aphid","Ball"]}'
[ -s err.txt ] && { echo "a clean script reported: $(cat err.txt)"; bad=1; }
expect "$(cat worlds/Garden.wld)" '0 1 780000000F9BC0F8 0000001000200070 LadyBug'
"$cli" world-test Garden --brain LadyBug=testbrain/w201.brn --progress 405 >/dev/null 2>&1 || { echo "the walking brain did not pass"; bad=1; }
"$cli" world-test Garden --brain LadyBug=testbrain/w201f.brn --progress 405 >/dev/null 2>&1
[ $? -eq 1 ] || { echo "the mistaken brain did not fail"; bad=1; }
"$cli" world-edit Missing script.txt >/dev/null 2>&1
[ $? -eq 2 ] || { echo "an unreadable world is not a usage error"; bad=1; }
# New makes no world the program could not read back or open from the notebook.
"$cli" world-new Huge 1000 1000 >/dev/null 2>&1
[ $? -eq 2 ] && [ ! -e worlds/Huge.wld ] || { echo "world-new made a world too large to read"; bad=1; }
"$cli" world-new My.World 20 20 >/dev/null 2>&1
[ $? -eq 2 ] || { echo "world-new took a name with a dot"; bad=1; }
# Each bad line stops the run at its number; the file to save is not written.
refuse() {  # SCRIPT-TEXT LINE-NUMBER EXPECTED-ERROR-PART
  printf '%b' "$1" > bad.txt
  rm -f worlds/Bad.wld
  "$cli" world-edit Garden bad.txt --progress 405 --save worlds/Bad.wld >/dev/null 2>err.txt
  local rc=$?
  [ $rc -eq 2 ] || { echo "exit $rc, not 2, for: $1"; bad=1; }
  [ -e worlds/Bad.wld ] && { echo "a save file was written for: $1"; bad=1; }
  grep -qF -- "\"line\":$2," err.txt || { echo "no line $2 in: $(cat err.txt)"; bad=1; }
  grep -qF -- "$3" err.txt || { echo "missing '$3' in: $(cat err.txt)"; bad=1; }
}
refuse 'cell 1 1\ncritter LadyBug "Bad Name" 4.5 5.5 0.1\n' 2 '"text":"critter LadyBug \"Bad Name\" 4.5 5.5 0.1"}'
refuse 'cell 1 1\nfly away\n' 2 '"error":"unknown script line: fly"'
refuse 'up\n\ncell 1\n' 3 '"error":"usage: cell X Y"'
refuse 'describe "open quote\n' 1 '"error":"a quote is not closed"'
refuse 'up\nup\x01\x02\xff\n' 2 '"error":"binary input","line":2,"text":"up???"'
refuse 'cell 40 40\n' 1 '"message":"The cell is off the map"'
refuse 'select Nobody\n' 1 '"line":1,"text":"select Nobody"'
"$cli" world-edit --help > help.txt || { echo "world-edit --help failed"; bad=1; }
for verb in "cell X Y" "thing PICTURE FRAME X Y Z" "critter TYPE NAME X Y Z" "rotate <<|<|>|>>" \
    "trigger OF BYTYPE NX NY X1 Y1 X2 Y2 X3 Y3 X4 Y4 ZMIN ZMAX" "brain none|board NAME|file NAME" "smell TYPE1 TYPE2" \
    "print types|heights|critters" "up" "down" "fix" "delete" "move up|down" "select NAME" "change NAME X Y Z" \
    "test TESTCRITTER|- FOLLOW|- KIND TIME ENERGY" "describe TEXT..." "energy START LOSS"; do
  grep -qF -- "      $verb" help.txt || { echo "world-edit --help lacks: $verb"; bad=1; }
done
exit $bad
