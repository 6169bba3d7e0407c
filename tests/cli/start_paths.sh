#!/usr/bin/env bash
# The command line seen from a teacher's folder: brains and output files named relative
# to it, the data folder given or found beside the program, per-command help, and usage
# errors for options a command does not know.
# usage: start_paths.sh QUORBIT_CLI DATA_DIR
set -u
cli=$1 data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir brains
cp "$data/testbrain/w101.brn" brains/mine.brn
cp "$data/testbrain/w101f.brn" wrong.brn
bad=0
expect() {  # expect WANTED_EXIT DESCRIPTION COMMAND...
  local want=$1 what=$2
  shift 2
  "$@" >out.txt 2>err.txt
  local got=$?
  if [ "$got" -ne "$want" ]; then
    echo "$what: exit $got, want $want"; cat out.txt err.txt
    bad=1
  fi
}
expect 0 "brain in a sub-folder, with --data" "$cli" --data "$data" level-test 101 --brain Lab=brains/mine.brn
expect 1 "brain beside, with --data" "$cli" --data "$data" level-test 101 --brain Lab=wrong.brn
expect 0 "--shown, --data after the command" "$cli" level-test 101 --shown ./brains/mine.brn --data "$data"
expect 0 "no --data: the program's own data folder" "$cli" level-test 101 --brain Lab=./brains/mine.brn
expect 2 "a missing brain is not looked for in the data folder" "$cli" --data "$data" level-test 101 --brain Lab=w101.brn
expect 0 "an output file lands here" "$cli" --data "$data" render demo --out shot.png --size 64x48
[ -s shot.png ] || { echo "render wrote no shot.png here"; bad=1; }
expect 0 "level-test --help" "$cli" level-test --help
grep -q "level-test N" out.txt || { echo "level-test --help shows no usage"; bad=1; }
for command in brain-edit brain-run render level-test world-test world-new world-run world-save grade board-png; do
  expect 0 "$command --help" "$cli" "$command" --help
  grep -q "$command" out.txt || { echo "$command --help shows no usage"; bad=1; }
  expect 2 "$command with an unknown option" "$cli" --data "$data" "$command" --no-such-option
done
expect 2 "an unknown command" "$cli" no-such-command
exit $bad
