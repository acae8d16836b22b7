#!/bin/sh
# A series on 1, 2, 4 and 8 ports at once against paced emulated modules (one qvsim per
# port), and lanes waiting for modules: units per hour, what a unit costs beyond the wire and
# the swap, the processor time and memory per lane. See the README, "Series programming".
# Usage: tools/bench-gang.sh [build folder] [units per port] [largest number of ports]
set -eu
cd "$(dirname "$0")/.."
build=build
if [ $# -gt 0 ]; then build=$1; shift; fi
cmake --build "$build" --target qvbenchgang qvsim -j2 >/dev/null
QT_LOGGING_RULES="qv.*.debug=false" "$build/bin/qvbenchgang" "$@"
