#!/usr/bin/env bash
# Sets up, builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# in its own folder (build-asan, benchmarks left out) and runs it. Any failing test, memory
# error, leak or undefined behaviour ends the run with a non-zero exit.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${QUORBIT_SANITIZE_DIR:-build-asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORBIT_SANITIZE=ON -DQUORBIT_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
here=$(pwd)
export ASAN_OPTIONS="suppressions=$here/scripts/asan-suppressions.txt:detect_leaks=1:abort_on_error=0:strict_string_checks=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$here/scripts/lsan-suppressions.txt:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="default.warning=false"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
