#!/bin/bash
# Installs what is missing, builds, and runs every test against a throwaway
# MariaDB inside a private network namespace. Exits with ctest's status.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/install-deps.sh"
if ! locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
  localedef -i pt_BR -f UTF-8 pt_BR.UTF-8
fi
"$root/scripts/build.sh"

if unshare -n true 2>/dev/null; then
  exec unshare -n "$root/scripts/test-server.sh" "$@"
fi
echo "Aviso: sem namespace de rede; os testes usam 127.0.0.1:3306 desta máquina."
exec "$root/scripts/test-server.sh" "$@"
