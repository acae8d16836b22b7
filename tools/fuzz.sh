#!/bin/sh
# Runs every fuzz target for a bounded time with AddressSanitizer and
# UndefinedBehaviorSanitizer, starting from the seed corpora in tools/fuzz/corpus/.
#   tools/fuzz.sh [seconds per target] [parallel jobs per target] [executions per target] [targets...]
# A target stops at its time or its executions, whichever comes first.
# CI-sized run: tools/fuzz.sh 20; a thorough run: tools/fuzz.sh 1800 1 10000000
# A finding stops its target and leaves crash-* in build-fuzz/findings/<target>/;
# after fixing it, copy the file into the target's corpus as a regression case.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-20}
jobs=${2:-1}
runs=${3:--1}
shift $(( $# > 3 ? 3 : $# ))
targets=${*:-$(ls tools/fuzz/corpus)}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >/dev/null
# Allocation and free stacks are cut to two frames. With full stacks the sanitizer's
# resident size grew by about 1.4 KB per execution, even when one input was run over and
# over (2 GB after about a million read-outs); with two frames it stays flat. The targets
# themselves keep nothing between runs: a plain loop over a corpus stays at 9 MB.
ASAN_OPTIONS="malloc_context_size=2:${ASAN_OPTIONS:-}"
export ASAN_OPTIONS
# One target: runs it, writes its table row to build-fuzz/findings/<target>.row and fails
# on a finding.
fuzz_target() {
    target=$1
    corpus=tools/fuzz/corpus/$target
    work=build-fuzz/corpus/$target
    findings=build-fuzz/findings/$target
    mkdir -p "$work" "$findings"
    cp -n "$corpus"/* "$work"/ 2>/dev/null || true
    log=build-fuzz/findings/$target.log
    start=$(date +%s)
    if [ "$jobs" -gt 1 ]; then
        opts="-fork=$jobs"
    else
        opts=""
    fi
    if ( cd "$findings" && "../../bin/$target" $opts -max_total_time="$seconds" -runs="$runs" \
            -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 "../../../$work" ) >"$log" 2>&1; then
        result=clean
    else
        result="FINDING (see $log)"
    fi
    secs=$(( $(date +%s) - start ))
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | awk '{s+=$1} END {print s+0}')
    if [ "$execs" -eq 0 ]; then
        execs=$(sed -n 's/.*#\([0-9]*\).*DONE.*/\1/p' "$log" | tail -1)
        execs=${execs:-0}
    fi
    printf '| %s | %s | %s | %s | %s |\n' "$target" "$execs" "$(( execs / (secs > 0 ? secs : 1) ))" \
        "$secs" "$result" >"build-fuzz/findings/$target.row"
    [ "$result" = clean ]
}

# As many targets at once as there are processors (each runs single-threaded unless
# jobs > 1); the table is Markdown, ready for docs/reliability.md.
at_once=$(( $(nproc) / jobs ))
[ "$at_once" -ge 1 ] || at_once=1
status=0
batch=""
run_batch() {
    pids=""
    for target in $batch; do
        fuzz_target "$target" &
        pids="$pids $!"
    done
    for pid in $pids; do
        wait "$pid" || status=1
    done
    batch=""
}
mkdir -p build-fuzz/findings
for target in $targets; do
    rm -f "build-fuzz/findings/$target.row"
    batch="$batch $target"
    [ "$(echo $batch | wc -w)" -lt "$at_once" ] || run_batch
done
[ -z "$batch" ] || run_batch
printf '| target | executions | exec/s | seconds | result |\n|---|---:|---:|---:|---|\n'
for target in $targets; do
    cat "build-fuzz/findings/$target.row"
done
exit $status
