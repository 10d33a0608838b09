#!/bin/bash
# Installs what is missing, builds, makes sure a MariaDB with the program's
# database is listening on 127.0.0.1:3306, writes the settings file when it is
# missing, and opens the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
var="$root/var"
driver="MySQL ODBC 8.0 ANSI Driver"
database=quendaro
dbuser=quendaro

"$root/scripts/install-deps.sh" xdg-utils
"$root/scripts/build.sh" quendaro quendaro-ini

# The ODBC driver under the name the connection string uses.
if ! odbcinst -q -d -n "$driver" >/dev/null 2>&1; then
  entry="$(mktemp)"
  "$root/scripts/odbc-driver.sh" >"$entry"
  odbcinst -i -d -f "$entry" >/dev/null
  rm -f "$entry"
fi

listening() { (exec 3<>/dev/tcp/127.0.0.1/3306) 2>/dev/null; }
admin=()
if listening && mariadb -uroot -e 'select 1' >/dev/null 2>&1; then
  admin=(mariadb -uroot)
elif [[ -S "$var/mariadb/mysqld.sock" ]] && listening &&
  mariadb --no-defaults --socket="$var/mariadb/mysqld.sock" -uroot -e 'select 1' >/dev/null 2>&1; then
  admin=(mariadb --no-defaults --socket="$var/mariadb/mysqld.sock" -uroot)
elif listening; then
  echo "Há um servidor em 127.0.0.1:3306 que o root não administra; pare-o ou configure-o à mão." >&2
  exit 1
else
  mkdir -p "$var/mariadb"
  if [[ ! -d "$var/mariadb/data/mysql" ]]; then
    mariadb-install-db --no-defaults --datadir="$var/mariadb/data" --user=root \
      --auth-root-authentication-method=socket >"$var/mariadb/install.log" 2>&1
  fi
  setsid mariadbd --no-defaults --datadir="$var/mariadb/data" --socket="$var/mariadb/mysqld.sock" \
    --pid-file="$var/mariadb/mysqld.pid" --port=3306 --bind-address=127.0.0.1 --user=root \
    --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci \
    >>"$var/mariadb/server.log" 2>&1 </dev/null &
  admin=(mariadb --no-defaults --socket="$var/mariadb/mysqld.sock" -uroot)
  for _ in $(seq 1 150); do
    "${admin[@]}" -e 'select 1' >/dev/null 2>&1 && break
    sleep 0.2
  done
  "${admin[@]}" -e 'select 1' >/dev/null
fi

# The database and its tables, the first time only.
if [[ -z "$("${admin[@]}" -N -e "SHOW DATABASES LIKE '$database'")" ]]; then
  "${admin[@]}" -e "CREATE DATABASE $database CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci"
  "${admin[@]}" "$database" <"$root/db/schema.sql"
fi

# The settings file of the program folder; a new password for the database
# user whenever it has to be written.
folder="$root/build/app"
if ! ls "$folder" | grep -qi '^quendaro\.ini$'; then
  password="$(head -c 18 /dev/urandom | base64 | tr -d '+/=' | head -c 20)"
  for host in localhost 127.0.0.1; do
    "${admin[@]}" -e "CREATE USER IF NOT EXISTS '$dbuser'@'$host';
      ALTER USER '$dbuser'@'$host' IDENTIFIED BY '$password';
      GRANT ALL PRIVILEGES ON $database.* TO '$dbuser'@'$host';"
  done
  "$root/build/app/quendaro-ini" "$folder" 127.0.0.1 "$database" "$dbuser" "$password"
fi

# The local fiscal file the supplier register copies into.
if ! ls "$folder" | grep -qi '^dados\.db$'; then
  sqlite3 "$folder/dados.db" <"$root/db/fiscal.sql"
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Sem tela gráfica (DISPLAY); o servidor e a configuração estão prontos." >&2
  echo "Abra o programa numa sessão gráfica: $folder/quendaro" >&2
  exit 0
fi
exec "$folder/quendaro"
