#!/usr/bin/env bash
# Every test level of books 1 and 2 through the real level loader and test clock: the
# reference brain passes and its "f" twin fails.
# usage: reference_brains.sh QUORBIT_CLI DATA_DIR LEVEL...
set -u
cli=$1 data=$2
shift 2
bad=0
for level in "$@"; do
  "$cli" --data "$data" level-test "$level" --shown "$data/testbrain/w$level.brn" >/dev/null 2>&1
  good=$?
  "$cli" --data "$data" level-test "$level" --shown "$data/testbrain/w${level}f.brn" >/dev/null 2>&1
  wrong=$?
  if [ $good -ne 0 ] || [ $wrong -ne 1 ]; then
    echo "level $level: reference brain exit $good (want 0), f brain exit $wrong (want 1)"
    bad=1
  fi
done
exit $bad
