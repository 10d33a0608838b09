#!/bin/bash
# Installs what is missing, builds, makes sure a MariaDB with the program's
# database is listening on 127.0.0.1:3306, writes the settings file when it is
# missing, and opens the program.
#   run.sh --servidor          the same, on the computer that keeps the data:
#                              the database also answers the shop's network,
#                              with a database user for the other computers
#   run.sh --cliente <server>  on another computer: installs, builds and
#                              writes the settings file for that server only
#   run.sh --parar             stops the database server kept under var/ and
#                              nothing else
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
var="$root/var"
driver="MySQL ODBC 8.0 ANSI Driver"
folder="$root/build/app"
source "$root/scripts/db-server.sh"

mode=local
case "$#:${1:-}" in
  0:) ;;
  1:--servidor) mode=servidor ;;
  1:--parar) mode=parar ;;
  2:--cliente)
    mode=cliente
    server="$2"
    ;;
esac
if [[ "$mode" == local && $# -gt 0 || "$mode" == cliente && -z "$server" ]]; then
  echo "uso: scripts/run.sh [--servidor | --cliente <endereço do servidor> | --parar]" >&2
  exit 2
fi

if [[ "$mode" == parar ]]; then
  status=0
  db_stop_own_server "$var/mariadb" || status=$?
  case $status in
    0) echo "O banco de dados do programa (var/mariadb/) foi parado." ;;
    1) echo "O banco de dados do programa (var/mariadb/) não está rodando; nada foi parado." ;;
    *)
      echo "O banco de dados do programa não terminou em um minuto; veja var/mariadb/server.log." >&2
      exit 1
      ;;
  esac
  exit 0
fi

"$root/scripts/install-deps.sh" xdg-utils
"$root/scripts/build.sh" quendaro quendaro-ini

# The ODBC driver under the name the connection string uses.
if ! odbcinst -q -d -n "$driver" >/dev/null 2>&1; then
  entry="$(mktemp)"
  "$root/scripts/odbc-driver.sh" >"$entry"
  odbcinst -i -d -f "$entry" >/dev/null
  rm -f "$entry"
fi

# The local fiscal file the supplier register copies into.
fiscal_file() {
  if ! ls "$folder" | grep -qi '^dados\.db$'; then
    sqlite3 "$folder/dados.db" <"$root/db/fiscal.sql"
  fi
}

if [[ "$mode" == cliente ]]; then
  if [[ -t 0 ]]; then
    read -rsp "Senha do banco mostrada por 'scripts/run.sh --servidor' no servidor: " password
    echo
  else
    read -r password || true
  fi
  if [[ -z "$password" ]]; then
    echo "Senha vazia; nada foi gravado." >&2
    exit 1
  fi
  if ! MYSQL_PWD="$password" mariadb --no-defaults --connect-timeout=10 -h "$server" -P 3306 \
    -u "$dbuser" "$database" -e 'select 1' >/dev/null; then
    echo "Não foi possível entrar no banco de $server com essa senha; nada foi gravado." >&2
    echo "Confira o endereço, a senha e se o servidor aceita conexões na porta 3306." >&2
    exit 1
  fi
  # The password goes through a pipe: a command line shows to every user.
  printf '%s\n' "$password" | "$folder/quendaro-ini" "$folder" "$server" "$database" "$dbuser"
  fiscal_file
  echo "Configuração gravada para o servidor $server. Abra o programa: $folder/quendaro"
  exit 0
fi

# The server: the system's own when root administers it, otherwise one kept
# under var/, listening where the last --servidor left it.
listening() { (exec 3<>/dev/tcp/127.0.0.1/3306) 2>/dev/null; }
address_file="$var/mariadb/bind-address"
if listening && mariadb -uroot -e 'select 1' >/dev/null 2>&1; then
  admin=(mariadb -uroot)
  db_keepalive
  if [[ "$mode" == servidor ]]; then
    case "$("${admin[@]}" -N -e 'select ifnull(@@bind_address, "")')" in
      '' | "$db_network_address" | '*' | '::') ;;
      *)
        echo "O MariaDB do sistema escuta só neste computador. Ponha 'bind-address = 0.0.0.0'" >&2
        echo "na seção [mysqld] de /etc/mysql/mariadb.conf.d/50-server.cnf, reinicie o serviço" >&2
        echo "(systemctl restart mariadb) e rode de novo." >&2
        exit 1
        ;;
    esac
  fi
elif listening &&
  ! mariadb --no-defaults --socket="$var/mariadb/mysqld.sock" -uroot -e 'select 1' >/dev/null 2>&1; then
  echo "Há um servidor em 127.0.0.1:3306 que o root não administra; pare-o ou configure-o à mão." >&2
  exit 1
else
  mkdir -p "$var/mariadb"
  if [[ "$mode" == servidor ]]; then
    echo "$db_network_address" >"$address_file"
  fi
  db_own_server "$var/mariadb" "$(cat "$address_file" 2>/dev/null || echo 127.0.0.1)"
fi

db_schema

# The settings file of the program folder, written when it is missing. The
# database user has one password for this computer and the others: the one
# --servidor keeps in var/, or else a new one whenever the file is written.
password_file="$var/database-password"
local_settings() {
  local password="$1" host
  for host in localhost 127.0.0.1; do
    db_account "$host" "$password"
  done
  printf '%s\n' "$password" | "$folder/quendaro-ini" "$folder" 127.0.0.1 "$database" "$dbuser"
}
if [[ "$mode" == servidor ]]; then
  db_station_user "$password_file"
  password="$(db_kept_password "$password_file")"
  local_settings "$password"
elif ! ls "$folder" | grep -qi '^quendaro\.ini$'; then
  if [[ -s "$password_file" ]]; then
    password="$(db_kept_password "$password_file")"
  else
    password="$(db_new_password)"
  fi
  local_settings "$password"
fi

fiscal_file

if [[ "$mode" == servidor ]]; then
  addresses="$(ip -4 -o addr show scope global 2>/dev/null | awk '{print $4}' | cut -d/ -f1 |
    tr '\n' ' ')"
  echo "Este computador guarda os dados e atende a rede na porta 3306."
  echo "Seus endereços na rede: ${addresses:-nenhum por enquanto}"
  echo "Em cada outra estação rode: scripts/run.sh --cliente <endereço deste computador>"
  echo "e informe a senha do banco: $password"
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Sem tela gráfica (DISPLAY); o servidor e a configuração estão prontos." >&2
  echo "Abra o programa numa sessão gráfica: $folder/quendaro" >&2
  exit 0
fi
exec "$folder/quendaro"
