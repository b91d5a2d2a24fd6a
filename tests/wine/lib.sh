# shellcheck shell=bash
# Shared helpers for the integration tests that run the real ZLTFusen.exe under Wine and Xvfb.
#
# A test script sources this file, calls `setup`, then drives the program with `start_app`,
# observes it with `probe`, and checks with the assert_* helpers. Each test gets its own copy
# of the base prefix (so its own wineserver), its own Xvfb display and its own application
# folder, so tests are independent of each other and of their order.
#
# Environment given by CTest (tests/wine/CMakeLists.txt):
#   ZLT_EXE          ZLTFusen.exe of the MinGW build
#   ZLT_PROBE        zltprobe.exe of the MinGW build
#   ZLT_PREFIX_BASE  ready-made Wine prefix (made by make_prefix.sh), copied per test
# Optional: KEEP=1 keeps the test's temporary folder; ZLT_TIMEOUT caps each program start (s).

set -euo pipefail

ZLT_TEST_NAME=${ZLT_TEST_NAME:-$(basename "${BASH_SOURCE[-1]}" .sh)}
ZLT_WINE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ZLT_SCREEN_W=1920
ZLT_SCREEN_H=1080
ZLT_TIMEOUT=${ZLT_TIMEOUT:-60}
# The texts the program shows; they identify its windows. Used by the test scripts.
# shellcheck disable=SC2034
ZLT_CONTROLLER_CAPTION="ZLT付箋紙プラグイン"
# shellcheck disable=SC2034
ZLT_NOTE_CAPTION_PREFIX="ＺＬＴ付箋紙プラグインNo."

ZLT_TMP=""
ZLT_XVFB_PID=""
ZLT_XVFB_DISPLAY=""
ZLT_XEPHYR_PID=""
ZLT_APP_PIDS=()
ZLT_LOCKED_DIRS=()
ZLT_APP_LANG=${ZLT_APP_LANG:-ja_JP.UTF-8}
LAST_PID=""

say() { printf '[%s] %s\n' "$ZLT_TEST_NAME" "$*"; }

# Exit code 77 tells CTest the test was skipped (SKIP_RETURN_CODE), not passed.
skip() {
  say "SKIPPED: $*"
  exit 77
}

fail() {
  printf '[%s] FAIL: %s\n' "$ZLT_TEST_NAME" "$*" >&2
  zlt_dump_state >&2 || true
  exit 1
}

# What the screen held when a check failed: the windows, and a screenshot kept beside the log.
zlt_dump_state() {
  [[ -n $ZLT_TMP && -n ${DISPLAY:-} && -f ${ZLT_PROBE:-} ]] || return 0
  echo "--- windows at failure (hwnd pid visible class caption l t r b cw ch top layered alpha rgn ex)"
  probe list 2>/dev/null | awk -F '\t' '$3 == 1 || $5 ~ /ZLT|ＺＬＴ/' || true
  if [[ -f $ZLT_TMP/app.log && -s $ZLT_TMP/app.log ]]; then
    echo "--- program output"
    tail -n 40 "$ZLT_TMP/app.log"
  fi
  # What the probe said last: a probe that could not look tells apart from a window not there.
  if [[ -s $ZLT_TMP/probe.log ]]; then
    echo "--- probe output"
    tail -n 20 "$ZLT_TMP/probe.log"
  fi
  local shot="${ZLT_ARTIFACT_DIR:-$ZLT_TMP}/${ZLT_TEST_NAME}-failure.png"
  screenshot "$shot" 2>/dev/null && echo "--- screenshot: $shot"
}

need_tools() {
  local t
  for t in "$@"; do
    command -v "$t" >/dev/null 2>&1 || skip "$t is not installed (scripts/deps.sh installs it)"
  done
}

# Starts a private X server on a free display and exports DISPLAY.
start_xvfb() {
  local fdfile="$1/display"
  : >"$fdfile"
  Xvfb -displayfd 3 -screen 0 "${ZLT_SCREEN_W}x${ZLT_SCREEN_H}x24" -nolisten tcp -noreset \
    3>"$fdfile" >/dev/null 2>&1 &
  ZLT_XVFB_PID=$!
  local i
  for ((i = 0; i < 100; i++)); do
    if [[ -s $fdfile ]]; then
      DISPLAY=":$(tr -d '[:space:]' <"$fdfile")"
      export DISPLAY
      ZLT_XVFB_DISPLAY=$DISPLAY
      return 0
    fi
    kill -0 "$ZLT_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  fail "Xvfb did not start"
}

wine_env() {
  export WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
}

# A private copy of the base prefix in a fresh temporary folder, cleaned up on exit.
setup_prefix() {
  need_tools wine wineserver
  [[ -n ${ZLT_PREFIX_BASE:-} && -f $ZLT_PREFIX_BASE/.zlt-ready ]] ||
    fail "no base Wine prefix at ${ZLT_PREFIX_BASE:-unset} (the wine_prefix fixture makes it)"
  ZLT_TMP=$(mktemp -d "${TMPDIR:-/tmp}/zlt-${ZLT_TEST_NAME}.XXXXXX")
  trap teardown EXIT
  trap 'exit 130' INT TERM
  wine_env
  cp -a "$ZLT_PREFIX_BASE" "$ZLT_TMP/prefix"
  export WINEPREFIX="$ZLT_TMP/prefix"
}

# Everything a test of the program needs: prefix, display, and the program in its own folder.
setup() {
  need_tools wine wineserver Xvfb import
  [[ -n ${ZLT_EXE:-} && -f $ZLT_EXE ]] ||
    fail "ZLTFusen.exe not found (${ZLT_EXE:-unset}); build it: cmake --preset mingw && cmake --build build/mingw -j2"
  [[ -n ${ZLT_PROBE:-} && -f $ZLT_PROBE ]] ||
    fail "zltprobe.exe not found (${ZLT_PROBE:-unset}); build it: cmake --build build/mingw -j2 --target zltprobe"
  setup_prefix
  start_xvfb "$ZLT_TMP"
  WIN_USER=$(cat "$ZLT_PREFIX_BASE/.zlt-username")
  [[ -n $WIN_USER ]] || fail "the base prefix does not know the Windows user name"
  app_folder ZLTFusen
  say "prefix $WINEPREFIX, display $DISPLAY, data folder $DATA_DIR"
}

# Puts the program into the folder C:\<name> of the prefix, where start_app runs it from. The
# program makes its data folder (DATA_DIR) beside the executable, named after the Windows user.
app_folder() {
  APP_DIR="$WINEPREFIX/drive_c/$1" APP_WIN_DIR="C:\\$1" DATA_DIR="$WINEPREFIX/drive_c/$1/$WIN_USER"
  mkdir -p "$APP_DIR"
  cp "$ZLT_EXE" "$APP_DIR/ZLTFusen.exe"
}

# Ends every Windows process of the test at once (the next start brings the wineserver up again,
# cold) and waits for the programs started so far.
stop_wine() {
  timeout 10 wineserver -k >/dev/null 2>&1
  local pid
  for pid in "${ZLT_APP_PIDS[@]}"; do wait_gone "$pid" 10 || true; done
}

teardown() {
  local rc=$?
  set +e
  if [[ -n ${WINEPREFIX:-} ]]; then
    timeout 10 wineserver -k >/dev/null 2>&1
  fi
  local pid
  for pid in "${ZLT_APP_PIDS[@]}"; do
    kill "$pid" 2>/dev/null
  done
  [[ -n $ZLT_XEPHYR_PID ]] && kill "$ZLT_XEPHYR_PID" 2>/dev/null
  if [[ -n $ZLT_XVFB_PID ]]; then
    kill "$ZLT_XVFB_PID" 2>/dev/null
    wait "$ZLT_XVFB_PID" 2>/dev/null
  fi
  local dir
  for dir in "${ZLT_LOCKED_DIRS[@]}"; do
    chattr -i "$dir" 2>/dev/null
    chmod u+w "$dir" 2>/dev/null
  done
  if [[ -n $ZLT_TMP ]]; then
    if [[ ${KEEP:-0} == 1 ]]; then
      say "kept $ZLT_TMP"
    else
      rm -rf "$ZLT_TMP"
    fi
  fi
  if ((rc == 0)); then
    say "PASS"
  fi
  exit "$rc"
}

# Runs the program with the given arguments in the background, under a time limit.
# Wine quotes arguments that hold blanks or quotes; use start_app_raw for an exact command line.
# LAST_PID is the process to wait for; it lives as long as the Windows process does.
start_app() {
  say "start: ZLTFusen.exe $*"
  (
    cd "$APP_DIR"
    export LANG=$ZLT_APP_LANG LC_ALL=$ZLT_APP_LANG
    exec timeout "$ZLT_TIMEOUT" wine "$APP_WIN_DIR\\ZLTFusen.exe" "$@"
  ) >>"$ZLT_TMP/app.log" 2>&1 &
  LAST_PID=$!
  ZLT_APP_PIDS+=("$LAST_PID")
}

# Runs the program with exactly this text after its name on the command line, as a host that
# calls CreateProcess does. cmd runs the line from a batch file and waits for the program.
start_app_raw() {
  local tail="$1"
  say "start (raw command line): ZLTFusen.exe${tail}"
  # The batch file lies outside the application folder, which must hold only the program's own.
  local bat
  bat="start$((${#ZLT_APP_PIDS[@]} + 1)).bat"
  printf '@%s\\ZLTFusen.exe%s\r\n' "$APP_WIN_DIR" "$tail" >"$WINEPREFIX/drive_c/$bat"
  (
    cd "$APP_DIR"
    export LANG=$ZLT_APP_LANG LC_ALL=$ZLT_APP_LANG
    # cmd prints in code page 932; nothing of it is needed.
    exec timeout "$ZLT_TIMEOUT" wine cmd /c "C:\\$bat" >/dev/null 2>&1
  ) &
  LAST_PID=$!
  ZLT_APP_PIDS+=("$LAST_PID")
}

# Runs the probe in the test's prefix; prints its UTF-8 output, returns its exit code.
# Always under the Japanese locale: Wine garbles Japanese arguments under LANG=C.
probe() {
  local rc=0
  LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 timeout 60 wine "$ZLT_PROBE" "$@" 2>>"$ZLT_TMP/probe.log" || rc=$?
  # 0, 1 and 2 are the probe's own answers; anything else means it did not get to answer
  # (Wine could not start it, or it was killed): ask once more.
  if ((rc > 2)); then
    echo "probe $* ended with $rc; asking again" >>"$ZLT_TMP/probe.log"
    rc=0
    LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 timeout 60 wine "$ZLT_PROBE" "$@" 2>>"$ZLT_TMP/probe.log" || rc=$?
  fi
  return "$rc"
}

is_running() { kill -0 "$1" 2>/dev/null; }

# Waits up to <seconds> for the background process <pid> to end; 0 if it ended.
wait_gone() {
  local pid=$1 secs=$2 i
  for ((i = 0; i < secs * 10; i++)); do
    is_running "$pid" || return 0
    sleep 0.1
  done
  return 1
}

# Collects the exit status of an ended background process into REAPED_RC. Not in $(...):
# only this shell can wait for its children.
reap() {
  REAPED_RC=0
  wait "$1" 2>/dev/null || REAPED_RC=$?
}

screenshot() {
  import -window root "$1"
}

# Field <n> (1-based, see the probe's list format) of a window line.
field() { printf '%s\n' "$1" | cut -f "$2"; }

# Waits for a window by exact caption; prints its line. Extra first argument --visible.
window_line() {
  probe wait "$@"
}

# Count of top-level windows with this caption; visible ones only with --visible.
count_windows() {
  local visible=0
  if [[ $1 == --visible ]]; then
    visible=1
    shift
  fi
  probe list | awk -F '\t' -v c="$1" -v v="$visible" '$5 == c && (v == 0 || $3 == 1) { n++ } END { print n + 0 }'
}

# The visible top-level windows, one line each.
visible_windows() {
  probe list | awk -F '\t' '$3 == 1'
}

# ---- assertions: each prints what it checks and fails with what it found ----

check() { say "check: $*"; }

assert_eq() {
  local want=$1 got=$2 what=$3
  check "$what"
  [[ $got == "$want" ]] || fail "$what: expected '$want', got '$got'"
}

assert_near() {
  local want=$1 got=$2 tol=$3 what=$4
  check "$what ($got, expected $want ± $tol)"
  local d=$((got - want))
  ((d < 0)) && d=$((-d))
  ((d <= tol)) || fail "$what: expected $want ± $tol, got $got"
}

assert_running() {
  check "$2 is still running"
  if ! is_running "$1"; then
    reap "$1"
    fail "$2 ended (exit status $REAPED_RC)"
  fi
}

assert_ends_within() {
  local pid=$1 secs=$2 what=$3
  check "$what ends within ${secs}s"
  wait_gone "$pid" "$secs" || fail "$what still runs after ${secs}s"
  reap "$pid"
  ((REAPED_RC != 124)) || fail "$what was stopped by the time limit"
}

# Waits up to <ms> for a window; prints its line on stdout for the caller.
#   assert_window [--visible] <caption> <ms>
assert_window() {
  local kind="window" line
  [[ $1 == --visible ]] && kind="visible window"
  check "a $kind captioned '${*: -2:1}' appears" >&2
  line=$(probe wait "$@") || fail "no $kind captioned '${*: -2:1}' within ${*: -1} ms"
  printf '%s\n' "$line"
}

assert_no_visible_window() {
  check "$1: no window is visible"
  local v
  v=$(visible_windows)
  [[ -z $v ]] || fail "$1: visible windows: $v"
}

# Keeps checking for <seconds> that nothing becomes visible.
assert_stays_invisible() {
  local secs=$1 what=$2 i v
  check "$what: nothing becomes visible for ${secs}s"
  for ((i = 0; i < secs * 2; i++)); do
    v=$(visible_windows)
    [[ -z $v ]] || fail "$what: a window became visible: $v"
    sleep 0.5
  done
}

assert_dir() {
  check "folder $1 exists"
  [[ -d $1 ]] || fail "folder $1 does not exist; $(dirname "$1") holds: $(ls -A "$(dirname "$1")")"
}

# The folder holds exactly these names (sorted, blank-separated), nothing else.
assert_dir_holds() {
  local dir=$1 want=$2 got
  check "$dir holds exactly: ${want:-nothing}"
  got=$(cd "$dir" && find . -mindepth 1 -maxdepth 1 -printf '%f\n' | LC_ALL=C sort | tr '\n' ' ')
  got=${got% }
  [[ $got == "$want" ]] || fail "$dir holds '$got', expected '${want}'"
}

# The process ends within <seconds> and shows no window at any time before that.
assert_ends_unseen() {
  local pid=$1 secs=$2 what=$3 i v
  check "$what ends within ${secs}s and shows no window meanwhile"
  for ((i = 0; i < secs * 4; i++)); do
    v=$(visible_windows)
    [[ -z $v ]] || fail "$what: a window became visible: $v"
    is_running "$pid" || break
    sleep 0.25
  done
  is_running "$pid" && fail "$what still runs after ${secs}s"
  reap "$pid"
  ((REAPED_RC != 124)) || fail "$what was stopped by the time limit"
}

# ---- driving the program: real input, dialogs, files ----

# Real X input, as a user gives it. Button: left (default), right, double.
xclick() {
  local x=$1 y=$2 how=${3:-left}
  case $how in
    left) xdotool mousemove "$x" "$y" click 1 ;;
    right) xdotool mousemove "$x" "$y" click 3 ;;
    double) xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1 ;;
    *) fail "xclick: unknown button '$how'" ;;
  esac
}

# Shift+drag with real input (the note's move loop follows the mouse).
xshiftdrag() {
  local x1=$1 y1=$2 x2=$3 y2=$4
  xdotool mousemove "$x1" "$y1" keydown shift mousedown 1 sleep 0.2 \
    mousemove "$x2" "$y2" sleep 0.2 mouseup 1 keyup shift
}

xshiftclick() {
  xdotool mousemove "$1" "$2" keydown shift click 1 keyup shift
}

# Answers the next message box (yes|no) within <ms>; prints its title and text.
answer_msgbox() {
  probe msgbox "$1" "$2" || fail "no message box appeared within $2 ms"
}

# Rectangle "left top right bottom" of the window with this caption.
window_rect() {
  local line
  line=$(probe find "$1") || fail "no window captioned '$1'"
  printf '%s\n' "$line" | head -n 1 | cut -f 6-9 | tr '\t' ' '
}

# Writes UTF-8 text (from stdin) to <file> as the program's files are: code page 932, CR LF.
write_cp932() {
  sed 's/\r*$/\r/' | iconv -f UTF-8 -t CP932 >"$1" || fail "cannot write $1 in code page 932"
}

# Prints a code page 932 file as UTF-8 with LF line ends.
read_cp932() {
  iconv -f CP932 -t UTF-8 <"$1" | tr -d '\r'
}

# Waits up to <seconds> for a file to exist.
wait_file() {
  local path=$1 secs=$2 i
  for ((i = 0; i < secs * 10; i++)); do
    [[ -e $path ]] && return 0
    sleep 0.1
  done
  return 1
}

assert_file_has() {
  local file=$1 want=$2
  check "$(basename "$file") holds '$want'"
  [[ -f $file ]] || fail "$file does not exist"
  read_cp932 "$file" | grep -qxF -- "$want" || fail "$file lacks the line '$want'; it holds: $(read_cp932 "$file")"
}

# Makes <dir> refuse new files and renames, also for root (who ignores permissions: the
# immutable attribute stops root too). Undone at teardown.
lock_dir() {
  chmod a-w "$1"
  ZLT_LOCKED_DIRS+=("$1")
  if [[ $(id -u) == 0 ]]; then
    chattr +i "$1" 2>/dev/null || skip "cannot make $1 unwritable for root (no chattr +i here)"
  fi
}

unlock_dir() {
  chattr -i "$1" 2>/dev/null || true
  chmod u+w "$1"
}

# Starts Xephyr with these arguments nested in the test's Xvfb and makes it the display of
# everything started afterwards (the program, the probe, xdotool, xrandr); a Xephyr started
# before ends first.
start_xephyr() {
  local fdfile="$ZLT_TMP/xephyr-display" i
  : >"$fdfile"
  if [[ -n $ZLT_XEPHYR_PID ]]; then
    kill "$ZLT_XEPHYR_PID" 2>/dev/null || true
    wait "$ZLT_XEPHYR_PID" 2>/dev/null || true
  fi
  DISPLAY=$ZLT_XVFB_DISPLAY Xephyr -displayfd 3 "$@" -nolisten tcp -noreset 3>"$fdfile" >/dev/null 2>&1 &
  ZLT_XEPHYR_PID=$!
  for ((i = 0; i < 100; i++)); do
    [[ -s $fdfile ]] && break
    sleep 0.1
  done
  [[ -s $fdfile ]] || fail "Xephyr did not start"
  DISPLAY=":$(tr -d '[:space:]' <"$fdfile")"
  export DISPLAY
}

# The Windows process started as <pid> by start_app (the child of its timeout).
windows_process_of() {
  pgrep -P "$1" | head -n 1
}

# ---- notes: windows, their controls, the popup menu, note files ----

# Caption of the note window numbered <n>.
note_caption() { printf '%s%s\n' "$ZLT_NOTE_CAPTION_PREFIX" "$1"; }

# The rectangle of a window line as "left,top-right,bottom".
rect_of() { printf '%s,%s-%s,%s\n' "$(field "$1" 6)" "$(field "$1" 7)" "$(field "$1" 8)" "$(field "$1" 9)"; }

# The window with this caption stands at exactly "left,top-right,bottom" (waits up to 5 s for it:
# a window may still be settling after a command).
assert_rect() {
  local caption=$1 want=$2 what=$3 line got i
  check "$what at $want"
  for ((i = 0; i < 25; i++)); do
    line=$(probe find "$caption" | head -n 1) || fail "$what: no window captioned '$caption'"
    got=$(rect_of "$line")
    [[ $got == "$want" ]] && return 0
    sleep 0.2
  done
  fail "$what: expected $want, got $got"
}

# The child control of a window whose text is exactly <text>; prints its probe line.
child_line() {
  local caption=$1 text=$2 line
  line=$(probe children "$caption" | awk -F '\t' -v t="$text" '$3 == t { print; exit }')
  [[ -n $line ]] || fail "'$caption' has no control with the text '$text'"
  printf '%s\n' "$line"
}

# The index-th (0-based) child control of this class, in the probe's order; prints its line.
child_of_class() {
  local caption=$1 class=$2 index=$3 line
  line=$(probe children "$caption" |
    awk -F '\t' -v c="$class" -v i="$index" 'tolower($2) == tolower(c) { if (n++ == i) { print; exit } }')
  [[ -n $line ]] || fail "'$caption' has no control number $index of class $class"
  printf '%s\n' "$line"
}

# Screen point "x y" at the middle of a child line of a borderless window (children are placed
# relative to the client area, which for a borderless window starts at the window's corner).
child_centre() {
  local caption=$1 child=$2 top
  top=$(probe find "$caption" | head -n 1) || fail "no window captioned '$caption'"
  printf '%s %s\n' $(($(field "$top" 6) + ($(field "$child" 4) + $(field "$child" 6)) / 2)) \
    $(($(field "$top" 7) + ($(field "$child" 5) + $(field "$child" 7)) / 2))
}

# Clicks the control of a note window that shows this text (a button, a check box).
click_control() {
  local caption=$1 text=$2 point
  point=$(child_centre "$caption" "$(child_line "$caption" "$text")")
  say "click '$text' at $point" >&2
  # shellcheck disable=SC2086
  xclick $point
}

# Types Unicode text into the focused control; Enter in the text is given as a real Enter key.
type_text() {
  local text=$1 line first=1
  while IFS= read -r line || [[ -n $line ]]; do
    ((first)) || probe key enter >/dev/null || fail "could not press Enter"
    first=0
    [[ -z $line ]] || probe type "$line" >/dev/null || fail "could not type '$line'"
  done <<<"$text"
}

# The popup menu's items in order, "-" for a separator.
# shellcheck disable=SC2034
ZLT_MENU_ITEMS=(新規メモ 隠れている付箋紙を表示 - この位置を基準に整列 画面右上に整列
  画面右中央に整列 画面右下に整列 画面左上に整列 画面左中央に整列 画面左下に整列 -
  このメモを常に手前表示 このメモを半透明にする 画面端に吸着させる - 全てのメモを常に手前表示
  全てのメモを常に手前表示解除 全てのメモを半透明表示 全てのメモを半透明表示解除 - Information -
  このメモを消す 全てのメモを消す - このメモを隠す（アラーム有効） 全てのメモを隠す（アラーム有効） -
  このメモを隠す（アラーム無効） 全てのメモを隠す（アラーム無効）)

# How many Down keys select this menu item from a freshly opened menu (separators are skipped).
menu_downs() {
  local want=$1 item n=0
  for item in "${ZLT_MENU_ITEMS[@]}"; do
    [[ $item == - ]] && continue
    ((++n))
    [[ $item == "$want" ]] && {
      echo "$n"
      return 0
    }
  done
  fail "no menu item '$want'"
}

# Right-presses the tab of a collapsed note (its label at the left end) and waits for the popup
# menu; prints the menu's first probe line.
open_note_menu() {
  local caption=$1 line x y
  line=$(probe wait "$caption" 5000) || fail "no window captioned '$caption'"
  x=$(($(field "$line" 6) + 8)) y=$(($(field "$line" 7) + 16))
  say "right press on the tab of '$caption' at $x,$y" >&2
  xclick "$x" "$y" right
  # Wine has been seen to hand the press over more than 5 s late, right after a message box
  # closed (the menu then opened): wait for the menu, not for a fast machine.
  line=$(probe menu 10000) || fail "no popup menu after a right press on '$caption'"
  printf '%s\n' "$line" | head -n 1
}

# Chooses an item of the open popup menu with the keyboard, as a user does.
choose_menu_item() {
  local item=$1 downs
  downs=$(menu_downs "$item")
  say "menu: choose '$item' (Down x$downs, Return)"
  local keys=() i
  for ((i = 0; i < downs; i++)); do keys+=(Down); done
  xdotool key --delay 40 "${keys[@]}" Return
}

# Dismisses the open popup menu with Escape; fails when it stays open.
dismiss_menu() {
  xdotool key Escape
  local i
  for ((i = 0; i < 30; i++)); do
    visible_windows | awk -F '\t' '$4 == "#32768"' | grep -q . || return 0
    sleep 0.1
  done
  fail "the popup menu is still open after Escape"
}

# The file holds exactly the bytes of the expected file; shows both as text when not.
assert_same_bytes() {
  local got=$1 want=$2 what=$3
  check "$what"
  [[ -f $got ]] || fail "$what: $got does not exist"
  cmp -s "$got" "$want" && return 0
  fail "$what: bytes differ
--- expected bytes
$(od -An -tx1 "$want" | head -n 20)
--- found bytes
$(od -An -tx1 "$got" | head -n 20)
--- found as text
$(read_cp932 "$got" 2>&1)"
}

# The details box of an open note: the tallest edit control.
details_box_line() {
  local line
  line=$(probe children "$1" |
    awk -F '\t' 'tolower($2) == "edit" && $8 == 1 { h = $7 - $5; if (h > best) { best = h; l = $0 } } END { print l }')
  [[ -n $line ]] || fail "'$1' shows no details box"
  printf '%s\n' "$line"
}

# Text of a control line as the probe prints it (line breaks as \r\n).
control_text() { field "$1" 3; }

# Fills a new note, which has its details view open and the caret in its title: types the
# title, then clicks into the details box and types the details (lines separated by newlines).
fill_new_note() {
  local caption=$1 title=$2 details=$3 box point
  type_text "$title"
  box=$(details_box_line "$caption")
  point=$(child_centre "$caption" "$box")
  # shellcheck disable=SC2086
  xclick $point
  sleep 0.2
  type_text "$details"
  sleep 0.2
}

# Waits up to 5 s for the window to stand at "left,top-right,bottom"; 0 when it does.
wait_rect() {
  local caption=$1 want=$2 i line
  for ((i = 0; i < 50; i++)); do
    line=$(probe find "$caption" | head -n 1) && [[ $(rect_of "$line") == "$want" ]] && return 0
    sleep 0.1
  done
  return 1
}

# The note is collapsed at "left,top-right,bottom", kept in front and translucent (alpha 150).
assert_collapsed_note() {
  local caption=$1 want=$2 line
  assert_rect "$caption" "$want" "collapsed note '$caption'"
  line=$(probe find "$caption" | head -n 1)
  assert_eq 1 "$(field "$line" 3)" "'$caption' is visible"
  assert_eq 1 "$(field "$line" 12)" "'$caption' is topmost"
  assert_eq 1 "$(field "$line" 13)" "'$caption' is layered"
  assert_eq 150 "$(field "$line" 14)" "'$caption' has alpha 150"
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

# The note file of a new note saved with both display options on:
#   write_expected_note <file> <Left> <Top> <title> <details lines...>
write_expected_note() {
  local file=$1 left=$2 top=$3
  shift 3
  note_file "$file" "$left" "$top" 1 1 "$@"
}

# Starts the program with start_app's arguments after the caption of the window to wait for;
# APP is the program's process.
start_for() {
  local caption=$1
  shift
  start_app "$@"
  APP=$LAST_PID
  assert_window --visible "$caption" 15000 >/dev/null
}

# A second start, which hands its switch to the running program and ends.
forward() {
  start_app "$@"
  assert_ends_within "$LAST_PID" 10 "the second start with '$*'"
}

# Chooses an item of a note's popup menu.
note_menu() {
  open_note_menu "$1" >/dev/null
  choose_menu_item "$2"
}

# The way out that saves every note and ends the program, taken from this note's menu.
hide_all_and_end() {
  note_menu "$1" "全てのメモを隠す（アラーム無効）"
  assert_ends_within "$APP" 10 "the program after 全てのメモを隠す（アラーム無効）"
}

# Types the title and details of a new note (details open, caret in the title), presses 保存
# and waits for the note's file.
save_new_note() {
  local caption=$1 file=$2
  fill_new_note "$caption" "$3" "$4"
  click_control "$caption" 保存
  wait_file "$file" 10 || fail "no $(basename "$file") after saving '$caption'"
  sleep 0.3
}

# What the title box of a note holds.
title_of() { control_text "$(title_box_line "$1")"; }

# How many notes are visible.
visible_notes() {
  probe list | awk -F '\t' -v p="$ZLT_NOTE_CAPTION_PREFIX" '$3 == 1 && index($5, p) == 1 { n++ } END { print n + 0 }'
}

# The title box of a note: the edit control nearest the top.
title_box_line() {
  local line
  line=$(probe children "$1" |
    awk -F '\t' 'tolower($2) == "edit" && (l == "" || $5 < top) { top = $5; l = $0 } END { print l }')
  [[ -n $line ]] || fail "'$1' has no title box"
  printf '%s\n' "$line"
}

# Dialogs and drawn text: lib_dialog.sh.
# shellcheck source=lib_dialog.sh
source "$ZLT_WINE_DIR/lib_dialog.sh"
