#!/bin/bash
# Times the builds the README's commands run, from a fresh clone and with no
# compiler cache, so two commits can be compared side by side on one machine:
#   program  cold build of what scripts/run.sh builds (quendaro, quendaro-ini)
#   tests    cold build of what scripts/test.sh builds (everything)
#   edit     after one line appended to a window source, the rebuild of
#            quendaro and of the test programs of that window's folder
#            (three times, each a new line); --edit names other sources
# Each is the clone's own scripts/build.sh (or, for the edit, cmake --build of
# those targets), with CPU (user+sys of every compiler and linker) and wall time.
# CPU time is the fair measure on a machine others are using.
#
# Usage: bench/build_times.sh [-j N] [--edit <file>]... [commit]
#   -j N      jobs (default: nproc)
#   --edit    source edited, relative to the tree, each in turn (default
#             registers/frmcadcli.cpp); for tests/<folder>/test_x.cpp the
#             rebuild is of that folder's tests and quendaro
#   commit    what to build (default: the working tree's tracked files as they are now)
# The clone lives in a temporary folder removed at the end.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs="$(nproc)"
edits=()
commit=
while (($#)); do
  case "$1" in
  -j) jobs="$2"; shift 2 ;;
  -j*) jobs="${1#-j}"; shift ;;
  --edit) edits+=("$2"); shift 2 ;;
  -*) echo "uso: $0 [-j N] [--edit <arquivo>] [commit]" >&2; exit 2 ;;
  *) commit="$1"; shift ;;
  esac
done
((${#edits[@]})) || edits=(registers/frmcadcli.cpp)
if [[ -z "$commit" ]]; then
  # A commit of the working tree's tracked files without touching the tree.
  commit="$(git -C "$root" stash create)"
  [[ -n "$commit" ]] || commit="$(git -C "$root" rev-parse HEAD)"
fi
commit="$(git -C "$root" rev-parse --verify "$commit^{commit}")"

work="$(mktemp -d /tmp/quendaro-build-times.XXXXXX)"
trap 'rm -rf "$work"' EXIT
src="$work/src"
git clone -q --shared --no-checkout "$root" "$src"
git -C "$src" checkout -q --detach "$commit"

cores="$(nproc --all)"
# No compiler cache, whatever the caller's environment holds.
unset CCACHE_DIR CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER
export CCACHE_DISABLE=1
# The job count reaches every commit's scripts/build.sh through the nproc it
# calls.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho %s\n' "$jobs" >"$work/bin/nproc"
chmod +x "$work/bin/nproc"
export PATH="$work/bin:$PATH"

# Runs the command quietly and prints "<label>  cpu <s>  wall <s>".
measure() {
  local label="$1" report
  shift
  local TIMEFORMAT='%R %U %S'
  report="$({ time "$@" >"$work/$label.log" 2>&1; } 2>&1)" || {
    echo "$label failed; last lines of its output:" >&2
    tail -n 30 "$work/$label.log" >&2
    exit 1
  }
  awk -v label="$label" '{ printf "%-10s cpu %8.1f s  wall %7.1f s\n", label, $2 + $3, $1 }' \
    <<<"$report"
}

echo "commit $(git -C "$src" log -1 --format='%h %s' | cut -c1-70), -j$jobs, $cores cores"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
measure program "$src/scripts/build.sh" quendaro quendaro-ini
rm -rf "$src/build"
measure tests "$src/scripts/build.sh"
echo "build folder: $(du -sh "$src/build" | cut -f1)"

for edited in "${edits[@]}"; do
  folder="${edited#tests/}"
  folder="${folder%%/*}"
  targets=(quendaro)
  while read -r target; do
    targets+=("$target")
  done < <(cmake --build "$src/build" --target help |
    sed -n "s/^\(${folder}_test[A-Za-z0-9_]*\): .*/\1/p" | grep -v '_autogen')
  echo "edit of $edited rebuilds ${targets[*]}"
  for round in 1 2 3; do
    echo "// one line more ($round)" >>"$src/$edited"
    measure "edit$round" cmake --build "$src/build" -j"$jobs" --target "${targets[@]}"
  done
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
