#!/bin/sh
# Installs what is missing, builds and runs the whole test suite: the normal build, the
# tests too long for it (label "long"), the same suite under AddressSanitizer +
# UndefinedBehaviorSanitizer, the serial, download, register and series tests under
# ThreadSanitizer, and a short run of every fuzz target.
#   tools/run-tests.sh           everything (what CI runs)
#   tools/run-tests.sh --quick   the normal build and suite only
# Most tests wait for the emulated line (a download takes 8 s at 1200 bit/s), so the test
# presets run 28 at a time (24 under the sanitizers) whatever the number of processors; the
# downloads count double.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc)
./tools/bootstrap.sh

cmake --preset default
cmake --build --preset default -j"$jobs"
ctest --preset default

# --- The install tree (desktop entry, metainfo, manual pages, data found when installed) ---
./tools/check-install.sh build

[ "${1:-}" = "--quick" ] && exit 0

# --- The tests too long for the normal suite (a whole series of five units) ---
ctest --preset long

cmake --preset asan
cmake --build --preset asan -j"$jobs"
ctest --preset asan

cmake --preset tsan
cmake --build --preset tsan -j"$jobs"
ctest --preset tsan

./tools/fuzz.sh 10
