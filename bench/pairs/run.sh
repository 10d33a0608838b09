#!/bin/bash
# Builds bench_pairs into build-bench/ and runs it against a throwaway MariaDB
# inside a private network namespace, as the tests do.
# Usage: run.sh [earlier-bench_pairs [pairs]]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUENDARO_BENCH=ON >/dev/null
cmake --build "$root/build-bench" -j"$(nproc)" --target bench_pairs
export QUENDARO_RUN_BENCH=1 QUENDARO_BUILD_DIR="$root/build-bench"
export QUENDARO_BENCH_AGAINST="${1:+$(realpath "$1")}" QUENDARO_BENCH_PAIRS="${2:-}"
if unshare -n true 2>/dev/null; then
  exec unshare -n "$root/scripts/test-server.sh" -R '^bench_pairs$' -V
fi
exec "$root/scripts/test-server.sh" -R '^bench_pairs$' -V
