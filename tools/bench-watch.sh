#!/bin/sh
# Figures of the status watch: samples per minute at each interval against the paced
# emulator (a qvsim process), the processor use while the watch window watches at 2 s, the
# heap an eight-hour session at 1 s adds, and the trend plot's repaint with eight hours
# shown, and how long a pause or a stop of the watch holds the window. About five minutes
# (--quick: about two; --stop: that last figure alone). Not part of the test run.
# Usage: tools/bench-watch.sh [build folder] [--quick] [--no-rate] [--stop]
set -eu
cd "$(dirname "$0")/.."
build=build
case "${1:-}" in --*|"") ;; *) build=$1; shift ;; esac
cmake --build "$build" --target qvbenchwatch qvsim -j2 >/dev/null
QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME= QT_LOGGING_RULES="qv.*.debug=false" \
    "$build/bin/qvbenchwatch" "$@"
