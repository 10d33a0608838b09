#!/bin/bash
# Builds one benchmark into build-bench/ and runs it under CTest against a
# throwaway MariaDB inside a private network namespace, as the tests run.
# Usage: run.sh <benchmark target>
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
benchmark="$1"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUENDARO_BENCH=ON >/dev/null
cmake --build "$root/build-bench" -j"$(nproc)" --target "$benchmark"
export QUENDARO_RUN_BENCH=1 QUENDARO_BUILD_DIR="$root/build-bench"
if unshare -n true 2>/dev/null; then
  exec unshare -n "$root/scripts/test-server.sh" -R "^$benchmark\$" -V
fi
exec "$root/scripts/test-server.sh" -R "^$benchmark\$" -V
