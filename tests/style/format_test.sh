#!/usr/bin/env bash
# Every C++ source file of the project is laid out as .clang-format says.
set -euo pipefail
src=${1:?source folder}
cd "$src"
mapfile -t files < <(find app ui screens exercise tests tools packaging -name '*.cpp' -o -name '*.h' | sort)
if [ ${#files[@]} -eq 0 ]; then
  echo "no source files found under $src" >&2
  exit 1
fi
if ! timeout 60 clang-format --dry-run --Werror "${files[@]}"; then
  echo "Run: clang-format -i <file> (the style is in .clang-format)" >&2
  exit 1
fi
echo "${#files[@]} files laid out as .clang-format says"
