#!/bin/sh
# Runs the fault matrix (tests/tst_faultmatrix.cpp: every exchange against every fault of
# the emulated module, through the main window) and writes its results into
# docs/reliability.md, between the "fault-matrix" markers.
#
#   tools/fault-matrix.sh [build folder]     (default: build; build the tests first)
#
# The cells run in two lanes side by side, about a minute and a half. The exit status is 1
# when a cell failed; the table is written all the same, with the failed cells marked.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
test="$build/bin/tst_faultmatrix"
doc="$root/docs/reliability.md"
[ -x "$test" ] || { echo "no $test: build the tests first" >&2; exit 2; }
grep -q '<!-- fault-matrix:begin -->' "$doc" || { echo "no markers in $doc" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen QT_QPA_PLATFORMTHEME= QT_LOGGING_RULES='qv.*.debug=false'
export LC_ALL=C

run() {
    for fn in "$@"; do
        if ! QV_FAULT_MATRIX_OUT="$work/$fn.tsv" "$test" "$fn" >"$work/$fn.log" 2>&1; then
            grep -A2 '^FAIL' "$work/$fn.log" >&2 || tail -5 "$work/$fn.log" >&2
        fi
    done
}
started=$(date +%s)
(cd "$build/tests" && run download status) &
(cd "$build/tests" && run downloadAck readOut search identification fileNames) &
wait
seconds=$(($(date +%s) - started))

# One line per cell: exchange, fault, outcome, measured ms, bound ms, pass / FAIL / n/a.
for fn in identification search readOut download downloadAck status; do
    cat "$work/$fn.tsv" 2>/dev/null || true
done >"$work/cells.tsv"

awk -F'\t' -v seconds="$seconds" -v day="$(date -u +%Y-%m-%d)" -v cores="$(nproc)" '
    {
        if (!($2 in known)) { known[$2] = 1; order[++rows] = $2 }
        if ($6 == "n/a") { cell[$2, $1] = "n/a"; na++; next }
        text = sprintf("%s, %s (bound %.1f s)", $3,
                       $4 < 1000 ? sprintf("%d ms", $4) : sprintf("%.1f s", $4 / 1000), $5 / 1000)
        if ($6 == "pass") passed++; else { failed++; text = "**FAILED** " text }
        cell[$2, $1] = text
    }
    END {
        printf "Measured %s on %s cores in %d s: %d cells passed, %d failed, %d not applicable.\n\n",
               day, cores, seconds, passed, failed, na
        n = split("identification search read-out download status", ex, " ")
        printf "| fault |"; for (i = 1; i <= n; i++) printf " %s |", ex[i]; print ""
        printf "|---|"; for (i = 1; i <= n; i++) printf "---|"; print ""
        for (r = 1; r <= rows; r++) {
            printf "| %s |", order[r]
            for (i = 1; i <= n; i++) {
                c = cell[order[r], ex[i]]
                printf " %s |", c == "" ? "**missing**" : c
            }
            print ""
        }
    }' "$work/cells.tsv" >"$work/table.md"

{
    echo
    echo "File names that look like markup (\`<b>x<img src=y>.msw\`):"
    echo
    awk -F'\t' '{ printf "- %s: a \"%s\" box, plain text: %s\n", $2, $3, $6 }' \
        "$work/fileNames.tsv" 2>/dev/null || echo "- **missing**"
} >>"$work/table.md"

awk -v table="$work/table.md" '
    /<!-- fault-matrix:begin -->/ { print; print ""; while ((getline line < table) > 0) print line; print ""; skip = 1; next }
    /<!-- fault-matrix:end -->/ { skip = 0 }
    !skip' "$doc" >"$work/doc.md"
cp "$work/doc.md" "$doc"

cat "$work/table.md"
! grep -q '\*\*FAILED\*\*\|\*\*missing\*\*' "$work/table.md"
