#!/usr/bin/env bash
# Runs the fuzz targets open-ended, each run from a fresh random seed, for
# longer than the test command does (it replays the corpus and a fixed number
# of inputs from a fixed seed, so that it passes or fails the same way every
# time).
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# SECONDS per target (default 600); TARGETs default to all of them:
# camera_file_fuzzer mms_file_fuzzer gprs_file_fuzzer sms_file_fuzzer
# settings_json_fuzzer preference_file_fuzzer operator_database_fuzzer.
# Inputs found go to build/sanitize/fuzz-corpus/TARGET (kept between runs);
# a crash is saved as build/sanitize/fuzz-crash-* and stops the script. Once
# it is fixed, the crash goes into fuzz/corpus/TARGET, so that every test run
# replays it, and into a regression test; so may a small input that reaches
# new code.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  targets=(camera_file_fuzzer mms_file_fuzzer gprs_file_fuzzer sms_file_fuzzer
           settings_json_fuzzer preference_file_fuzzer operator_database_fuzzer)
fi

cmake --preset=sanitize >/dev/null
cmake --build --preset=sanitize --target "${targets[@]}"

for target in "${targets[@]}"; do
  found=build/sanitize/fuzz-corpus/$target
  mkdir -p "$found"
  echo "== $target for ${seconds}s"
  "build/sanitize/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build/sanitize/fuzz-crash- \
    -print_final_stats=1 "$found" "fuzz/corpus/$target"
done
