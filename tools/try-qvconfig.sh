#!/bin/sh
# Builds qvconfig and starts it against an emulated Q_QV5 module: qvsim runs on a
# pseudo-terminal in the background, qvconfig starts with --port set to it, and qvsim is
# stopped when qvconfig exits. Options are passed on to qvsim (see build/bin/qvsim --help),
# e.g. tools/try-qvconfig.sh --model brk2 --status signal=2
set -eu
cd "$(dirname "$0")/.."
./tools/bootstrap.sh
cmake -S . -B build
cmake --build build -j"$(nproc)"

out=$(mktemp)
build/bin/qvsim --model qv5 "$@" >"$out" &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true; rm -f "$out"' EXIT
trap 'exit 130' INT TERM

# qvsim prints the path of its pseudo-terminal once it is ready.
tries=0
while [ ! -s "$out" ]; do
    if ! kill -0 "$sim" 2>/dev/null || [ "$tries" -ge 100 ]; then
        echo "try-qvconfig: the module emulator did not start" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.1
done
port=$(head -n 1 "$out")
echo "try-qvconfig: emulated Q_QV5 on $port"
build/bin/qvconfig --port "$port"
