#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every tracked C++ file follows .clang-format and that the program's sources pass the
# checks in .clang-tidy. Run it after building build-test/: clang-tidy reads that build's compile
# database, and the generated moc and resource files must exist. Exits non-zero on any finding.
#
# clang-tidy takes long on every source, so it checks only what changed since the commit named in
# scripts/lint-baseline, whose sources all passed: the sources changed since, and those that
# include a header changed since. A changed .clang-tidy, a baseline this clone does not have, or
# `--all` checks every source.
set -euo pipefail
cd "$(dirname "$0")/.."

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

database=build-test/compile_commands.json
if [ ! -f "$database" ]; then
  echo "lint: $database is missing; build the test tree first" >&2
  exit 1
fi

checked=('game/*.cpp' 'toolkit/*.cpp' 'components/*.cpp' 'ui/*.cpp' 'extras/*.cpp' 'resources/*.cpp'
  'translations/*.cpp' 'tools/cardset/*.cpp' main.cpp)
baseline="$(cat scripts/lint-baseline)"
if [ "${1:-}" = --all ] || ! git cat-file -e "$baseline^{commit}" 2>/dev/null ||
  ! git diff --quiet "$baseline" -- .clang-tidy; then
  sources="$(git ls-files "${checked[@]}")"
else
  changed="$(git diff --name-only "$baseline" -- "${checked[@]}" '*.h')"
  # A changed header reaches every source that includes it, directly or through other headers.
  headers="$(grep '\.h$' <<<"$changed" || true)"
  includers=""
  while [ -n "$headers" ]; do
    found="$(for header in $headers; do
      git grep -l -F "#include \"$(basename "$header")\"" -- "${checked[@]}" '*.h' || true
    done | sort -u)"
    headers="$(comm -13 <(sort -u <<<"$includers") <(grep '\.h$' <<<"$found" || true))"
    includers="$(sort -u <<<"$includers"$'\n'"$found")"
  done
  sources="$(grep '\.cpp$' <<<"$changed"$'\n'"$includers" | sort -u |
    while read -r file; do [ -f "$file" ] && echo "$file"; done || true)"
fi
[ -n "$sources" ] || exit 0
echo "lint: clang-tidy on $(wc -l <<<"$sources") sources"
# Each file is checked on its own, as many at once as there are cores; the headers it includes
# are checked through it, as .clang-tidy's HeaderFilterRegex says.
tr '\n' '\0' <<<"$sources" | xargs -0 -n 1 -P "$(nproc)" clang-tidy -p build-test --quiet
