#!/usr/bin/env bash
# A private MariaDB server for tests and the demo: its own data folder,
# loopback only, port 3306, gbk by default. Never the machine's service.
#
#   scripts/db.sh start DIR     create (first time) and start the server in DIR
#   scripts/db.sh stop DIR      stop it
#   scripts/db.sh sql DIR ...   run the mariadb client against it (extra args passed on)
#
# The root password is $SA_DB_ROOT_PASSWORD (default "schooladmin-root").
set -euo pipefail

cmd=${1:?usage: db.sh start|stop|sql DIR}
dir=$(mkdir -p "${2:?data folder missing}" && cd "$2" && pwd)
shift 2
port=${SA_DB_PORT:-3306}
rootpw=${SA_DB_ROOT_PASSWORD:-schooladmin-root}
sock="$dir/mysqld.sock"
pidfile="$dir/mysqld.pid"

client() {
  mariadb --no-defaults --protocol=socket -S "$sock" -uroot -p"$rootpw" --default-character-set=utf8mb4 "$@"
}

port_taken() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }

running() { [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null; }

start() {
  if running; then
    echo "MariaDB already running from $dir"
    return 0
  fi
  if port_taken; then
    echo "Port $port on 127.0.0.1 is already taken by another program." >&2
    echo "Stop that server (for example the demo: scripts/db.sh stop .run/db) and try again." >&2
    exit 1
  fi
  local fresh=0
  if [ ! -d "$dir/data/mysql" ]; then
    fresh=1
    mkdir -p "$dir/data"
    mariadb-install-db --no-defaults --datadir="$dir/data" --user="$(id -un)" \
      --auth-root-authentication-method=normal --skip-test-db >"$dir/install.log" 2>&1 ||
      { cat "$dir/install.log" >&2; exit 1; }
  fi
  # Test servers trade durability for speed: each test reinstalls the schema.
  local speed=(--innodb-flush-log-at-trx-commit=2)
  [ "${SA_DB_FAST:-0}" = 1 ] && speed+=(--innodb-file-per-table=0 --innodb-doublewrite=0 --innodb-flush-method=nosync)
  mariadbd --no-defaults --datadir="$dir/data" --socket="$sock" --pid-file="$pidfile" \
    --port="$port" --bind-address=127.0.0.1 --user="$(id -un)" \
    --character-set-server=gbk --collation-server=gbk_chinese_ci \
    --skip-log-bin --innodb-buffer-pool-size=128M "${speed[@]}" \
    --log-error="$dir/error.log" >/dev/null 2>&1 &
  for _ in $(seq 1 100); do
    [ -S "$sock" ] && break
    sleep 0.2
  done
  if [ ! -S "$sock" ]; then
    echo "MariaDB did not start; see $dir/error.log:" >&2
    tail -20 "$dir/error.log" >&2
    exit 1
  fi
  if [ $fresh -eq 1 ]; then
    mariadb --no-defaults --protocol=socket -S "$sock" -uroot <<SQL
DELETE FROM mysql.global_priv WHERE User='' OR (User='root' AND Host NOT IN ('localhost'));
FLUSH PRIVILEGES;
ALTER USER 'root'@'localhost' IDENTIFIED BY '$rootpw';
CREATE USER IF NOT EXISTS 'root'@'127.0.0.1' IDENTIFIED BY '$rootpw';
GRANT ALL PRIVILEGES ON *.* TO 'root'@'127.0.0.1' WITH GRANT OPTION;
FLUSH PRIVILEGES;
SQL
  fi
  echo "MariaDB running on 127.0.0.1:$port (data in $dir)"
}

stop() {
  if running; then
    local pid
    pid=$(cat "$pidfile")
    kill "$pid"
    for _ in $(seq 1 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.2
    done
    echo "MariaDB stopped"
  fi
}

case "$cmd" in
  start) start ;;
  stop) stop ;;
  sql) client "$@" ;;
  *) echo "usage: db.sh start|stop|sql DIR" >&2; exit 2 ;;
esac
