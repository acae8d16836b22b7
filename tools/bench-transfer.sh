#!/bin/sh
# Measures the read-out and the download through the main window, and the commands
# "qvconfig read -o" and "qvconfig write" as a script runs them, against the module
# emulator paced at 1200 bit/s; prints each time against the time the wire and the
# mandated silences take. Usage: tools/bench-transfer.sh [build folder]   (about a minute)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target bench_transfer -j2 >/dev/null
QT_QPA_PLATFORM=offscreen exec "$build/bin/bench_transfer"
