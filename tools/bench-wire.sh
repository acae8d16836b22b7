#!/bin/sh
# Measures each serial exchange against the paced module emulator and prints the time
# taken, the time the wire and the mandated silence impose, and their ratio.
# Usage: tools/bench-wire.sh [build folder] [--quick]   (about 30 s; --quick skips the
# two eight-second exchanges at 1200 bit/s)
set -eu
cd "$(dirname "$0")/.."
build=build
if [ $# -gt 0 ] && [ "$1" != "--quick" ]; then build=$1; shift; fi
cmake --build "$build" --target qvbenchwire -j2 >/dev/null
exec "$build/bin/qvbenchwire" "$@"
