#!/bin/sh
# "qvconfig sheet" timed as a script runs it: the whole program, started without a display,
# reading a configuration file, laying out the customer's sheet and writing its PDF, and
# ended. Prints the median and the slowest of the runs, in each language.
#   tools/bench-sheet.sh [build folder] [runs] [configuration file]
set -eu
build=${1:-build}
runs=${2:-30}
cmake --build "$build" --target qvconfig >/dev/null
program=$(cd "$build/bin" && pwd)/qvconfig
input=${3:-$(cd "$build/bin" && pwd)/defval_qv.dll}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for language in hu en; do
    i=0
    while [ "$i" -lt "$runs" ]; do
        start=$(date +%s%N)
        env -u DISPLAY -u WAYLAND_DISPLAY "$program" sheet "$input" -o "$work/sheet.pdf" \
            --lang "$language" --site "Kovács Kft., Pince u. 3." >/dev/null 2>&1
        end=$(date +%s%N)
        echo $(((end - start) / 1000))
        i=$((i + 1))
    done | sort -n | awk -v language="$language" -v runs="$runs" '{t[NR] = $1 / 1000}
        END {printf "qvconfig sheet --lang %s: %d runs, median %.1f ms, slowest %.1f ms\n",
                    language, runs, t[int((NR + 1) / 2)], t[NR]}'
done
