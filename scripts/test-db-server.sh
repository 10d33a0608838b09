#!/bin/bash
# Starts or stops the throwaway test MariaDB whose files live in
# $QUENDARO_TEST_DB_DIR (made by test-server.sh). A test that restarts the
# server runs it too, so the server never holds the caller's output open.
# Usage: test-db-server.sh start|stop
set -euo pipefail
dir="${QUENDARO_TEST_DB_DIR:?QUENDARO_TEST_DB_DIR não definido}"

# Running and not yet reaped (the server is nobody's child once its starter exits).
running() {
  local state
  state="$(sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null | cut -c1)" || return 1
  [[ -n "$state" && "$state" != Z ]]
}

alive() {
  mariadb --no-defaults --socket="$dir/mysqld.sock" -uroot -e 'select 1' >/dev/null 2>&1
}

case "${1:-}" in
start)
  setsid mariadbd --no-defaults --datadir="$dir/data" --socket="$dir/mysqld.sock" \
    --pid-file="$dir/mysqld.pid" --port=3306 --bind-address=127.0.0.1 --user=root \
    --skip-name-resolve --innodb-buffer-pool-size=256M --innodb-flush-log-at-trx-commit=0 \
    --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci \
    --max-connections=500 </dev/null >>"$dir/server.log" 2>&1 &
  echo $! >"$dir/server.pid"
  for _ in $(seq 1 300); do
    alive && exit 0
    running "$(cat "$dir/server.pid")" || break
    sleep 0.1
  done
  echo "O servidor de testes não iniciou; veja $dir/server.log" >&2
  exit 1
  ;;
stop)
  [[ -f "$dir/server.pid" ]] || exit 0
  pid="$(cat "$dir/server.pid")"
  rm -f "$dir/server.pid"
  kill "$pid" 2>/dev/null || exit 0
  while running "$pid"; do
    sleep 0.05
  done
  ;;
*)
  echo "uso: $0 start|stop" >&2
  exit 2
  ;;
esac
