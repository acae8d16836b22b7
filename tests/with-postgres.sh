#!/bin/sh
# Runs a command against a throwaway PostgreSQL server: pg_virtualenv (postgresql-common)
# creates a cluster in a temporary folder, exports PGHOST, PGPORT, PGUSER, PGPASSWORD,
# PGDATABASE (and PGVERSION, PG_CLUSTER_CONF_ROOT for pg_ctlcluster) for the command, and
# removes the cluster afterwards.
#   tests/with-postgres.sh COMMAND [ARGUMENTS...]
# pg_virtualenv takes the first free port from 5432 on, and two started at the same moment
# take the same one; so each run gets a random port of its own, and a run whose server
# did not start (the command never ran) tries another.
set -u
marker=$(mktemp /tmp/qv-postgres.XXXXXX)
trap 'rm -f "$marker"' EXIT INT TERM
for attempt in 1 2 3 4 5; do
    rm -f "$marker"
    port=$(( $(od -An -N2 -tu2 /dev/urandom) % 20000 + 35000 ))
    PGPORT=$port pg_virtualenv -t -- sh -c 'touch "$0"; exec "$@"' "$marker" "$@"
    status=$?
    [ -e "$marker" ] && exit $status
    echo "with-postgres: the server on port $port did not start (attempt $attempt), another port" >&2
done
exit 1
