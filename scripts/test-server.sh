#!/bin/bash
# Starts a throwaway MariaDB on 127.0.0.1:3306, registers the ODBC driver in a
# private odbcinst.ini, runs ctest in build/ (or QUENDARO_BUILD_DIR) and stops
# the server. Arguments go to ctest.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

ip link set lo up 2>/dev/null || true
if (exec 3<>/dev/tcp/127.0.0.1/3306) 2>/dev/null; then
  echo "A porta 127.0.0.1:3306 está ocupada; pare o servidor que a usa e tente de novo." >&2
  exit 1
fi

work="$(mktemp -d /tmp/quendaro-test.XXXXXX)"
# The restart tests stop and start the server through the same script.
export QUENDARO_TEST_DB_DIR="$work" QUENDARO_TEST_DB_CONTROL="$root/scripts/test-db-server.sh"
cleanup() {
  "$QUENDARO_TEST_DB_CONTROL" stop || true
  rm -rf "$work"
}
trap cleanup EXIT

mariadb-install-db --no-defaults --datadir="$work/data" --user=root \
  --auth-root-authentication-method=normal >"$work/install.log" 2>&1
"$QUENDARO_TEST_DB_CONTROL" start
mariadb --no-defaults --socket="$work/mysqld.sock" -uroot <<SQL
CREATE USER 'quendaro'@'%' IDENTIFIED BY 'teste123';
GRANT ALL PRIVILEGES ON *.* TO 'quendaro'@'%' WITH GRANT OPTION;
SQL

mkdir -p "$work/odbc"
"$root/scripts/odbc-driver.sh" >"$work/odbc/odbcinst.ini"
: >"$work/odbc/odbc.ini"
export ODBCSYSINI="$work/odbc" ODBCINSTINI=odbcinst.ini ODBCINI="$work/odbc/odbc.ini"
export QUENDARO_TEST_DB_SERVER=127.0.0.1 QUENDARO_TEST_DB_USER=quendaro \
  QUENDARO_TEST_DB_PASSWORD=teste123 QT_QPA_PLATFORM=offscreen
export QUENDARO_SOURCE_DIR="$root"

set +e
(cd "${QUENDARO_BUILD_DIR:-$root/build}" && ctest --output-on-failure -j"$(nproc)" "$@")
status=$?
set -e
exit $status
