#!/bin/sh
# Builds the fuzz targets of the file readers with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz/, then runs each for a fixed
# number of inputs grown from its seed corpus in fuzz/corpus/. New inputs
# are kept in build-fuzz/, never in the repository. Prints one line per
# target (runs, seconds, seed); on a finding prints the fuzzer's report and
# fails.
set -e
cd "$(dirname "$0")/.."
RUNS=500000
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBOURGADE_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_targa fuzz_bitmap >/dev/null
for reader in targa bitmap; do
  grown="build-fuzz/corpus-$reader"
  log="build-fuzz/fuzz_$reader.log"
  rm -rf "$grown"
  mkdir -p "$grown"
  if ! "./build-fuzz/fuzz_$reader" -runs=$RUNS -artifact_prefix=build-fuzz/ "$grown" "fuzz/corpus/$reader" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz_$reader: FINDING (the input is kept as build-fuzz/crash-*)"
    exit 1
  fi
  seed=$(sed -n 's/.*Seed: \([0-9]*\).*/\1/p' "$log")
  done_line=$(grep '^Done' "$log")
  echo "fuzz_$reader: no finding. $done_line (seed $seed)"
done
