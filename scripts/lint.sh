#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the program's sources.
#   scripts/lint.sh BUILD_DIR             every .cpp file under src/, and the
#                                         headers under src/ they include
#   scripts/lint.sh BUILD_DIR --changed   the lines of the .cpp files under
#                                         src/ that the last commit or the
#                                         uncommitted work changed
# BUILD_DIR holds the compile_commands.json of a configured build.  Exits
# non-zero on any finding, 77 when --changed finds no git history.
set -euo pipefail

build=$(cd "${1:?usage: scripts/lint.sh BUILD_DIR [--changed]}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

headers='.*/src/.*'
if [ "${2:-}" = "--changed" ]; then
  git rev-parse --verify -q HEAD~1 >/dev/null 2>&1 || { echo "no earlier commit to compare with"; exit 77; }
  mapfile -t files < <({ git diff --name-only HEAD~1 HEAD; git diff --name-only HEAD; } |
    grep -E '^src/.*\.cpp$' | sort -u | while read -r f; do if [ -f "$f" ]; then echo "$f"; fi; done)
  # Only the changed lines are held to the checks: what a change did not
  # touch is for make lint.
  filter=$(git diff -U0 HEAD~1 -- 'src/*.cpp' | python3 -c '
import json, re, sys
lines = {}
name = None
for line in sys.stdin:
    if line.startswith("+++ "):
        name = line[6:].strip() if line.startswith("+++ b/") else None
    m = re.match(r"@@ -\S+ \+(\d+)(?:,(\d+))? @@", line)
    if name and m:
        start, count = int(m.group(1)), int(m.group(2) or 1)
        if count:
            lines.setdefault(name, []).append([start, start + count - 1])
print(json.dumps([{"name": n, "lines": l} for n, l in lines.items()]))')
  headers='^$'
  if [ "$filter" = "[]" ]; then
    echo "no changed line to check"
    exit 0
  fi
else
  mapfile -t files < <(find src -name '*.cpp' | sort)
fi
if [ ${#files[@]} -eq 0 ]; then
  echo "no source file to check"
  exit 0
fi

# The build compiles with GCC and its precompiled headers, which clang
# cannot read: the checks see the same commands without them.
db=$(mktemp -d)
trap 'rm -rf "$db"' EXIT
sed -E 's# -include [^ ]*cmake_pch\.hxx##g; s# -Winvalid-pch##g' "$build/compile_commands.json" >"$db/compile_commands.json"

echo "checking ${#files[@]} files"
args=(-p "$db" --quiet --header-filter="$headers" --extra-arg=-Wno-unknown-warning-option)
if [ -n "${filter:-}" ]; then
  args+=("--line-filter=$filter")
fi
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy "${args[@]}" 2>/dev/null
