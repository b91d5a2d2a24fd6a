# shellcheck shell=bash
# shellcheck disable=SC2034,SC2016 # the scenarios use the names set here; awk programs
# Shared helpers for the integration tests that run the real ZLTFusen.exe under Wine and Xvfb.
#
# A scenario sources this file, calls `setup`, then drives the program with `start_app` (or
# `start_for`, `forward`), observes it with `probe`, and checks with the assert_* helpers, each
# of which prints a "check:" line. Each scenario gets its own copy of the base prefix (so its
# own wineserver), its own Xvfb display and its own application folder, so scenarios are
# independent of each other and of their order; within one, program runs follow each other.
#
# Environment given by CTest (tests/wine/CMakeLists.txt):
#   ZLT_EXE          ZLTFusen.exe of the MinGW build
#   ZLT_PROBE        zltprobe.exe of the MinGW build
#   ZLT_PREFIX_BASE  ready-made Wine prefix (made by make_prefix.sh), copied per test
# Optional: KEEP=1 keeps the test's temporary folder; ZLT_TIMEOUT caps each program start (s).

set -euo pipefail

ZLT_TEST_NAME=${ZLT_TEST_NAME:-$(basename "${BASH_SOURCE[-1]}" .sh)}
ZLT_WINE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ZLT_TIMEOUT=${ZLT_TIMEOUT:-60}
ZLT_APP_LANG=${ZLT_APP_LANG:-ja_JP.UTF-8}
# The texts the program shows; they identify its windows.
ZLT_CONTROLLER_CAPTION="ZLT付箋紙プラグイン"
ZLT_NOTE_CAPTION_PREFIX="ＺＬＴ付箋紙プラグインNo."
ZLT_TMP="" ZLT_XVFB_PID="" ZLT_XVFB_DISPLAY="" ZLT_XEPHYR_PID="" LAST_PID=""
ZLT_APP_PIDS=() ZLT_LOCKED_DIRS=()

say() { printf '[%s] %s\n' "$ZLT_TEST_NAME" "$*"; }
check() { say "check: $*"; }
# Exit code 77 tells CTest the test was skipped (SKIP_RETURN_CODE), not passed.
skip() { say "SKIPPED: $*" && exit 77; }

fail() {
  printf '[%s] FAIL: %s\n' "$ZLT_TEST_NAME" "$*" >&2
  zlt_dump_state >&2 || true
  exit 1
}

# What the screen held when a check failed: the windows, what the program and the probe said
# last (a probe that could not look tells apart from a window not there), and a screenshot
# kept beside the log.
zlt_dump_state() {
  [[ -n $ZLT_TMP && -n ${DISPLAY:-} && -f ${ZLT_PROBE:-} ]] || return 0
  echo "--- windows at failure (hwnd pid visible class caption l t r b cw ch top layered alpha rgn ex)"
  probe list 2>/dev/null | awk -F '\t' '$3 == 1 || $5 ~ /ZLT|ＺＬＴ/' || true
  tail -n 40 "$ZLT_TMP/app.log" "$ZLT_TMP/probe.log" 2>/dev/null
  local shot="${ZLT_ARTIFACT_DIR:-$ZLT_TMP}/${ZLT_TEST_NAME}-failure.png"
  screenshot "$shot" 2>/dev/null && echo "--- screenshot: $shot"
}

need_tools() {
  local t
  for t in "$@"; do command -v "$t" >/dev/null 2>&1 || skip "$t is not installed (scripts/deps.sh installs it)"; done
}

# Polls for up to <seconds> until the command succeeds; 0 when it did.
wait_for() {
  local i
  for ((i = 0; i < $1 * 10; i++)); do "${@:2}" && return 0; sleep 0.1; done
  return 1
}

# Starts an X server (Xvfb, or Xephyr nested in the Xvfb) with these arguments on a free display
# and makes it the display of everything started afterwards; X_PID is the server's process.
start_x() {
  local fdfile="$ZLT_TMP/display.$1"
  : >"$fdfile"
  "$@" -displayfd 3 -nolisten tcp -noreset 3>"$fdfile" >/dev/null 2>&1 &
  X_PID=$!
  wait_for 10 test -s "$fdfile" || fail "$1 did not start"
  DISPLAY=":$(tr -d '[:space:]' <"$fdfile")"
  export DISPLAY
}

# A private Xvfb on a free display.
start_xvfb() {
  start_x Xvfb -screen 0 1920x1080x24
  ZLT_XVFB_PID=$X_PID ZLT_XVFB_DISPLAY=$DISPLAY
}

# Xephyr nested in the test's Xvfb, in place of a Xephyr started before.
start_xephyr() {
  [[ -z $ZLT_XEPHYR_PID ]] || { kill "$ZLT_XEPHYR_PID" && wait "$ZLT_XEPHYR_PID"; } 2>/dev/null || true
  DISPLAY=$ZLT_XVFB_DISPLAY
  start_x Xephyr "$@"
  ZLT_XEPHYR_PID=$X_PID
}

# A fresh temporary folder made from this mktemp template, removed at exit, and Wine's settings.
make_tmp() {
  ZLT_TMP=$(mktemp -d "$1")
  trap teardown EXIT
  trap 'exit 130' INT TERM
  export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
}

# Everything a test of the program needs: a private copy of the base prefix in a fresh temporary
# folder (cleaned up on exit), a display, and the program in its own folder.
setup() {
  need_tools wine wineserver Xvfb import
  local exe
  for exe in "${ZLT_EXE:-ZLTFusen.exe}" "${ZLT_PROBE:-zltprobe.exe}" "$@"; do
    [[ -f $exe ]] || fail "$exe not found; build it: cmake --preset mingw && cmake --build build/mingw -j2"
  done
  [[ -n ${ZLT_PREFIX_BASE:-} && -f $ZLT_PREFIX_BASE/.zlt-ready ]] ||
    fail "no base Wine prefix at ${ZLT_PREFIX_BASE:-unset} (the wine_prefix fixture makes it)"
  make_tmp "${TMPDIR:-/tmp}/zlt-${ZLT_TEST_NAME}.XXXXXX"
  cp -a "$ZLT_PREFIX_BASE" "$ZLT_TMP/prefix"
  export WINEPREFIX="$ZLT_TMP/prefix"
  start_xvfb
  WIN_USER=$(cat "$ZLT_PREFIX_BASE/.zlt-username")
  [[ -n $WIN_USER ]] || fail "the base prefix does not know the Windows user name"
  app_folder ZLTFusen
  say "prefix $WINEPREFIX, display $DISPLAY, data folder $DATA_DIR"
}

# Puts the program into the folder C:\<name> of the prefix, where start_app runs it from. The
# program makes its data folder (DATA_DIR) beside the executable, named after the Windows user.
app_folder() {
  APP_DIR="$WINEPREFIX/drive_c/$1" APP_WIN_DIR="C:\\$1" DATA_DIR="$WINEPREFIX/drive_c/$1/$WIN_USER"
  mkdir -p "$APP_DIR" && cp "$ZLT_EXE" "$APP_DIR/ZLTFusen.exe"
}

# Ends every Windows process of the test at once (the next start brings the wineserver up again,
# cold) and waits for the programs started so far.
stop_wine() {
  timeout 10 wineserver -k >/dev/null 2>&1
  local pid
  for pid in "${ZLT_APP_PIDS[@]}"; do wait_gone "$pid" 10 || true; done
}

teardown() {
  local rc=$? pid dir
  set +e
  [[ -n ${WINEPREFIX:-} ]] && timeout 10 wineserver -k >/dev/null 2>&1
  for pid in "${ZLT_APP_PIDS[@]}" $ZLT_XEPHYR_PID $ZLT_XVFB_PID; do kill "$pid" 2>/dev/null; done
  [[ -n $ZLT_XVFB_PID ]] && wait "$ZLT_XVFB_PID" 2>/dev/null
  for dir in "${ZLT_LOCKED_DIRS[@]}"; do unlock_dir "$dir" 2>/dev/null; done
  if [[ ${KEEP:-0} == 1 ]]; then say "kept $ZLT_TMP"; elif [[ -n $ZLT_TMP ]]; then rm -rf "$ZLT_TMP"; fi
  ((rc != 0)) || say "PASS"
  exit "$rc"
}

# Runs a Windows command from the application folder in the background, under the program's
# locale and a time limit. LAST_PID is the process to wait for; it lives as long as the Windows
# process does.
run_in_app_folder() {
  (cd "$APP_DIR" && LANG=$ZLT_APP_LANG LC_ALL=$ZLT_APP_LANG exec timeout "$ZLT_TIMEOUT" wine "$@") \
    >>"$ZLT_TMP/app.log" 2>&1 &
  LAST_PID=$!
  ZLT_APP_PIDS+=("$LAST_PID")
}

# Runs the program with the given arguments. Wine quotes arguments that hold blanks or quotes;
# use start_app_raw for an exact command line.
start_app() {
  say "start: ZLTFusen.exe $*"
  run_in_app_folder "$APP_WIN_DIR\\ZLTFusen.exe" "$@"
}

# Runs the program with exactly this text after its name on the command line, as a host that
# calls CreateProcess does. cmd runs the line from a batch file (outside the application
# folder, which must hold only the program's own) and waits for the program.
start_app_raw() {
  say "start (raw command line): ZLTFusen.exe$1"
  local bat="start$((${#ZLT_APP_PIDS[@]} + 1)).bat"
  printf '@%s\\ZLTFusen.exe%s\r\n' "$APP_WIN_DIR" "$1" >"$WINEPREFIX/drive_c/$bat"
  run_in_app_folder cmd /c "C:\\$bat"
}

# Runs the probe in the test's prefix; prints its UTF-8 output, returns its exit code.
# Always under the Japanese locale: Wine garbles Japanese arguments under LANG=C. 0, 1 and 2
# are the probe's own answers; anything else means it did not get to answer (Wine could not
# start it, or it was killed): ask once more.
probe() {
  local rc=0 try
  for try in 1 2; do
    rc=0
    LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 timeout 60 wine "$ZLT_PROBE" "$@" 2>>"$ZLT_TMP/probe.log" || rc=$?
    ((rc <= 2)) && break
    echo "probe $* ended with $rc; asking again" >>"$ZLT_TMP/probe.log"
  done
  return "$rc"
}

is_running() { kill -0 "$1" 2>/dev/null; }
is_gone() { ! is_running "$1"; }
# Waits up to <seconds> for the background process <pid> to end; 0 if it ended.
wait_gone() { wait_for "$2" is_gone "$1"; }
# Collects the exit status of an ended background process into REAPED_RC. Not in $(...):
# only this shell can wait for its children.
reap() { REAPED_RC=0 && wait "$1" 2>/dev/null || REAPED_RC=$?; }
# Reaps the ended <pid>, which the time limit must not have stopped: reaped <pid> <what>
reaped() { reap "$1"; ((REAPED_RC != 124)) || fail "$2 was stopped by the time limit"; }
screenshot() { import -window root "$1"; }
# Field <n> (1-based, see the probe's list format) of a window line.
field() { printf '%s\n' "$1" | cut -f "$2"; }

# Count of top-level windows with this caption; visible ones only when a second argument says so.
count_windows() {
  probe list | awk -F '\t' -v c="$1" -v v="${2:-}" '$5 == c && (v == "" || $3 == 1) { n++ } END { print n + 0 }'
}
visible_windows() { probe list | awk -F '\t' '$3 == 1'; }
visible_notes() {
  probe list | awk -F '\t' -v p="$ZLT_NOTE_CAPTION_PREFIX" '$3 == 1 && index($5, p) == 1 { n++ } END { print n + 0 }'
}

# ---- assertions: each prints what it checks and fails with what it found ----

assert_eq() {
  check "$3"
  [[ $2 == "$1" ]] || fail "$3: expected '$1', got '$2'"
}

# The command prints exactly <expected>; PRINTED keeps what it printed.
prints() { PRINTED=$("${@:2}") && [[ $PRINTED == "$1" ]]; }
# Waits up to <seconds> for the command to print <expected>; fails with what it printed last:
#   assert_soon <seconds> <expected> <what> <command...>
assert_soon() {
  wait_for "$1" prints "$2" "${@:4}" || true
  assert_eq "$2" "$PRINTED" "$3"
}

assert_running() {
  check "$2 is still running"
  is_running "$1" || { reap "$1" && fail "$2 ended (exit status $REAPED_RC)"; }
}

assert_ends_within() { # <pid> <seconds> <what>
  check "$3 ends within ${2}s"
  wait_gone "$1" "$2" || fail "$3 still runs after ${2}s"
  reaped "$1" "$3"
}

# Waits up to <ms> for a window (a visible one with --visible); prints its line on stdout for
# the caller: assert_window [--visible] <caption> <ms>
assert_window() {
  check "a window captioned '${*: -2:1}' appears (probe wait $*)" >&2
  probe wait "$@" || fail "no window captioned '${*: -2:1}' within ${*: -1} ms (probe wait $*)"
}

# Nothing becomes visible for <seconds> (0: nothing is visible now), or, given a process, until
# it has ended, which it does within <seconds> and not by the time limit:
#   assert_unseen <seconds> <what> [<pid>]
assert_unseen() {
  local secs=$1 what=$2 pid=${3:-} i v
  check "$what: no window is visible for ${secs}s${pid:+, nor before it ends within that time}"
  for ((i = 0; i <= secs * 4; i++)); do
    v=$(visible_windows)
    [[ -z $v ]] || fail "$what: a window became visible: $v"
    [[ -n $pid ]] && is_gone "$pid" && break
    ((i == secs * 4)) || sleep 0.25
  done
  [[ -z $pid ]] && return
  is_gone "$pid" || fail "$what still runs after ${secs}s"
  reaped "$pid" "$what"
}

# The folder and the folders in it hold exactly these paths (sorted, blank-separated, below the
# folder), nothing else.
assert_dir_holds() {
  local got
  check "$1 holds exactly: ${2:-nothing}"
  [[ -d $1 ]] || fail "folder $1 does not exist; $(dirname "$1") holds: $(ls -A "$(dirname "$1")")"
  got=$(cd "$1" && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort | xargs)
  [[ $got == "$2" ]] || fail "$1 holds '$got', expected '$2'"
}

# ---- driving the program: real input, dialogs, files ----

# Real X input, as a user gives it. Button: left (default), right.
xclick() { xdotool mousemove "$1" "$2" click "$([[ ${3:-} == right ]] && echo 3 || echo 1)"; }

# Answers the next message box (yes|no) within <ms>; prints its title and text.
answer_msgbox() { probe msgbox "$1" "$2" || fail "no message box appeared within $2 ms"; }

# Sets a value in the prefix's registry: reg_set <key> <name> <data> [<type>]
reg_set() { timeout 60 wine reg add "$1" /v "$2" ${4:+/t "$4"} /d "$3" /f >/dev/null 2>&1 || fail "could not set $2 in $1"; }

# Writes UTF-8 text (from stdin) to <file> as the program's files are: code page 932, CR LF.
write_cp932() { sed 's/\r*$/\r/' | iconv -f UTF-8 -t CP932 >"$1" || fail "cannot write $1 in code page 932"; }
# Waits up to <seconds> for a file to exist.
wait_file() { wait_for "$2" test -e "$1"; }

# Waits up to <seconds> for a file a save writes, and a moment more for it to be complete.
assert_saved() { # <file> <seconds> <what>
  check "$3: $(basename "$1") is written"
  wait_file "$1" "$2" || fail "$3: no $1"
  sleep 0.3
}

# The file holds exactly the bytes of the expected file; shows both as text when not.
assert_same_bytes() { # <file> <expected file> <what>
  check "$3"
  [[ -f $1 ]] || fail "$3: $1 does not exist"
  cmp -s "$1" "$2" && return 0
  fail "$3: bytes differ
--- expected bytes
$(od -An -tx1 "$2" | head -n 20)
--- found bytes
$(od -An -tx1 "$1" | head -n 20)
--- found as text (code page 932)
$(iconv -f CP932 -t UTF-8 <"$1" 2>&1 | tr -d '\r')"
}

# Makes <dir> refuse new files and renames, also for root (who ignores permissions: the
# immutable attribute stops root too). Undone at teardown.
lock_dir() {
  chmod a-w "$1"
  ZLT_LOCKED_DIRS+=("$1")
  [[ $(id -u) != 0 ]] || chattr +i "$1" 2>/dev/null || skip "cannot make $1 unwritable for root (no chattr +i here)"
}
unlock_dir() { chattr -i "$1" 2>/dev/null || true; chmod u+w "$1"; }

# ---- notes: windows, their controls, the popup menu, note files ----

# Caption of the note window numbered <n>.
note_caption() { printf '%s%s\n' "$ZLT_NOTE_CAPTION_PREFIX" "$1"; }
# The rectangle of the window with this caption as "left,top-right,bottom".
rect_of() { probe find "$1" | awk -F '\t' 'NR == 1 { print $6 "," $7 "-" $8 "," $9 }'; }
# Waits up to 5 s for the window to stand at "left,top-right,bottom"; 0 when it does.
wait_rect() { wait_for 5 prints "$2" rect_of "$1"; }

# The window with this caption stands at exactly "left,top-right,bottom" (waits up to 5 s for it:
# a window may still be settling after a command).
assert_rect() { assert_soon 5 "$2" "$3 at $2" rect_of "$1"; } # <caption> <rect> <what>

# The child control of a window that an awk program picks from the probe's lines of its
# children (2 class, 3 text, 4-7 rectangle in the client area, 8 visible); prints its line:
#   child_where <caption> <awk program> <what it is> [awk -v options]
child_where() {
  local line
  line=$(probe children "$1" | awk -F '\t' "${@:4}" "$2")
  [[ -n $line ]] || fail "'$1' has no $3"
  printf '%s\n' "$line"
}
# The control whose text is exactly <text>.
child_line() { child_where "$1" '$3 == t { print; exit }' "control with the text '$2'" -v t="$2"; }
# The title box of a note: the edit control nearest the top.
title_box_line() {
  child_where "$1" 'tolower($2) == "edit" && (l == "" || $5 < top) { top = $5; l = $0 } END { print l }' "title box"
}

# Screen point "x y" at the middle of a child line: the client area's corner lies one border in
# from the left and bottom edges (no border at all on a note).
child_centre() {
  local top border x y
  top=$(probe find "$1" | head -n 1) || fail "no window captioned '$1'"
  border=$((($(field "$top" 8) - $(field "$top" 6) - $(field "$top" 10)) / 2))
  x=$(($(field "$top" 6) + border)) y=$(($(field "$top" 9) - border - $(field "$top" 11)))
  printf '%s %s\n' $((x + ($(field "$2" 4) + $(field "$2" 6)) / 2)) $((y + ($(field "$2" 5) + $(field "$2" 7)) / 2))
}

# Clicks the control of a window that shows this text (a button, a check box, an address).
click_control() {
  say "click '$2'" >&2
  # shellcheck disable=SC2046
  xclick $(child_centre "$1" "$(child_line "$1" "$2")")
}

# Types Unicode text into the focused control; Enter in the text is given as a real Enter key.
type_text() {
  local line first=1
  while IFS= read -r line || [[ -n $line ]]; do
    ((first)) || probe key enter >/dev/null || fail "could not press Enter"
    first=0
    [[ -z $line ]] || probe type "$line" >/dev/null || fail "could not type '$line'"
  done <<<"$1"
}

# The popup menu's items in order, "-" for a separator.
ZLT_MENU_ITEMS=(新規メモ 隠れている付箋紙を表示 - この位置を基準に整列 画面右上に整列
  画面右中央に整列 画面右下に整列 画面左上に整列 画面左中央に整列 画面左下に整列 -
  このメモを常に手前表示 このメモを半透明にする 画面端に吸着させる - 全てのメモを常に手前表示
  全てのメモを常に手前表示解除 全てのメモを半透明表示 全てのメモを半透明表示解除 - Information -
  このメモを消す 全てのメモを消す - このメモを隠す（アラーム有効） 全てのメモを隠す（アラーム有効） -
  このメモを隠す（アラーム無効） 全てのメモを隠す（アラーム無効）)

# Right-presses the tab of a collapsed note (its label at the left end) and waits for the popup
# menu; prints the menu's first probe line.
open_note_menu() {
  local line x y
  line=$(probe wait "$1" 5000) || fail "no window captioned '$1'"
  x=$(($(field "$line" 6) + 8)) y=$(($(field "$line" 7) + 16))
  say "right press on the tab of '$1' at $x,$y" >&2
  xclick "$x" "$y" right
  # Wine has been seen to hand the press over more than 5 s late, right after a message box
  # closed (the menu then opened): wait for the menu, not for a fast machine.
  line=$(probe menu 10000) || fail "no popup menu after a right press on '$1'"
  head -n 1 <<<"$line"
}

# Chooses an item of the open popup menu with the keyboard, as a user does: one Down key per
# item up to it (separators are skipped), then Return.
choose_menu_item() {
  local item keys=()
  for item in "${ZLT_MENU_ITEMS[@]}"; do
    [[ $item == - ]] || keys+=(Down)
    [[ $item == "$1" ]] && break
  done
  [[ $item == "$1" ]] || fail "no menu item '$1'"
  say "menu: choose '$1' (Down x${#keys[@]}, Return)"
  xdotool key --delay 40 "${keys[@]}" Return
}

# Chooses an item of a note's popup menu.
note_menu() { open_note_menu "$1" >/dev/null && choose_menu_item "$2"; }

menu_closed() { [[ -z $(visible_windows | awk -F '\t' '$4 == "#32768"') ]]; }
# Dismisses the open popup menu with Escape; fails when it stays open.
dismiss_menu() {
  xdotool key Escape
  wait_for 3 menu_closed || fail "the popup menu is still open after Escape"
}

# What the title box of a note holds, as the probe prints a control's text (line breaks as \r\n).
title_of() { field "$(title_box_line "$1")" 3; }

# Fills a new note, which has its details view open and the caret in its title: types the
# title, then clicks into the details box (the tallest edit control shown) and types the details
# (lines separated by newlines).
fill_new_note() {
  type_text "$2"
  # shellcheck disable=SC2046
  xclick $(child_centre "$1" "$(child_where "$1" 'tolower($2) == "edit" && $8 == 1 {
    h = $7 - $5; if (h > best) { best = h; l = $0 } } END { print l }' "details box")")
  sleep 0.2
  type_text "$3"
  sleep 0.2
}

# Types the title and details of a new note (details open, caret in the title), presses 保存
# and waits for the note's file: save_new_note <caption> <file> <title> <details>
save_new_note() {
  fill_new_note "$1" "$3" "$4"
  click_control "$1" 保存
  assert_saved "$2" 10 "保存 on '$1'"
}

# What the note's window shows: "<visible> <topmost> <layered> <alpha>", then whether it is a
# tool window (WS_EX_TOOLWINDOW, 0x80).
note_look() {
  local line ex
  line=$(probe find "$1" | head -n 1)
  ex=$(field "$line" 16)
  printf '%s %d\n' "$(cut -f 3,12-14 <<<"$line" | tr '\t' ' ')" $(((${ex:-0} & 0x80) != 0))
}
# The note shows as expected (waits up to 5 s: a menu command runs after the menu closes), at
# "left,top-right,bottom" when given, and stays a tool window (WS_EX_TOOLWINDOW, 0x80):
#   assert_note <caption> "<visible> <topmost> <layered> <alpha>" [<rect>]
assert_note() {
  [[ -z ${3:-} ]] || assert_rect "$1" "$3" "'$1'"
  assert_soon 5 "$2 1" "'$1': visible, topmost, layered, alpha, still a tool window (1)" note_look "$1"
}
# The titles of these notes, separated by "|".
titles_of() {
  local caption
  for caption; do title_of "$caption"; done | paste -sd '|'
}

# Writes a note file with no alarm as the program writes it:
#   note_file <file> <Left> <Top> <Temae> <Toumei> <title> [details lines...]
note_file() {
  local file=$1 left=$2 top=$3 temae=$4 toumei=$5 title=$6
  shift 6
  {
    printf '%s\n' "[ZLT付箋紙プラグイン]" Alarm=0 AlarmMusic=0 Date=0000/00/00 Time0=00 Time1=00 \
      "Left=$left" "Top=$top" "Temae=$temae" "Toumei=$toumei" "Title=$title" "txtData=${1-}"
    [[ $# -le 1 ]] || printf '%s\n' "${@:2}"
  } | write_cp932 "$file"
}


# The note file holds exactly what the program writes for these values (see note_file), within
# 3 s: assert_note_file <file> <what> <Left> <Top> <Temae> <Toumei> <title> [details lines...]
assert_note_file() {
  note_file "$ZLT_TMP/expected.txt" "${@:3}"
  wait_for 3 cmp -s "$1" "$ZLT_TMP/expected.txt" || true
  assert_same_bytes "$1" "$ZLT_TMP/expected.txt" "$2"
}

# Starts the program with start_app's arguments after the caption of the window to wait for;
# APP is the program's process.
start_for() {
  start_app "${@:2}"
  APP=$LAST_PID
  assert_window --visible "$1" 15000 >/dev/null
}

# A second start, which hands its switch to the running program and ends; then, unless the
# caption is empty, the window it asked for shows: forward <caption> [<arguments>...]
forward() {
  start_app "${@:2}"
  assert_ends_within "$LAST_PID" 10 "the second start with '${*:2}'"
  [[ -z $1 ]] || assert_window --visible "$1" 10000 >/dev/null
}

# The way out that saves every note and ends the program, taken from this note's menu.
hide_all_and_end() {
  note_menu "$1" "全てのメモを隠す（アラーム無効）"
  assert_ends_within "$APP" 10 "the program after 全てのメモを隠す（アラーム無効）"
}

# Drawn text, not empty boxes, in the screen area "WxH+X+Y" of a screenshot: the dark pixels'
# rows differ as glyphs do (see glyph_rows.py). Saves the area beside the log when not.
assert_glyphs() { # <screenshot> <area> <what>
  local rows
  check "$3 shows drawn glyphs, not empty boxes"
  rows=$(convert "$1" -crop "$2" +repage -colorspace gray -depth 8 -compress none pgm:- |
    python3 "$ZLT_WINE_DIR/glyph_rows.py") || fail "$3: cannot read $1"
  ((rows >= 4)) && return
  convert "$1" -crop "$2" +repage "${ZLT_ARTIFACT_DIR:-$ZLT_TMP}/${ZLT_TEST_NAME}-glyphs.png" 2>/dev/null
  fail "$3: only $rows different rows of dark pixels in $2 (empty boxes?)"
}
