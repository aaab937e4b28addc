#!/usr/bin/env bash
# Installs the Debian packages the suite builds, tests and runs with.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools
  libmariadb-dev mariadb-server mariadb-client
  nettle-dev libminizip-dev zlib1g-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth fonts-noto-cjk x11-apps xdotool netpbm
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
# The package's own service must not grab port 3306: we run private servers.
if [ ! -e /usr/sbin/policy-rc.d ]; then
  printf '#!/bin/sh\nexit 101\n' | $sudo tee /usr/sbin/policy-rc.d >/dev/null
  $sudo chmod +x /usr/sbin/policy-rc.d
  trap '$sudo rm -f /usr/sbin/policy-rc.d' EXIT
fi
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
