#!/usr/bin/env bash
# A worm driven by the reference crawler crawls forward at least 2 cells in 400 ticks; the
# crawler with its grips swapped goes backward.
# usage: worm_crawl.sh QUORBIT_CLI DATA_DIR WORLD
set -u
cli=$1 data=$2 world=$3
x_after() {
  "$cli" --data "$data" world-run "$world" --brain "Worm=$data/testbrain/$1" --ticks 400 --run |
    tail -n 1 | sed -n 's/.*"type":"Worm","name":"crawler","x":\([-0-9.e]*\),.*/\1/p'
}
good=$(x_after w501.brn)
wrong=$(x_after w501f.brn)
echo "reference crawler ends at x=$good, swapped grips at x=$wrong (start 3)"
awk -v g="$good" -v w="$wrong" 'BEGIN { exit !(g != "" && w != "" && g >= 5 && w < 3) }'
