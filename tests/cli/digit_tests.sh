#!/usr/bin/env bash
# The digit tests pass only a brain that learned: an empty brain and one whose lamp 1 is
# always lit fail 605 and 606 with the message that says what to do, with the samples
# playing and Learn on as a learner would have them, and with no samples at all.
# usage: digit_tests.sh QUORBIT_CLI DATA_DIR SOURCE_DIR
set -u
cli=$1 data=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bad=0
"$cli" --data "$data" brain-edit - --inputs FFFFF00000000 --outputs 1 \
  --script "$source/tests/cli/lamp1_always_on.txt" --save "$work/lamp1.brn" >/dev/null || exit 2
want='"message":"Record some digits and let the brain learn first"'
for level in 605 606; do
  samples="$data/samples/digits01.txt"
  [ $level = 606 ] && samples="$data/samples/digits012.txt"
  for brain in "" "--shown $work/lamp1.brn"; do
    for options in "" "--learn --rate 0.05 --momentum 5 --samples $samples --train 1200"; do
      # shellcheck disable=SC2086
      out=$("$cli" --data "$data" level-test $level $brain $options 2>&1)
      code=$?
      if [ $code -ne 1 ] || [[ "$out" != *"$want"* ]]; then
        echo "level $level ${brain:-empty brain} ${options:-no samples}: exit $code, $out"
        bad=1
      fi
    done
  done
done
[ $bad = 0 ] && echo "empty and constant brains fail both digit tests"
exit $bad
