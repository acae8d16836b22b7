#!/bin/sh
# Measures what series programming adds to each unit beyond the wire time and the person
# swapping modules, against a sequence of paced emulated modules at 1200 bit/s: with one
# adapter that stays plugged in, and with an adapter per module.
# Usage: tools/bench-series.sh [build folder] [units]   (about a minute per three units)
set -eu
cd "$(dirname "$0")/.."
build=build
if [ $# -gt 0 ]; then build=$1; shift; fi
units=${1:-3}
cmake --build "$build" --target qvbenchseries -j2 >/dev/null
QT_LOGGING_RULES="qv.*.debug=false" "$build/bin/qvbenchseries" "$units"
QT_LOGGING_RULES="qv.*.debug=false" "$build/bin/qvbenchseries" "$units" --port-per-unit
