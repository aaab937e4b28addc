#!/usr/bin/env bash
# Prepares the demo: installs what is missing, builds the Configurator (and
# with it the application), starts the private MariaDB in .run/db with the demo
# school, and writes a configured application to .run/app/schooladmin through
# the Configurator's command line. The server keeps running; stop it with
#   scripts/db.sh stop .run/db
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${SA_BUILD_DIR:-$top/build}
run=$top/.run

"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target configurator

export SA_DB_ROOT_PASSWORD=${SA_DB_ROOT_PASSWORD:-schooladmin-root}
"$top/scripts/db.sh" start "$run/db"
"$top/scripts/create-db.sh" "$run/db" "校长" "123456" --demo

# The MySQL account the application uses, as an installer would create it.
app_user=xiaowu
app_password=Xw2026demo
"$top/scripts/db.sh" sql "$run/db" -e "
  CREATE USER IF NOT EXISTS '$app_user'@'127.0.0.1' IDENTIFIED BY '$app_password';
  CREATE USER IF NOT EXISTS '$app_user'@'localhost' IDENTIFIED BY '$app_password';
  GRANT ALL PRIVILEGES ON *.* TO '$app_user'@'127.0.0.1';
  GRANT ALL PRIVILEGES ON *.* TO '$app_user'@'localhost';"

mkdir -p "$run/app"
(cd "$run/app" && "$build/configurator/configurator" --school "滨江实验中学" --server localhost \
  --user "$app_user" --password "$app_password" --update-url "http://127.0.0.1/sm/update.txt" \
  --output "$run/app/schooladmin")

echo
echo "The demo school is ready. Accounts (the demo password is 123456 for each):"
"$top/scripts/db.sh" sql "$run/db" didododederaz -e "select User as 账号, Level as 级别, Office as 处室 from users order by Level desc, ID"
echo "MySQL: 127.0.0.1:3306, application user $app_user / $app_password (root: $SA_DB_ROOT_PASSWORD)"
echo
