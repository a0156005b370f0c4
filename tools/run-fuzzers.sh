#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, build-fuzz/) when needed and runs each for a bounded
# time, seeded from fuzz/corpus/<target>, from generated tables and, when present, from the
# shared fixtures beside the repository. Prints the executions and the coverage per target.
#
#   tools/run-fuzzers.sh [SECONDS_PER_TARGET] [TARGET...]
#
# TERVANO_FUZZ_MAX_LEN bounds the input size (65536 by default: whole small tables);
# TERVANO_FUZZ_SEED fixes the mutation sequence (0, the default, picks a new one each run).
#
# New corpus entries go to build-fuzz/corpus/<target> (never into the repository); crashes
# to build-fuzz/artifacts/<target>/. Exits non-zero when a target finds a crash, a leak or a
# hang.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(dbf profile numberentry expression)

if [ ! -f build-fuzz/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTERVANO_FUZZ=ON -DTERVANO_BENCH=OFF >/dev/null
fi
cmake --build build-fuzz --target fuzzers

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=offscreen

status=0
summary=()
for target in "${targets[@]}"; do
  exe=build-fuzz/fuzz/fuzz_$target
  work=build-fuzz/corpus/$target
  artifacts=build-fuzz/artifacts/$target
  mkdir -p "$work" "$artifacts"
  seeds=()
  [ -d "fuzz/corpus/$target" ] && seeds+=("fuzz/corpus/$target")
  if [ "$target" = dbf ]; then
    build-fuzz/fuzz/fuzz_seeds build-fuzz/seeds/dbf
    seeds+=(build-fuzz/seeds/dbf)
    # The shared fixtures' small tables; the fuzzer ignores the other files' bytes no worse.
    if [ -d ../shared/fixtures ]; then
      mkdir -p build-fuzz/seeds/shared
      find ../shared/fixtures -iname '*.dbf' -size -64k -exec cp -f {} build-fuzz/seeds/shared/ \; 2>/dev/null || true
      seeds+=(build-fuzz/seeds/shared)
    fi
  fi
  log=build-fuzz/fuzz-$target.log
  echo "== fuzz_$target: ${seconds}s"
  set +e
  "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len="${TERVANO_FUZZ_MAX_LEN:-65536}" -print_final_stats=1 \
         -seed="${TERVANO_FUZZ_SEED:-0}" -artifact_prefix="$artifacts/" "$work" "${seeds[@]}" >"$log" 2>&1
  rc=$?
  set -e
  execs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  last=$(grep -E '^#[0-9]+' "$log" | tail -1)
  cov=$(echo "$last" | grep -o 'cov: [0-9]*' | grep -o '[0-9]*$' || echo '?')
  ft=$(echo "$last" | grep -o 'ft: [0-9]*' | grep -o '[0-9]*$' || echo '?')
  line="fuzz_$target: ${seconds}s execs=$execs cov=$cov ft=$ft exit=$rc"
  echo "$line"
  summary+=("$line")
  if [ $rc -ne 0 ]; then
    status=1
    grep -E 'ERROR|invariant|SUMMARY|Test unit written' "$log" | head -20 || true
  fi
done
echo
printf '%s\n' "${summary[@]}"
exit $status
