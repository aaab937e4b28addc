#!/usr/bin/env bash
# The run command: prepares the demo school on a private MariaDB (see
# demo-setup.sh) and starts the configured application. The server stops when
# the application ends.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
run=$top/.run

"$top/scripts/demo-setup.sh"
trap '"$top/scripts/db.sh" stop "$run/db"' EXIT

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the application on a virtual display (xvfb-run)."
  cd "$run/app" && xvfb-run -a -s "-screen 0 1280x800x24" ./schooladmin "$@"
else
  cd "$run/app" && ./schooladmin "$@"
fi
