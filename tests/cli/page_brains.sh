#!/usr/bin/env bash
# The page proof rule: every test level has three brains, run on seeds 0..19 through the
# real level loader and test clock. wNNN (the solution) and wNNNp (built from the page's
# words alone) pass on at least 19 of the 20 seeds; wNNNf (the page's mistake) fails on
# every seed, as a failed test (exit 1), never as an error.
# usage: page_brains.sh QUORBIT_CLI DATA_DIR LEVEL[:OPTIONS]...
# OPTIONS are more level-test options for all three brains ("601:--learn --rate 0.05").
# SEEDS="A B ..." runs other seeds (default 0..19); BRAINS="w f" leaves out the page brain
# of a book whose page brains are still to come (default "w p f").
set -u
cli=$1 data=$2
shift 2
seeds=${SEEDS:-$(seq 0 19)}
count=$(echo $seeds | wc -w)
need=$(( (count * 19 + 19) / 20 ))
bad=0

# Prints how many seeds passed; exit codes other than 0 and 1 are reported as errors.
passes() {
  local brain=$1 options=$2 passed=0 code
  for seed in $seeds; do
    # shellcheck disable=SC2086
    "$cli" --data "$data" level-test "$level" --shown "$brain" --seed "$seed" $options >/dev/null 2>&1
    code=$?
    if [ $code -eq 0 ]; then
      passed=$((passed + 1))
    elif [ $code -ne 1 ]; then
      echo "level $level: $(basename "$brain") seed $seed ended with exit $code, not a verdict" >&2
      passed=-1000
    fi
  done
  echo $passed
}

for entry in "$@"; do
  level=${entry%%:*}
  options=""
  [ "$entry" != "$level" ] && options=${entry#*:}
  for letter in ${BRAINS:-w p f}; do
    kind=${letter#w}
    brain="$data/testbrain/w$level$kind.brn"
    if [ ! -f "$brain" ]; then
      echo "level $level: $(basename "$brain") is missing"
      bad=1
      continue
    fi
    got=$(passes "$brain" "$options")
    if [ "$kind" = f ]; then
      [ "$got" -eq 0 ] || { echo "level $level: w${level}f passed on $got of $count seeds (want 0)"; bad=1; }
    else
      [ "$got" -ge "$need" ] || { echo "level $level: w$level$kind passed on $got of $count seeds (want $need)"; bad=1; }
    fi
    echo "level $level: w$level$kind passed on $got of $count seeds"
  done
done
exit $bad
