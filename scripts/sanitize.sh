#!/bin/sh
# Builds the rules tests and the simulator with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-san/, then runs the rules tests and
# 20,000 simulated games: 4,000 at each table size from 2 to 6 players, each
# up to 100,000 turns so that the long games play out, and one game that no
# one can lose for two million turns, whose cash grows past 2^31 F. Any
# sanitizer report stops its program with a failure, and fails the run, as
# does a broken rule. Prints one line per run; on a failure, its report.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build-san -DBOURGADE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-san -j "$(nproc)" --target rules_tests bourgade3d-sim >/dev/null

# Runs a program of build-san/ with its arguments, its output kept in the
# log named first.
run() {
  log="build-san/$1.log"
  shift
  if ! "./build-san/$@" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "sanitized $*: FAILED"
    return 1
  fi
  echo "sanitized $*: $(tail -n 1 "$log")"
}

run rules rules_tests
# The table sizes play side by side, one per core or more.
pids=""
for players in 2 3 4 5 6; do
  run "sim-$players" bourgade3d-sim --games 4000 --players "$players" --seed 1 --max-turns 100000 &
  pids="$pids $!"
done
run sim-endless bourgade3d-sim --games 1 --players 2 --seed 4361 --max-turns 2000000 &
pids="$pids $!"
failed=0
for pid in $pids; do
  wait "$pid" || failed=1
done
exit $failed
