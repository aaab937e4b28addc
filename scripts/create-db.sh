#!/usr/bin/env bash
# Installs the school database on a running private server:
#   scripts/create-db.sh DIR ADMIN_NAME ADMIN_PASSWORD [--demo]
# creates didododederaz from sql/schema.sql, adds the first super administrator
# (also a staff member), and with --demo loads the demo school. An existing
# database is left alone.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:?usage: create-db.sh DIR ADMIN_NAME ADMIN_PASSWORD [--demo]}
name=${2:?administrator name missing}
password=${3:?administrator password missing}
demo=${4:-}

sql() { "$top/scripts/db.sh" sql "$dir" "$@"; }

if sql -N -e "show databases like 'didododederaz'" | grep -q didododederaz; then
  echo "The database didododederaz already exists; nothing changed."
  exit 0
fi

# Quote for a SQL text literal: double every quote and backslash.
q() { printf "%s" "$1" | sed -e "s/\\\\/\\\\\\\/g" -e "s/'/''/g"; }

start=$(date +%s%N)
sql -e "create database didododederaz default character set gbk collate gbk_chinese_ci"
sql didododederaz < "$top/sql/schema.sql"
if [ "$demo" = "--demo" ]; then
  sql didododederaz < "$top/sql/demo.sql"
fi
{
  printf "SET @admin_name='%s', @admin_password='%s';\n" "$(q "$name")" "$(q "$password")"
  cat "$top/sql/first_admin.sql"
} | sql didododederaz >/dev/null
echo "Database didododederaz created in $(( ($(date +%s%N) - start) / 1000000 )) ms."
echo "First super administrator: $name / $password"
