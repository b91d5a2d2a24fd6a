#!/usr/bin/env bash
# Prints how many lines the tests hold against the code they test: non-blank lines that are not
# comments, in C/C++, shell, Python and CMake files. With folder names as arguments, prints the
# count of each instead.
set -euo pipefail

cd "$(dirname "$0")/.." || exit 1

# Counted lines of every source file under the folders given.
count() {
  find "$@" -type f \( -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.cxx' \
    -o -name '*.h' -o -name '*.hpp' -o -name '*.inl' -o -name '*.sh' -o -name '*.py' \
    -o -name 'CMakeLists.txt' -o -name '*.cmake' \) -print0 2>/dev/null |
    xargs -0 -r cat |
    awk '
      { sub(/^[ \t]+/, ""); sub(/[ \t\r]+$/, "") }
      $0 == "" { next }
      /^\/\// { next }
      /^#([ \t]|$)/ { next }
      { n++ }
      END { print n + 0 }'
}

if (($#)); then
  for folder in "$@"; do printf '%6d  %s\n' "$(count "$folder")" "$folder"; done
  exit 0
fi

code_folders=()
for folder in src tools bench scripts; do [[ -d $folder ]] && code_folders+=("$folder"); done
tests=$(count tests)
code=$(count "${code_folders[@]}")
awk -v t="$tests" -v c="$code" 'BEGIN {
  printf "test lines: %d  code lines: %d  tests are %.1f %% of code\n", t, c, c ? 100 * t / c : 0
}'
