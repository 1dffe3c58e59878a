#!/usr/bin/env bash
# Puts the licence line atop every source file of this tree that lacks it:
# "// SPDX-License-Identifier: GPL-3.0-or-later" in C and C++ files, the same
# after "# " in CMake, shell and Python files, below a shebang where there is
# one. Safe to run again. With --check nothing is changed: the files without
# the line are listed and the exit status is 1 if there are any.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
check=0
[[ "${1:-}" == "--check" ]] && check=1
licence="SPDX-License-Identifier: GPL-3.0-or-later"

# The tree's own files: what git knows (tracked or new, not ignored), or
# without git everything outside the build and fuzz-output folders.
list_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard
  else
    find . \( -path './build*' -o -path ./fuzz-out -o -path ./.git \) -prune -o -type f -print0 |
      sed -z 's|^\./||'
  fi
}

# The comment that starts the licence line in this file, or nothing when the
# file is not source.
comment_for() {
  case "$1" in
    *.cpp | *.cc | *.c | *.h | *.hpp | *.ino) echo "//" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.cmake.in | *.sh | *.py) echo "#" ;;
    *)
      local first
      first="$(head -n 1 -- "$1" 2>/dev/null | tr -d '\0' || true)"
      if [[ "$first" =~ ^#!.*(sh|bash|python) ]]; then echo "#"; fi
      ;;
  esac
}

missing=0
while IFS= read -r -d '' file; do
  [[ -f "$file" ]] || continue
  mark="$(comment_for "$file")"
  [[ -n "$mark" ]] || continue
  if head -n 3 -- "$file" | grep -qF "$licence"; then continue; fi
  if ((check)); then
    echo "no licence line: $file"
    missing=1
    continue
  fi
  tmp="$(mktemp "$file.XXXXXX")"
  if [[ "$(head -c 2 -- "$file")" == "#!" ]]; then
    { head -n 1 -- "$file"; echo "$mark $licence"; tail -n +2 -- "$file"; } >"$tmp"
  else
    { echo "$mark $licence"; cat -- "$file"; } >"$tmp"
  fi
  chmod --reference="$file" "$tmp"
  mv -- "$tmp" "$file"
done < <(list_files)
exit "$missing"
