#!/bin/sh
# Times the module register on 100,000 entries: recording one entry, the window's searches
# by module id, name and telephone number, and the memory a first page of 500 takes; on
# SQLite, then on a throwaway PostgreSQL server (pg_virtualenv) with the window's merged
# search of both. Not part of the test run (a few minutes).
#   tools/bench-register.sh [build folder] [entries]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
entries=${2:-100000}
cmake --build "$build" --target qvbenchregister -j2 >/dev/null
exec tests/with-postgres.sh "$build/bin/qvbenchregister" "$entries"
