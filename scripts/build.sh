#!/bin/bash
# Configures and builds into build/: the targets named, or everything.
# A build/ it creates compiles each target's sources in batches (CMake's unity
# build), several times less work from a fresh clone; a build/ configured
# otherwise (-DCMAKE_UNITY_BUILD=OFF, one object per source) is kept as it is.
# Usage: build.sh [target...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
options=()
if [[ ! -f "$root/build/CMakeCache.txt" ]]; then
  options+=(-DCMAKE_UNITY_BUILD=ON)
fi
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$root/build" -j"$(nproc)" "${targets[@]}"
