#!/usr/bin/env bash
# A workshop world built headless through the editor's rules: a new world gets a hill,
# a stone, a ladybug with a board brain and an aphid ahead of it and a timed test; saved,
# it runs with the walking brain and passes, and fails with its mistaken twin. Refused
# steps are reported and change nothing.
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
critter LadyBug "Bad Name" 4.5 5.5 0.1
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
expect "$(cat err.txt)" '{"message":"Please use only letters and numbers in name (no spaces)","caption":"Add Critter Error"}'
expect "$(cat worlds/Garden.wld)" '0 1 780000000F9BC0F8 0000001000200070 LadyBug'
"$cli" world-test Garden --brain LadyBug=testbrain/w201.brn --progress 405 >/dev/null 2>&1 || { echo "the walking brain did not pass"; bad=1; }
"$cli" world-test Garden --brain LadyBug=testbrain/w201f.brn --progress 405 >/dev/null 2>&1
[ $? -eq 1 ] || { echo "the mistaken brain did not fail"; bad=1; }
"$cli" world-edit Missing script.txt >/dev/null 2>&1
[ $? -eq 2 ] || { echo "an unreadable world is not a usage error"; bad=1; }
exit $bad
