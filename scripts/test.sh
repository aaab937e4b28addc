#!/usr/bin/env bash
# The test command: installs what is missing, builds, starts a private
# MariaDB, runs every test and stops the server whatever happened.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${SA_BUILD_DIR:-$top/build}

"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"

dbdir="$build/test-db"
export SA_DB_ROOT_PASSWORD=${SA_DB_ROOT_PASSWORD:-schooladmin-root}
SA_DB_FAST=1 "$top/scripts/db.sh" start "$dbdir"
trap '"$top/scripts/db.sh" stop "$dbdir"' EXIT

export SA_TEST_DB_HOST=127.0.0.1 SA_TEST_DB_PORT=3306 SA_TEST_DB_USER=root
export SA_TEST_DB_PASSWORD="$SA_DB_ROOT_PASSWORD"
cd "$build"
ctest --output-on-failure "$@"
