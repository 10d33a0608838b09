#!/bin/bash
# Prints the odbcinst.ini entry that registers the MariaDB driver under the
# name the connection string uses.
set -euo pipefail
lib="$(dpkg -L odbc-mariadb 2>/dev/null | grep '/libmaodbc\.so$' | head -n1)"
if [[ -z "$lib" ]]; then
  lib=/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so
fi
cat <<INI
[MySQL ODBC 8.0 ANSI Driver]
Description = MariaDB Connector/ODBC
Driver = $lib
Setup = $lib
FileUsage = 1
INI
