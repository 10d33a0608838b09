#!/bin/bash
# Builds bench_scale into build-bench/ and runs it against a throwaway MariaDB
# inside a private network namespace, as the tests do. Takes a few minutes.
exec "$(dirname "$0")/../support/run.sh" bench_scale
