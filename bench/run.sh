#!/usr/bin/env bash
# Builds what the benchmarks need, runs every one and prints a summary table.
# Figures only: nothing here passes or fails on time.
#
#   bench/run.sh [--notes N] [--runs N] [--no-wine]
#
# Native benchmarks run on the sim backend (build/bench-linux); the Windows ones
# are cross-built (build/bench-mingw) and run under Wine and a private Xvfb in a
# copy of a cached prefix (made once, about 15 s). Override the folders with
# ZLT_BENCH_LINUX_DIR and ZLT_BENCH_MINGW_DIR. Full outputs stay in the folder
# printed at the end.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
linux_dir=${ZLT_BENCH_LINUX_DIR:-$root/build/bench-linux}
mingw_dir=${ZLT_BENCH_MINGW_DIR:-$root/build/bench-mingw}
notes=1000
runs=10
wine=1
while (($#)); do
  case $1 in
    --notes) notes=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --no-wine) wine=0; shift ;;
    *) echo "usage: bench/run.sh [--notes N] [--runs N] [--no-wine]" >&2; exit 2 ;;
  esac
done

out=$(mktemp -d "${TMPDIR:-/tmp}/zlt-bench.XXXXXX")
say() { printf '[bench] %s\n' "$*"; }

# Runs one benchmark with a time limit, keeping its output for the summary.
run() {
  local name=$1
  shift
  say "running $name"
  if ! timeout 300 "$@" >"$out/$name.txt" 2>"$out/$name.err"; then
    say "$name did not finish cleanly (see $out/$name.err)"
  fi
  cat "$out/$name.txt"
}

# ---- native, sim backend ----
if [[ ! -f $linux_dir/CMakeCache.txt ]]; then
  cmake -S "$root" -B "$linux_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$out/configure-linux.log"
fi
say "building the native benchmarks in $linux_dir"
cmake --build "$linux_dir" -j2 --target startup_sim_bench idle_sim_bench arrange_sim_bench >"$out/build-linux.log"
run startup_sim "$linux_dir/bench/startup_sim_bench" "$notes" 5
run idle_sim "$linux_dir/bench/idle_sim_bench" "$notes"
run arrange_sim "$linux_dir/bench/arrange_sim_bench" "$notes" 3

# ---- Windows, under Wine ----
xvfb_pid=""
cleanup() {
  set +e
  if [[ -n ${WINEPREFIX:-} ]]; then timeout 10 wineserver -k >/dev/null 2>&1; fi
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  [[ -n ${wine_tmp:-} ]] && rm -rf "$wine_tmp"
}
trap cleanup EXIT

if ((wine)) && ! command -v wine >/dev/null 2>&1; then
  say "wine is not installed: skipping the Windows benchmarks"
  wine=0
fi
if ((wine)); then
  if [[ ! -f $mingw_dir/CMakeCache.txt ]]; then
    cmake -S "$root" -B "$mingw_dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >"$out/configure-mingw.log"
  fi
  say "building ZLTFusen.exe and the Windows benchmarks in $mingw_dir"
  cmake --build "$mingw_dir" -j2 --target ZLTFusen nothing one_window spawn_bench \
    note_file_bench startup_win_bench bare_notes_bench arrange_win_bench alarm_win_bench >"$out/build-mingw.log"
  win="$mingw_dir/bench/windows"

  prefix_base="$linux_dir/wineprefix-base"
  bash "$root/tests/wine/make_prefix.sh" "$prefix_base" >"$out/prefix.log" 2>&1 ||
    { cat "$out/prefix.log"; exit 1; }
  wine_tmp=$(mktemp -d "${TMPDIR:-/tmp}/zlt-bench-wine.XXXXXX")
  cp -a "$prefix_base" "$wine_tmp/prefix"
  export WINEPREFIX="$wine_tmp/prefix" WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8

  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$wine_tmp/display" \
    >/dev/null 2>&1 &
  xvfb_pid=$!
  for ((i = 0; i < 100; i++)); do
    [[ -s $wine_tmp/display ]] && break
    sleep 0.1
  done
  [[ -s $wine_tmp/display ]] || { say "Xvfb did not start"; exit 1; }
  DISPLAY=":$(tr -d "[:space:]" <"$wine_tmp/display")"
  export DISPLAY

  # The program and the yardsticks in a folder of their own; the program's data
  # folder appears beside it, empty.
  app="$WINEPREFIX/drive_c/zlt-bench"
  mkdir -p "$app"
  cp "$mingw_dir/src/platform/win32/ZLTFusen.exe" "$win/nothing.exe" "$win/one_window.exe" "$app/"

  run note_file wine "$win/note_file_bench.exe" 100 10
  run forwarding wine "$win/spawn_bench.exe" --runs "$runs" \
    --first 'C:\zlt-bench\ZLTFusen.exe /V' --wait-window "ZLT付箋紙プラグイン" \
    'forward=C:\zlt-bench\ZLTFusen.exe /V' 'one_window=C:\zlt-bench\one_window.exe' \
    'nothing=C:\zlt-bench\nothing.exe'
  # A fresh server: nothing of the first instance may linger.
  timeout 10 wineserver -k >/dev/null 2>&1 || true
  # The start-up and its yardstick (the same windows made with no program
  # logic) in turn, three rounds, each on a fresh server: a load that comes and
  # goes hits both alike.
  for round in 1 2 3; do
    run "bare_notes_$round" wine "$win/bare_notes_bench.exe" "$notes"
    timeout 10 wineserver -k >/dev/null 2>&1 || true
    run "startup_win_$round" wine "$win/startup_win_bench.exe" "$notes"
    timeout 10 wineserver -k >/dev/null 2>&1 || true
  done
  cp "$out/startup_win_3.txt" "$out/startup_win.txt"
  # The same two with 200 notes under the server log: how many requests the
  # window system's server gets per note while the windows are made and while
  # the messages they left are handled. Unlike the times, these counts do not
  # swing with the machine's load.
  for name in bare_notes startup_win; do
    say "counting the server requests of $name"
    WINEDEBUG=+server timeout 300 wine "$win/${name}_bench.exe" 200 >/dev/null 2>"$out/$name.server" || true
    timeout 10 wineserver -k >/dev/null 2>&1 || true
    awk -v n=200 '
      /zlt-bench-begin/ && !t { t = substr($0, 1, index($0, ":")); part = 1; next }
      !t || index($0, t) != 1 || /\) = / { next }
      /zlt-bench-end/ { part = 2; next }
      /zlt-bench-settled/ { exit }
      { count[part]++ }
      END {
        printf "server requests per note while made     %.1f\n", count[1] / n
        printf "server requests per note while pending  %.1f\n", count[2] / n
      }' "$out/$name.server" >"$out/${name}_server.txt"
    rm -f "$out/$name.server"
    cat "$out/${name}_server.txt"
  done
  run arrange_win wine "$win/arrange_win_bench.exe" "$notes" 3
  timeout 10 wineserver -k >/dev/null 2>&1 || true
  run alarm_win wine "$win/alarm_win_bench.exe" "$notes" 60
fi

# ---- summary ----
# The <nth> number (default 1st) after the first occurrence of <text> in a
# benchmark's output; "n/a" when the figure says the system does not report it.
pick() {
  local file="$out/$1.txt" text=$2 nth=${3:-1}
  [[ -f $file ]] || { echo "-"; return; }
  awk -v p="$text" -v nth="$nth" '
    index($0, p) {
      s = substr($0, index($0, p) + length(p))
      if (s ~ /^ *n\/a/) { print "n/a"; exit }
      for (i = 1; i <= nth; i++) {
        if (!match(s, /-?[0-9]+(\.[0-9]+)?/)) exit
        value = substr(s, RSTART, RLENGTH)
        s = substr(s, RSTART + RLENGTH)
      }
      print value
      exit
    }' "$file"
}
# The same, inside the part of the output that starts at the line holding <section>.
pick_in() {
  local file="$out/$1.txt" section=$2
  [[ -f $file ]] || { echo "-"; return; }
  local name="$1.section"
  awk -v p="$section" 'index($0, p) { f = 1 } f' "$file" >"$out/$name.txt"
  pick "$name" "$3" "${4:-1}"
}
# The median of one figure over the rounds named <name>_1 to <name>_3.
median_of() {
  local name=$1 text=$2
  for round in 1 2 3; do pick "${name}_$round" "$text"; done | grep -E '^[0-9.]+$' | sort -g |
    awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'
}
row() { printf '| %-60s | %14s |\n' "$1" "${2:--}"; }

echo
echo "Summary ($notes notes; full outputs in $out)"
row "figure" "value"
printf '|%s|%s|\n' "$(printf -- '-%.0s' {1..62})" "$(printf -- '-%.0s' {1..16})"
row "sim: start-up \"/*\", ms" "$(pick startup_sim 'until every note is loaded')"
row "sim: bare read of the same files (ReadAll), ms" "$(pick startup_sim 'PosixFileSystem::ReadAll')"
row "sim: ratio start-up / bare read" "$(pick startup_sim 'ratio start-up / bare ReadAll')"
row "sim: folder steps of start-up on their own, ms" "$(pick startup_sim 'folder steps of start-up')"
row "sim: start-up less folder steps less bare read, ms" "$(pick startup_sim 'less folder steps less bare read')"
row "sim: controls per collapsed note" "$(pick startup_sim 'controls per collapsed note')"
row "sim: controls of a note with details open" "$(pick startup_sim 'with details open')"
row "sim: peak RSS per note, kB" "$(pick startup_sim 'peak RSS delta per note (VmHWM)')"
row "sim idle: timer events/min, no alarm set" "$(pick_in idle_sim 'no alarm set' 'timer events per minute')"
row "sim idle: timer events/min, every alarm long past" "$(pick_in idle_sim 'long past' 'timer events per minute')"
row "sim idle: timer events/min, one alarm tomorrow" "$(pick_in idle_sim 'tomorrow' 'timer events per minute')"
row "sim: one atomic write of a note file, us" "$(pick arrange_sim 'one atomic write')"
row "sim: arrange at the top right, all files written, ms" "$(pick arrange_sim 'arrange, top right' 1)"
row "sim: arrange at the top right, per note / one write" "$(pick arrange_sim 'arrange, top right' 3)"
row "sim: translucent, every note, all files written, ms" "$(pick arrange_sim 'translucent, every note')"
row "sim: translucent, every note, per note / one write" "$(pick arrange_sim 'translucent, every note' 3)"
if ((wine)); then
  row "wine: note file reads/s, ours" "$(pick note_file 'reads/s' 1)"
  row "wine: note file reads/s, GetPrivateProfileStringA" "$(pick note_file 'reads/s' 2)"
  row "wine: note file reads, ours/platform" "$(pick note_file 'reads/s' 3)"
  row "wine: note file full writes/s, ours" "$(pick note_file 'full writes/s' 1)"
  row "wine: note file full writes/s, WritePrivateProfileStringA" "$(pick note_file 'full writes/s' 2)"
  row "wine: note file full writes, ours/platform" "$(pick note_file 'full writes/s' 3)"
  row "wine: one atomic write by hand (floor), writes/s" "$(pick note_file 'atomic writes/s' 1)"
  row "wine: note file full write, time ours / floor" "$(pick note_file 'atomic writes/s' 2)"
  row "wine: second start \"/V\" until it ends, median ms" "$(pick forwarding 'forward ' 1)"
  row "wine: one-window program, median ms" "$(pick forwarding 'one_window ' 1)"
  row "wine: do-nothing program, median ms" "$(pick forwarding 'nothing ' 1)"
  row "wine: ratio second start / do-nothing" "$(pick forwarding 'forward ' 6)"
  row "wine: start-up \"/*\" until every window exists, ms" "$(pick startup_win 'until every note window exists')"
  startup_ms=$(median_of startup_win 'until every note window exists')
  bare_ms=$(median_of bare_notes 'until every window exists')
  row "wine: start-up \"/*\", median of 3 rounds, ms" "$startup_ms"
  row "wine: bare note windows (yardstick), median of 3 rounds, ms" "$bare_ms"
  row "wine: ratio start-up / bare note windows" \
    "$(awk -v a="$startup_ms" -v b="$bare_ms" 'BEGIN { if (b > 0) printf "%.2f", a / b }')"
  row "wine: CPU time of the start-up process until every window exists, ms" \
    "$(median_of startup_win 'CPU time of this process')"
  row "wine: CPU time of the yardstick process, ms" "$(median_of bare_notes 'CPU time of this process')"
  row "wine: server requests per note while made, start-up" "$(pick startup_win_server 'while made')"
  row "wine: server requests per note while made, yardstick" "$(pick bare_notes_server 'while made')"
  row "wine: server requests per note, pending messages, start-up" \
    "$(pick startup_win_server 'while pending')"
  row "wine: server requests per note, pending messages, yardstick" \
    "$(pick bare_notes_server 'while pending')"
  row "wine: first note visible after start-up began, ms" \
    "$(median_of startup_win 'first note visible after')"
  row "wine: bare read (CreateFileW/ReadFile), ms" "$(pick startup_win 'CreateFileW/ReadFile (median of 5)')"
  row "wine: ratio start-up / bare read" "$(pick startup_win 'ratio start-up / bare read')"
  row "wine: windows per collapsed note" "$(pick_in startup_win 'per collapsed note' 'windows, children included')"
  row "wine: working set per collapsed note, kB" "$(pick_in startup_win 'per collapsed note' 'working set, kB')"
  row "wine: windows added by opening one note" "$(pick_in startup_win 'opening the details' 'windows, children included')"
  row "wine: USER objects per collapsed note (GetGuiResources)" "$(pick_in startup_win 'per collapsed note' 'USER objects (GetGuiResources)')"
  row "wine: GDI objects per collapsed note (GetGuiResources)" "$(pick_in startup_win 'per collapsed note' 'GDI objects (GetGuiResources)')"
  row "wine: one atomic write of a note file, us" "$(pick arrange_win 'one atomic write')"
  row "wine: arrange at the top right, all files written, ms" "$(pick arrange_win 'arrange, top right' 1)"
  row "wine: arrange at the top right, per note / one write" "$(pick arrange_win 'arrange, top right' 3)"
  row "wine: translucent, every note, all files written, ms" "$(pick arrange_win 'translucent, every note')"
  row "wine: translucent, every note, per note / one write" "$(pick arrange_win 'translucent, every note' 3)"
fi
