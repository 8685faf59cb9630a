#!/usr/bin/env bash
# Builds the fuzzers and runs each for a while: tools/fuzz.sh [SECONDS_EACH]
# Corpora are kept in build/fuzz/corpus/<fuzzer> between runs.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-30}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_raw_input fuzz_firmware_reports fuzz_memory_file fuzz_bitmap fuzz_skin_text
status=0
for fuzzer in fuzz_raw_input fuzz_firmware_reports fuzz_memory_file fuzz_bitmap fuzz_skin_text; do
  corpus=build/fuzz/corpus/$fuzzer
  log=build/fuzz/$fuzzer.log
  mkdir -p "$corpus"
  echo "== $fuzzer, ${seconds}s"
  if "build/fuzz/tests/fuzz/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$corpus" >"$log" 2>&1; then
    grep -E '^stat::(number_of_executed_units|new_units_added)' "$log"
  else
    status=1
    echo "FAILED: see $log (the crashing input is saved in the current folder)"
    grep -E -A20 '==[0-9]+==ERROR' "$log" | head -40
  fi
done
exit "$status"
