#!/bin/bash
# Finds two sources of one target that define the same file-local name (in an
# anonymous namespace, or static). The unity build compiles a target's sources
# in batches, one translation unit each: such names would collide there, or
# worse, a call would quietly bind to the other file's function. Rename one.
#
# It builds, without unity and unoptimised (so no local function is inlined
# away), into a folder of its own, and reads the local symbols of the objects
# of the targets checked, all just built: objects other targets left there
# from an earlier build play no part. A file-local type that emits no symbol
# (no member defined out of line) stays the compiler's to catch, in a batch.
#   scripts/check-local-names.sh                 every target, into build-plain/
#   scripts/check-local-names.sh quendaro ...    only those targets
#   QUENDARO_PLAIN_DIR=<folder>                  another folder than build-plain/
# Exits 1 when a name is defined twice, listing target, name and files.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${QUENDARO_PLAIN_DIR:-$root/build-plain}"

# -g1: line tables only, enough to tell a header's function from the file's own.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_UNITY_BUILD=OFF -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build" -j"$(nproc)" "${targets[@]}"

# "<target> <object> <source path>" for every object of the targets named, or of
# every target.
objects() {
  local object target path
  ninja -C "$build" -t targets all | sed -n 's/^\(.*\.o\): CXX_COMPILER__.*/\1/p' |
    while read -r object; do
      target="${object%%.dir/*}"
      target="${target##*/}"
      if (($# > 0)) && [[ " $* " != *" $target "* ]]; then
        continue
      fi
      # CMake names an object after its source's path from the target's
      # folder, with "../" written "__/".
      path="${object%%CMakeFiles/*}${object#*.dir/}"
      path="$root/${path%.o}"
      echo "$target $object ${path//__\//../}"
    done
}

# Per object, "<target>\t<name>\t<source>" for each file-local name it defines.
# A name is what another file's definition would collide with: for the
# members of a class in an anonymous namespace the class, for a function its
# qualified name without parameters (anonymous namespaces left out).
local_names() {
  local target object path
  while read -r target object path; do
    nm -C -l --defined-only "$build/$object" |
      awk -v target="$target" -v object="$object" -v path="$path" '
      # Whether the source itself defines the variable `name`, on a line such
      # as "static const QString kNome = ..." or "constexpr int kLarguras[] {".
      function defined_here(name,   short, line, found) {
        short = name; sub(/.*::/, "", short)
        found = 0
        while (!found && (getline line < path) > 0)
          found = line ~ ("(^|[^[:alnum:]_])(static|const|constexpr)[[:space:]][^=;(){}]*[^[:alnum:]_:]" \
                          short "[[:space:]]*([=;{[]|$)")
        close(path)
        return found
      }
      function strip_templates(s,   out, i, c, depth) {
        out = ""; depth = 0
        for (i = 1; i <= length(s); i++) {
          c = substr(s, i, 1)
          if (c == "<") depth++
          else if (c == ">" && depth > 0) depth--
          else if (depth == 0) out = out c
        }
        return out
      }
      $2 !~ /^[tdbr]$/ { next }
      {
        line = $0
        location = ""
        tab = index(line, "\t")
        if (tab) { location = substr(line, tab + 1); line = substr(line, 1, tab - 1) }
        name = line
        sub(/^[^ ]+ [^ ]+ /, "", name)
        sub(/^(vtable|typeinfo|typeinfo name|VTT|guard variable|construction vtable) for /, "", name)
        sub(/^(non-virtual |virtual |covariant return )?thunk to /, "", name)
        sub(/^reference temporary #[0-9]+ for /, "", name)
        if (name ~ /^(_GLOBAL__|__static_initialization_and_destruction|__tcf_|\.L|_sub_I_)/) next
        gsub(/\(anonymous namespace\)/, "@anon", name)
        # Statics and lambdas inside a function belong to that function.
        if (index(name, ")::")) next
        paren = index(name, "(")
        if (paren) name = substr(name, 1, paren - 1)
        local_type = index(name, "@anon")
        name = strip_templates(name)
        # Some template instantiated with a file-local type: that type counts.
        if (local_type && !index(name, "@anon")) next
        cut = index(name, "::{")
        if (cut) name = substr(name, 1, cut - 1)
        # The return type that the name of a template function starts with.
        operator = index(name, "operator")
        head = operator ? substr(name, 1, operator - 1) : name
        if (match(head, /.* /)) name = substr(name, RLENGTH + 1)
        if (location != "") {
          # Defined in a header: every includer has its own copy, by design.
          file = location; sub(/:[0-9]+$/, "", file)
          if (file !~ /\.(cpp|cxx|cc)$/) next
        } else if (name !~ /@anon/ && index(name, "::") && !defined_here(name)) {
          # Data (only functions have a known place) of a named namespace
          # that the source does not define: a constant of some header.
          next
        }
        if (match(name, /.*@anon::/)) {
          rest = substr(name, RLENGTH + 1)
          cut = index(rest, "::")
          name = substr(name, 1, RLENGTH) (cut ? substr(rest, 1, cut - 1) : rest)
        }
        # A batch merges the anonymous namespaces with what encloses them, so
        # a static helper and one in an anonymous namespace collide too.
        gsub(/@anon::/, "", name)
        source = object
        sub(/^.*\.dir\//, "", source); sub(/\.o$/, "", source)
        print target "\t" name "\t" source
      }'
  done
}

clashes="$(objects "$@" | local_names | sort -u | awk -F'\t' '
  { key = $1 "\t" $2; count[key]++; files[key] = files[key] " " $3 }
  END { for (key in count) if (count[key] > 1) { split(key, k, "\t"); print k[1] ": " k[2] " in" files[key] } }' |
  sort)"
if [[ -n "$clashes" ]]; then
  echo "File-local names defined in more than one source of a target:"
  echo "$clashes"
  exit 1
fi
echo "No file-local name is defined twice in one target."
