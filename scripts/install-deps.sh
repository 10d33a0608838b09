#!/bin/bash
# Installs, through apt, only the Debian packages that are missing.
# Usage: install-deps.sh [extra packages...]
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  unixodbc unixodbc-dev odbcinst odbc-mariadb
  libsqlite3-dev sqlite3 libxlsxwriter-dev libjpeg-dev libgtest-dev libbenchmark-dev
  mariadb-server-core mariadb-client-core
  locales fonts-urw-base35 qpdf poppler-utils unzip
  iproute2 util-linux
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Instalando: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
