#!/usr/bin/env bash
# Every test level of the notebook through the real level loader and test clock: the
# reference brain passes and its "f" twin fails.
# usage: reference_brains.sh QUORBIT_CLI DATA_DIR LEVEL[:OPTIONS]...
# OPTIONS are more level-test options for both brains, for example how long a learning
# brain runs before its test ("601:--learn --rate 0.05 --train 2000").
set -u
cli=$1 data=$2
shift 2
bad=0
for entry in "$@"; do
  level=${entry%%:*}
  options=""
  [ "$entry" != "$level" ] && options=${entry#*:}
  # shellcheck disable=SC2086
  "$cli" --data "$data" level-test "$level" --shown "$data/testbrain/w$level.brn" $options >/dev/null 2>&1
  good=$?
  # shellcheck disable=SC2086
  "$cli" --data "$data" level-test "$level" --shown "$data/testbrain/w${level}f.brn" $options >/dev/null 2>&1
  wrong=$?
  if [ $good -ne 0 ] || [ $wrong -ne 1 ]; then
    echo "level $level: reference brain exit $good (want 0), f brain exit $wrong (want 1)"
    bad=1
  fi
done
exit $bad
