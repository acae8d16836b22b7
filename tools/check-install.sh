#!/bin/sh
# Installs the normal build (build/) into a temporary prefix and checks what was
# installed: the desktop entry, the AppStream metainfo and the file type validate, both
# manual pages render without warnings in both languages, and the installed program, started from the
# prefix (not the build folder) and from an empty working directory, finds every data
# file, both user manuals and Qt's Hungarian translation; the program's Gui module installed
# and found, no empty entry in any search path; and the module register's SQL drivers, which
# the package names itself.
#   tools/check-install.sh [build folder]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
prefix=$(mktemp -d /tmp/qvconfig-install.XXXXXX)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$prefix"
}
trap cleanup EXIT INT TERM
failures=0
fail() { echo "check-install: FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "check-install: ok: $*"; }

cmake --install "$build" --prefix "$prefix/usr" >/dev/null
share="$prefix/usr/share"
id=org.example.qvconfig

for f in bin/qvconfig bin/qvsim share/qvconfig/quorvel-help.pdf share/qvconfig/quorvel-help_en.pdf \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/man/man1/qvconfig.1 share/man/man1/qvsim.1 \
         share/man/hu/man1/qvconfig.1 share/man/hu/man1/qvsim.1; do
    [ -e "$prefix/usr/$f" ] || fail "not installed: $f"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -e "$share/icons/hicolor/${size}x$size/apps/$id.png" ] || fail "not installed: ${size}x$size icon"
done

if out=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) && [ -z "$out" ]; then
    pass "desktop entry"
else
    fail "desktop entry: $out"
fi
if out=$(appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" 2>&1); then
    pass "metainfo"
else
    fail "metainfo: $out"
fi
# The file type must compile into a MIME database and give *.msw (any case) its type.
mkdir -p "$prefix/mime/packages"
cp "$share/mime/packages/$id.xml" "$prefix/mime/packages/"
if XDG_DATA_DIRS="$prefix" update-mime-database "$prefix/mime" 2>&1 | grep . >&2; then
    fail "file type: update-mime-database complained"
elif grep -qx 'application/x-qvconfig-msw:\*\.msw' "$prefix/mime/globs"; then
    pass "file type *.msw"
else
    fail "file type: *.msw is not in the compiled globs"
fi
for page in man1/qvconfig.1 man1/qvsim.1 hu/man1/qvconfig.1 hu/man1/qvsim.1; do
    out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
          man --warnings -E UTF-8 -l -Tutf8 -Z "$share/man/$page" 2>&1 >/dev/null) || true
    if [ -z "$out" ]; then pass "man page $page"; else fail "man page $page: $out"; fi
done

# Each manual made twice (another process, another time zone) is the same byte for byte.
for manual in kezikonyv.md:quorvel-help.pdf manual.md:quorvel-help_en.pdf; do
    source=${manual%%:*}
    pdf=${manual#*:}
    run=0
    for tz in UTC Europe/Budapest; do
        run=$((run + 1))
        env -u QT_QPA_PLATFORMTHEME -u SOURCE_DATE_EPOCH QT_QPA_PLATFORM=offscreen TZ=$tz \
            "$build/bin/mkmanual" "docs/$source" "$prefix/manual-$run.pdf" 2>/dev/null
    done
    if cmp -s "$prefix/manual-1.pdf" "$prefix/manual-2.pdf"; then
        pass "the manual $source is reproducible"
    else
        fail "the manual $source differs between two runs of mkmanual"
    fi
done

# The installed program on the offscreen platform, in Hungarian, with the data-file and
# language logs switched on.
# It is stopped as soon as it has reported every file (or after 15 seconds).
empty="$prefix/empty"
mkdir -p "$empty"
log="$prefix/data.log"
(cd "$empty" && env -u QT_QPA_PLATFORMTHEME QT_QPA_PLATFORM=offscreen \
    QT_FORCE_STDERR_LOGGING=1 QT_LOGGING_RULES="qv.data.debug=true;qv.language.debug=true" \
    "$prefix/usr/bin/qvconfig" --lang hu 2>"$log") &
pid=$!
expected="i_default.dll i_qv-5.dll i_qv-3.dll i_bk-2.dll defval_qv.dll cmptbl_1_3.dll quorvel-help.pdf
quorvel-help_en.pdf"
for _ in $(seq 150); do
    grep -q '^qv.data: quorvel-help_en.pdf:' "$log" 2>/dev/null && break
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""
for name in $expected; do
    where=$(sed -n "s|^qv.data: $name: ||p" "$log" | tail -n 1)
    case "$where" in
    "$share/qvconfig/$name") pass "installed program finds $name in the prefix" ;;
    "") fail "installed program did not report $name (log: $(cat "$log"))" ;;
    *) fail "installed program takes $name from $where, not from the prefix" ;;
    esac
done
if grep -q '^qv.language: qtbase_hu.qm: /' "$log"; then
    pass "installed program loads Qt's Hungarian translation"
else
    fail "installed program does not find qtbase_hu.qm (qt6-translations-l10n)"
fi

# The Gui module: installed in the private folder of the library folder, where the installed
# program finds it (the window above came from it); `sheet` loads it from the prefix and writes
# a PDF; a command without a window loads no Qt Gui (glibc's loader says what it loads).
module=$(find "$prefix/usr" -path '*/qvconfig/qvconfig-gui.so' | head -n 1)
if [ -n "$module" ]; then
    pass "the Gui module is installed (${module#"$prefix"})"
else
    fail "the Gui module qvconfig-gui.so is not installed under lib*/qvconfig/"
fi
loaded="$prefix/loaded.log"
if (cd "$empty" && env -u QT_QPA_PLATFORMTHEME LD_DEBUG=files "$prefix/usr/bin/qvconfig" sheet \
        "$share/qvconfig/defval_qv.dll" -o "$prefix/sheet.pdf" >/dev/null 2>"$loaded") &&
   head -c 4 "$prefix/sheet.pdf" | grep -q '%PDF' &&
   grep -q "file=$module .*dynamically loaded" "$loaded"; then
    pass "qvconfig sheet loads the Gui module from the prefix and writes a PDF"
else
    fail "qvconfig sheet from the prefix: $(grep -v '^ *[0-9]*:' "$loaded" | tail -n 3)"
fi
if (cd "$empty" && LD_DEBUG=files "$prefix/usr/bin/qvconfig" --version >/dev/null 2>"$loaded") &&
   ! grep -q 'file=libQt6Gui\|file=libQt6Widgets\|qvconfig-gui' "$loaded"; then
    pass "a command without a window loads neither Qt Gui nor the widgets"
else
    fail "qvconfig --version loads Qt Gui, the widgets or the Gui module"
fi

# No run-time search path with an empty entry (the loader would search the current folder)
# in the installed programs and module, nor in the build tree's.
before=$failures
for elf in "$prefix"/usr/bin/* "$module" "$build"/bin/* "$build"/lib/qvconfig/*; do
    [ -f "$elf" ] && head -c 4 "$elf" | grep -q 'ELF' || continue
    path=$(readelf -d "$elf" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p')
    if [ -n "$path" ]; then
        case ":$path:" in
        *::*) fail "empty entry in the search path of ${elf#"$prefix"}: [$path]" ;;
        esac
    fi
done
[ "$failures" -eq "$before" ] &&
    pass "no search path with an empty entry in the installed or the built programs"

# The register's SQL drivers are Qt plugins, which the package's library scan does not see:
# the package names them itself, and the SQLite one must be there for the program.
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || true)
if [ -n "$plugins" ] && [ -e "$plugins/sqldrivers/libqsqlite.so" ]; then
    pass "Qt's SQLite driver for the module register"
else
    fail "Qt's SQLite driver is missing (libqt6sql6-sqlite)"
fi
if grep -q 'libqt6sql6-sqlite' debian/control && grep -q 'Recommends:.*libqt6sql6-psql' debian/control; then
    pass "the package names the register's SQL drivers"
else
    fail "debian/control: libqt6sql6-sqlite belongs in Depends, libqt6sql6-psql in Recommends"
fi

if [ "$failures" -ne 0 ]; then
    echo "check-install: $failures check(s) failed" >&2
    exit 1
fi
echo "check-install: everything installed validates"
