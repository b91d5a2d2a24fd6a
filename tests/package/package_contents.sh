#!/usr/bin/env bash
# Checks the release zip: exactly the program, the read-me in English and in Japanese and the
# licence; the program is the one just built; each read-me is UTF-8 with a byte-order mark and
# CR LF line ends (so every Notepad shows it) and names the version and the four switches.
#   package_contents.sh <zip> <ZLTFusen.exe of the same build>
# Skipped (77) when the zip was not made, or is older than the program: scripts/test.sh makes
# it with `cmake --build build/mingw --target package` before the tests run.
set -euo pipefail
zip=$1 exe=$2
say() { printf '[package_contents] %s\n' "$*"; }
fail() {
  say "FAIL: $*" >&2
  exit 1
}
[[ -f $zip ]] || {
  say "SKIPPED: no $zip (make it: cmake --build build/mingw --target package)"
  exit 77
}
[[ ! -f $exe || ! $exe -nt $zip ]] || {
  say "SKIPPED: $zip is older than $exe (remake it: cmake --build build/mingw --target package)"
  exit 77
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
got=$(cd "$work" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort | tr '\n' ' ')
want="LICENSE.txt README-ja.txt README.txt ZLTFusen.exe "
[[ $got == "$want" ]] || fail "the zip holds '$got', expected '$want'"
say "the zip holds exactly: $want"

if [[ -f $exe ]]; then
  cmp -s "$work/ZLTFusen.exe" "$exe" || fail "the zip's ZLTFusen.exe is not the one built"
fi
head -c 2 "$work/ZLTFusen.exe" | grep -q MZ || fail "ZLTFusen.exe is not a Windows program"
version=$(basename "$zip" .zip | sed 's/^ZLTFusen-//; s/-win64$//')
for readme in README.txt README-ja.txt; do
  file="$work/$readme"
  [[ $(head -c 3 "$file" | od -An -tx1 | tr -d ' ') == efbbbf ]] ||
    fail "$readme does not start with the UTF-8 byte-order mark"
  iconv -f UTF-8 -t UTF-8 "$file" >/dev/null 2>&1 || fail "$readme is not UTF-8 throughout"
  [[ $(tail -c 1 "$file" | od -An -tx1 | tr -d ' ') == 0a &&
    $(grep -c $'\r$' "$file") == $(wc -l <"$file") ]] ||
    fail "$readme has lines that do not end in CR LF"
  grep -q "ZLTFusen (ZLT付箋紙プラグイン) $version" "$file" ||
    fail "$readme does not name version $version"
  for switch in '/\*' /N /V /S; do
    grep -q "ZLTFusen.exe $switch " "$file" || fail "$readme does not explain $switch"
  done
  grep -q vokrelay.exe "$file" || fail "$readme does not say how the alarm reaches the host"
done
say "both read-mes: byte-order mark, UTF-8, CR LF, version $version, the four switches"
grep -q "MIT License" "$work/LICENSE.txt" || fail "LICENSE.txt is not the project's licence"
say PASS
