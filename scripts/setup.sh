#!/usr/bin/env bash
# Installs the Debian packages the project builds and runs with. Safe to run
# again: packages already present are skipped by apt.
set -euo pipefail

PACKAGES=(
  cmake g++ ninja-build pkg-config
  libsqlite3-dev sqlite3 libicu-dev
  libphonenumber-dev libprotobuf-dev libboost-dev
  libcairo2-dev libpango1.0-dev librsvg2-dev libgdk-pixbuf-2.0-dev libsdl2-dev
  fonts-wqy-microhei
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  SUDO=""
  [[ $(id -u) -ne 0 ]] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
