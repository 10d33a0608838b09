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
pid=""
cleanup() {
  if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

mariadb-install-db --no-defaults --datadir="$work/data" --user=root \
  --auth-root-authentication-method=normal >"$work/install.log" 2>&1
mariadbd --no-defaults --datadir="$work/data" --socket="$work/mysqld.sock" \
  --pid-file="$work/mysqld.pid" --port=3306 --bind-address=127.0.0.1 --user=root \
  --skip-name-resolve --innodb-buffer-pool-size=256M --innodb-flush-log-at-trx-commit=0 \
  --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci \
  --max-connections=500 >"$work/server.log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
  if mariadb --no-defaults --socket="$work/mysqld.sock" -uroot -e 'select 1' >/dev/null 2>&1; then
    break
  fi
  sleep 0.2
done
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
