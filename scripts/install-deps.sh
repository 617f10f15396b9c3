#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Idempotent: packages already present are left alone; `apt-get update` runs once.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ninja-build
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-ibase libsqlite3-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-thai-tlwg
  firebird3.0-server firebird3.0-utils
  pxlib-dev python3-pyftpdlib poppler-utils
  xvfb xauth
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && { echo "install-deps: all packages present"; exit 0; }

export DEBIAN_FRONTEND=noninteractive
# The programs connect as SYSDBA with the database password of the installation.
SYSDBA_PASSWORD="zovuroruv"
echo "firebird3.0-server shared/firebird/sysdba_password/first_install password $SYSDBA_PASSWORD" | debconf-set-selections
echo "firebird3.0-server shared/firebird/sysdba_password/first_install seen true" | debconf-set-selections 2>/dev/null || true

# Without systemd the package's init script would start a server during install;
# policy-rc.d exiting 101 forbids that. Tests start their own server.
created_policy=0
if [ ! -e /usr/sbin/policy-rc.d ]; then
  printf '#!/bin/sh\nexit 101\n' > /usr/sbin/policy-rc.d
  chmod +x /usr/sbin/policy-rc.d
  created_policy=1
fi
trap '[ $created_policy = 1 ] && rm -f /usr/sbin/policy-rc.d' EXIT

apt-get update
apt-get install -y --no-install-recommends "${missing[@]}"
echo "install-deps: installed ${missing[*]}"
