#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== Build and test"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs" | tee build/release/ctest.log

echo "== Sanitizers: the whole suite under AddressSanitizer and UndefinedBehaviorSanitizer"
# gcc; any report ends the test that made it (-fno-sanitize-recover), leaks included.
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_SANITIZE=ON \
  -DQUORVANE_WITH_BENCH=OFF -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure -j "$jobs" | tee build/sanitize/ctest.log

echo "== Fuzzing: each libFuzzer target for about 20 seconds"
# Each target runs on a copy of its seed corpus, so that what it finds never lands in the
# repository; a finding stops the script and is kept in build/fuzz/findings.
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_FUZZ=ON \
  -DQUORVANE_WITH_DIALOG=OFF -DQUORVANE_WITH_BENCH=OFF -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++
cmake --build build/fuzz -j "$jobs" --target quorvane_fuzz_targets
# target and the longest input it is given: a whole memory-point image and a little more, paths
# longer than 4,096 bytes, short texts
fuzz_targets=("mem_file_fuzz 10900" "coordinate_text_fuzz 128" "file_names_fuzz 8192"
              "copy_bounded_fuzz 256")
mkdir -p build/fuzz/findings
for entry in "${fuzz_targets[@]}"; do
  read -r target max_len <<<"$entry"
  work=build/fuzz/corpus-run/$target
  rm -rf "$work" && mkdir -p "$work" && cp fuzz/corpus/"$target"/* "$work"/
  log=build/fuzz/$target.log
  if ! build/fuzz/fuzz/"$target" -max_total_time=20 -max_len="$max_len" -timeout=10 \
       -rss_limit_mb=2048 -artifact_prefix=build/fuzz/findings/"$target"- "$work" >"$log" 2>&1; then
    tail -n 80 "$log"
    echo "$target found a fault; the input is in build/fuzz/findings" >&2
    exit 1
  fi
  echo "$target: $(grep -E '^Done [0-9]+ runs' "$log")"
done

# One closing line for the whole run: every stage above stops the script when anything fails.
total=$(awk '/tests failed out of/ { n += $NF } END { print n + 0 }' build/release/ctest.log \
  build/sanitize/ctest.log)
echo "quorvane: $total passed, 0 failed"
