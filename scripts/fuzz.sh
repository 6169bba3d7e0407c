#!/usr/bin/env bash
# Builds one libFuzzer harness with clang (only the harness and the instrumented core)
# and runs it on a working copy of its corpus.
# usage: bash scripts/fuzz.sh NAME [SECONDS]   (NAME as in fuzz/fuzz_NAME.cpp; default 60 s)
set -euo pipefail
cd "$(dirname "$0")/.."
name=${1:?usage: bash scripts/fuzz.sh NAME [SECONDS]}
seconds=${2:-60}
if [ ! -f "fuzz/fuzz_$name.cpp" ]; then
  echo "no harness fuzz/fuzz_$name.cpp; there are:" $(ls fuzz | sed -n 's/^fuzz_\(.*\)\.cpp$/\1/p') >&2
  exit 2
fi
bash scripts/setup.sh clang libclang-rt-14-dev
build=${QUORBIT_FUZZ_DIR:-build-fuzz}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  "${launcher[@]}" -DQUORBIT_FUZZ=ON -DQUORBIT_UI=OFF -DQUORBIT_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "fuzz_$name"
mkdir -p "$build/corpus-$name" "$build/artifacts-$name"
work=$(cd "$build/corpus-$name" && pwd)
artifacts=$(cd "$build/artifacts-$name" && pwd)
cp -n fuzz/corpus/"$name"/* "$work"/ 2>/dev/null || true
echo "fuzzing $name for $seconds s; new inputs go to $work, crashes to $artifacts"
# Undefined behaviour stops the run like a crash, so the input is kept.
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
# The time limit per input is generous: on a busy machine a run can wait long for the CPU.
"$build/fuzz_$name" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$artifacts/" "$work"
