#!/usr/bin/env bash
# Screenshots of the running application on a virtual display: the splash,
# the login window and the main window after a login.
#   scripts/screenshots.sh [OUT_DIR] [ACCOUNT]    (default: .run/shots, 周志强)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
run=$top/.run
out=$(mkdir -p "${1:-$run/shots}" && cd "${1:-$run/shots}" && pwd)
account=${2:-周志强}

"$top/scripts/demo-setup.sh" >/dev/null
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  "$top/scripts/db.sh" stop "$run/db" >/dev/null
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1

shot() { xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$out/$1.png"; echo "$out/$1.png"; }

# The login box offers the account first; typing the password is then enough.
printf '[User]\r\nUser1=%s\r\n' "$account" | iconv -f utf-8 -t gbk >"$run/app/Users.dat"
(cd "$run/app" && exec ./schooladmin) >/dev/null 2>&1 &
app=$!
sleep 1.2
shot splash
sleep 5
shot login
xdotool type --delay 40 123456
xdotool key Return
sleep 3
shot main
