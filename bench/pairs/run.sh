#!/bin/bash
# Builds bench_pairs into build-bench/ and runs it against a throwaway MariaDB
# inside a private network namespace, as the tests do: alone, or against an
# earlier build of itself in alternated pairs (13 unless told).
# Usage: run.sh [earlier-bench_pairs [pairs]]
set -euo pipefail
export QUENDARO_BENCH_AGAINST="${1:+$(realpath "$1")}" QUENDARO_BENCH_PAIRS="${2:-}"
exec "$(dirname "$0")/../support/run.sh" bench_pairs
