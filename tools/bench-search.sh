#!/bin/sh
# Measures the automatic port search (1, 4 and 16 emulated modules or silent ports, one
# port after the other and all at once) and the time from pressing "Eszköz
# csatlakoztatása" to the greeting, against the paced module emulator (about 40 s).
# Usage: tools/bench-search.sh [build folder]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target qvbenchsearch qvbenchidentify -j2 >/dev/null
"$build/bin/qvbenchsearch"
cd "$build/bin"
# The offscreen platform's remarks about window hints are left out.
QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME= QT_LOGGING_RULES="qv.*.debug=false" \
    ./qvbenchidentify 2>&1 | grep -v -e propagateSizeHints -e XDG_RUNTIME_DIR
