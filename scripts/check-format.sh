#!/usr/bin/env bash
# Fails when a C++ file differs from what clang-format makes of it (the repository's .clang-format).
# Fix with: clang-format -i <file>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files '*.cpp' '*.h')
else
  files=$(find src tests bench fuzz -name '*.cpp' -o -name '*.h')
fi
bad=$(echo "$files" | xargs -P2 -n50 clang-format --dry-run 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning: code should be clang-formatted.*/\1/p' | sort -u)
if [ -n "$bad" ]; then
  echo "Not formatted (run clang-format -i on these):" >&2
  echo "$bad" >&2
  exit 1
fi
