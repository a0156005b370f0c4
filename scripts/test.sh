#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: in the normal build, then the
# libFuzzer targets (built with clang) for a short bounded time each
# (TERVANO_FUZZ_SECONDS, 20 by default), then the suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
# TERVANO_SKIP_SANITIZE=1 skips the sanitizer build and TERVANO_SKIP_FUZZ=1 the fuzzers
# (quicker while developing).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure

if [ "${TERVANO_SKIP_FUZZ:-0}" != 1 ]; then
  # A fixed seed: the short run replays the same mutations every time, so a fault the
  # fuzzers have not met yet is found by a long run (tools/run-fuzzers.sh), not by chance here.
  TERVANO_FUZZ_SEED="${TERVANO_FUZZ_SEED:-1}" bash tools/run-fuzzers.sh "${TERVANO_FUZZ_SECONDS:-20}"
fi

# Last, so the suite's own summary closes the output.
if [ "${TERVANO_SKIP_SANITIZE:-0}" != 1 ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTERVANO_SANITIZE=ON \
        -DTERVANO_BENCH=OFF >/dev/null
  cmake --build build-asan
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
  export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  ctest --test-dir build-asan --output-on-failure
fi

