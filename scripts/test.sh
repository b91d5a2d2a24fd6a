#!/usr/bin/env bash
# Everything CI checks, from a fresh clone on Debian 12: installs the packages, checks the
# formatting, builds the linux, linux-asan and mingw presets and the release zip, then runs every
# test (unit, sim, behaviour, fuzz, the zip's contents, and the real program under Wine) and the
# sanitizer run. Exits non-zero if anything failed; ends by printing how large the tests are
# against the code.
set -uo pipefail

cd "$(dirname "$0")/.." || exit 1
export DEBIAN_FRONTEND=noninteractive

failures=()
section() { printf '\n======== %s ========\n' "$*"; }
step_failed() {
  failures+=("$1")
  printf '>>> FAILED: %s\n' "$1"
}

section "Packages"
bash scripts/deps.sh || {
  step_failed "installing packages"
  section "Summary"
  echo "cannot go on without the packages"
  exit 1
}

# The checked-in .clang-format governs every C/C++ file; quick, so it runs before the builds.
section "Formatting (clang-format)"
find src tests tools bench -type f \( -name '*.c' -o -name '*.cc' -o -name '*.cpp' -o -name '*.cxx' \
  -o -name '*.h' -o -name '*.hpp' \) -print0 | sort -z |
  xargs -0 clang-format --dry-run --Werror || step_failed "formatting (clang-format)"

# A failed build still leaves whatever did build: its tests run too, and the missing ones
# show up as failures of their own.
configured=()
is_configured() {
  local p
  for p in "${configured[@]}"; do [[ $p == "$1" ]] && return 0; done
  return 1
}

for preset in linux linux-asan mingw; do
  section "Configure and build: $preset"
  if cmake --preset "$preset"; then
    configured+=("$preset")
    cmake --build "build/$preset" -j2 || step_failed "build $preset"
  else
    step_failed "configure $preset"
  fi
done

# The release zip, whose list of files a test checks.
if is_configured mingw; then
  section "Package: build/mingw"
  cmake --build build/mingw --target package || step_failed "package"
fi

# The Wine tests in build/linux run the programs of build/mingw; when those are missing the
# tests say so.
section "Tests: unit, sim, behaviour, fuzz and Wine (build/linux)"
if is_configured linux; then
  ctest --test-dir build/linux --output-on-failure </dev/null || step_failed "tests in build/linux"
else
  step_failed "tests in build/linux (not configured)"
fi

section "Tests under AddressSanitizer and UBSan (build/linux-asan)"
if is_configured linux-asan; then
  ctest --test-dir build/linux-asan --output-on-failure -LE "wine|fuzz|package" </dev/null ||
    step_failed "tests in build/linux-asan"
else
  step_failed "tests in build/linux-asan (not configured)"
fi

section "Size of the tests"
bash scripts/count_lines.sh || step_failed "counting lines"

section "Summary"
if ((${#failures[@]})); then
  printf 'FAILED: %s\n' "${failures[@]}"
  exit 1
fi
echo "all builds and tests passed"
