#!/bin/sh
# Cold start of the main window: builds the benchmark, runs it N times under Xvfb
# (a real X server, as on a desktop), prints every run and the median.
#   tools/bench-startup.sh [build folder] [runs]
set -eu
build=${1:-build}
runs=${2:-15}
cmake --build "$build" --target bench_startup >/dev/null
cd "$build/bin"
xvfb-run -a -s "-screen 0 1024x768x24" sh -c "
  for i in \$(seq $runs); do ./bench_startup; done" 2>/dev/null | tee /tmp/qv-bench-startup.txt
sed -n 's/.*process_to_shown_ms=\([0-9.]*\).*/\1/p' /tmp/qv-bench-startup.txt | sort -n |
  awk '{a[NR]=$1} END {printf "process start to shown window: median %.1f ms over %d runs (min %.1f, max %.1f)\n", a[int((NR+1)/2)], NR, a[1], a[NR]}'
