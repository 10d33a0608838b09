# Set-up of the program's MariaDB, sourced by run.sh and by the tests so that
# both run the same steps. The functions leave the command that administers
# the server (as root, through its socket) in the array `admin`.

database=quendaro
dbuser=quendaro
# Where the server of the computer that keeps the data listens: every
# address of the computer, so the shop's network reaches it.
db_network_address=0.0.0.0
db_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# A new password of letters and digits, so it needs no quoting anywhere.
db_new_password() {
  head -c 18 /dev/urandom | base64 | tr -d '+/=' | head -c 20
}

# A station that vanishes (cable pulled, computer off) sends nothing more: the
# server probes its idle connections after 30 s, every 10 s, and after 3
# probes unanswered (within a minute) ends the session and rolls its
# transaction back, so no other station waits longer on its locks. The
# setting lasts until the server restarts: run.sh makes it at every run.
db_keepalive() {
  "${admin[@]}" -e 'SET GLOBAL tcp_keepalive_time = 30, tcp_keepalive_interval = 10,
    tcp_keepalive_probes = 3'
}

# Makes sure the server kept in <folder> (data, socket, pid and logs) runs on
# port 3306 listening on <address>; one already running there on another
# address is stopped and started again on this one.
db_own_server() {
  local folder="$1" address="$2"
  admin=(mariadb --no-defaults --socket="$folder/mysqld.sock" -uroot)
  if "${admin[@]}" -e 'select 1' >/dev/null 2>&1; then
    if [[ "$("${admin[@]}" -N -e 'select @@bind_address')" == "$address" ]]; then
      db_keepalive
      return 0
    fi
    db_stop_own_server "$folder" || true
  fi
  mkdir -p "$folder"
  if [[ ! -d "$folder/data/mysql" ]]; then
    mariadb-install-db --no-defaults --datadir="$folder/data" --user=root \
      --auth-root-authentication-method=socket >"$folder/install.log" 2>&1
  fi
  # Accounts name addresses, not host names: no lookup slows a connection
  # from a computer the shop's network cannot name.
  setsid mariadbd --no-defaults --datadir="$folder/data" --socket="$folder/mysqld.sock" \
    --pid-file="$folder/mysqld.pid" --port=3306 --bind-address="$address" --user=root \
    --skip-name-resolve --character-set-server=utf8mb4 --collation-server=utf8mb4_general_ci \
    >>"$folder/server.log" 2>&1 </dev/null &
  for _ in $(seq 1 150); do
    "${admin[@]}" -e 'select 1' >/dev/null 2>&1 && break
    sleep 0.2
  done
  "${admin[@]}" -e 'select 1' >/dev/null
  db_keepalive
}

# Stops the server kept in <folder> through its own socket, the way it shuts
# down cleanly, and waits until it has ended; no other server is touched.
# Returns 1 when none answers there, 2 when it has not ended after a minute.
db_stop_own_server() {
  local folder="$1"
  local own=(mariadb --no-defaults --socket="$folder/mysqld.sock" -uroot)
  if ! "${own[@]}" -e 'select 1' >/dev/null 2>&1; then
    return 1
  fi
  "${own[@]}" -e 'shutdown'
  for _ in $(seq 1 300); do
    [[ -e "$folder/mysqld.pid" ]] || return 0
    sleep 0.2
  done
  return 2
}

# The program's database and its tables, the first time only; a database made
# by an earlier version gets what that version lacked.
db_schema() {
  if [[ -z "$("${admin[@]}" -N -e "SHOW DATABASES LIKE '$database'")" ]]; then
    "${admin[@]}" -e "CREATE DATABASE $database CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci"
    "${admin[@]}" "$database" <"$db_root/db/schema.sql"
  else
    "${admin[@]}" "$database" <"$db_root/db/upgrade.sql"
  fi
}

# The password kept in <file>, made the first time (readable by root only).
db_kept_password() {
  local file="$1" password
  if [[ ! -s "$file" ]]; then
    (umask 077 && db_new_password >"$file")
  fi
  password="$(tr -d '[:space:]' <"$file")"
  if [[ -z "$password" ]]; then
    echo "A senha do banco em $file está vazia; apague o arquivo e rode de novo." >&2
    return 1
  fi
  echo "$password"
}

# The program's database user for connections from <host>, with <password>
# and rights on the program's database only.
db_account() {
  if [[ -z "$2" ]]; then
    echo "O usuário do banco não pode ficar sem senha." >&2
    return 1
  fi
  # Through standard input, as the password would show on a command line.
  printf '%s\n' "CREATE USER IF NOT EXISTS '$dbuser'@'$1';
    ALTER USER '$dbuser'@'$1' IDENTIFIED BY '$2';
    REVOKE ALL PRIVILEGES, GRANT OPTION FROM '$dbuser'@'$1';
    GRANT ALL PRIVILEGES ON $database.* TO '$dbuser'@'$1';" | "${admin[@]}"
}

# The database user of the other computers, '$dbuser'@'%', with the password
# kept in <file>. Accounts without a name go, now that the server answers the
# network.
db_station_user() {
  local password host
  password="$(db_kept_password "$1")"
  while read -r host; do
    "${admin[@]}" -e "DROP USER ''@'$host'"
  done < <("${admin[@]}" -N -e "SELECT host FROM mysql.user WHERE user = ''")
  db_account % "$password"
}
