#!/bin/sh
# Builds the fuzz targets of the file readers (the images and the saved
# games) with clang, AddressSanitizer and UndefinedBehaviorSanitizer into
# build-fuzz/, then runs each for a fixed number of inputs grown from its
# seed corpus in fuzz/corpus/. New inputs are kept in build-fuzz/, never in
# the repository. Prints one line per target (runs, seconds, seed); on a
# finding prints the fuzzer's report and fails.
set -e
cd "$(dirname "$0")/.."
RUNS=500000
SAVE_RUNS=100000
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DBOURGADE_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_targa fuzz_bitmap fuzz_save >/dev/null
for reader in targa bitmap save; do
  grown="build-fuzz/corpus-$reader"
  log="build-fuzz/fuzz_$reader.log"
  rm -rf "$grown"
  mkdir -p "$grown"
  # A save is read twice and then played: each input costs more.
  runs=$RUNS
  [ "$reader" = save ] && runs=$SAVE_RUNS
  if ! "./build-fuzz/fuzz_$reader" -runs=$runs -artifact_prefix=build-fuzz/ "$grown" "fuzz/corpus/$reader" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz_$reader: FINDING (the input is kept as build-fuzz/crash-*)"
    exit 1
  fi
  seed=$(sed -n 's/.*Seed: \([0-9]*\).*/\1/p' "$log")
  done_line=$(grep '^Done' "$log")
  echo "fuzz_$reader: no finding. $done_line (seed $seed)"
done
