#!/usr/bin/env bash
# Builds the libFuzzer targets (the `fuzz` preset: clang, AddressSanitizer, UndefinedBehavior-
# Sanitizer) and runs each one for a bounded time, starting from its seed corpus in
# tests/fuzz/corpus/<target>/ plus what earlier runs found in build/fuzz/corpus/<target>/.
# Fails when any target crashes, leaks, times out, breaks a property or trips a sanitizer; the
# input that did it is saved in build/fuzz/artifacts/ and the whole log in build/fuzz/logs/.
#
#   scripts/run-fuzzers.sh [SECONDS [TARGET...]]    default: 60 seconds, every target
#   FUZZ_PARALLEL=2 scripts/run-fuzzers.sh 600      two targets at a time
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-${FUZZ_SECONDS:-60}}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(chart_record windows1252 chart_search profile command_line)
parallel="${FUZZ_PARALLEL:-1}"

root="$(pwd)"
build="$root/build/fuzz"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
mkdir -p "$build/logs" "$build/artifacts"

export LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export QT_QPA_PLATFORM=offscreen

run_one() {
  local name="$1"
  local work="$build/corpus/$name"
  mkdir -p "$work"
  local log="$build/logs/$name.log"
  local status=0
  "$build/tests/fuzz/fuzz_$name" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$name-" \
    "$work" "$root/tests/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
  # UBSan reports abort the target, but a report printed from a forked helper must fail too.
  if grep -q -E "runtime error:|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)" "$log"; then
    [ "$status" -ne 0 ] || status=1
  fi
  local execs speed
  execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)"
  if [ "$status" -eq 0 ]; then
    printf '%-14s ok      %10s execs  %8s execs/s  corpus %s\n' "$name" "${execs:-?}" \
      "${speed:-?}" "$(find "$work" -type f | wc -l)"
  else
    printf '%-14s FAILED  (exit %s) see %s\n' "$name" "$status" "$log"
    grep -E "check failed|runtime error|ERROR:|SUMMARY|Test unit written" "$log" | head -n 8 |
      sed 's/^/    /'
  fi
  return "$status"
}

echo "Fuzzing ${#targets[@]} target(s) for ${seconds}s each, $parallel at a time"
failed=0
pids=()
names=()
for name in "${targets[@]}"; do
  run_one "$name" &
  pids+=("$!")
  names+=("$name")
  if [ "${#pids[@]}" -ge "$parallel" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
  fi
done
for pid in "${pids[@]}"; do
  wait "$pid" || failed=1
done
exit "$failed"
