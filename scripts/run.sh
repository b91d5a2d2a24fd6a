#!/usr/bin/env bash
# Builds ZLTFusen.exe if needed and starts it under Wine with a switch, the way the character
# host does, then prints one line of what happened. With no X display it starts a private Xvfb
# (reused by later runs) and saves a screenshot. The program keeps running.
#   scripts/run.sh [switch]   "/*" restore all notes, "/N" new note (the default), "/V" show
#                             hidden notes, "/S" information window; quote "/*" in a shell
#   scripts/run.sh stop       ends the Wine session: every note saves itself, then all stops
#   scripts/run.sh relay      puts the stand-in relay vokrelay.exe beside the program: alarms
#                             then append their command lines to relay.log there
# The program and its notes live outside the build tree, in a per-user data folder:
#   ${XDG_DATA_HOME:-~/.local/share}/ZLTFusen/app/ZLTFusen.exe and .../app/<user name>/*.txt
set -euo pipefail

cd "$(dirname "$0")/.."
root=$PWD
switch=${1:-/N}

home_data=${XDG_DATA_HOME:-$HOME/.local/share}/ZLTFusen
app=$home_data/app
export WINEPREFIX=$home_data/wineprefix
export WINEARCH=win64 WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
state=$home_data/run-display
controller="ZLT付箋紙プラグイン"
note_prefix="ＺＬＴ付箋紙プラグインNo."

say() { printf 'run.sh: %s\n' "$*"; }

# The display of an earlier run, when its Xvfb still lives.
earlier_display() {
  local display="" xvfb_pid=""
  [[ -f $state ]] && read -r display xvfb_pid <"$state"
  [[ $display == :* && $xvfb_pid =~ ^[0-9]+$ ]] && kill -0 "$xvfb_pid" 2>/dev/null &&
    printf '%s %s\n' "$display" "$xvfb_pid"
}

if [[ $switch == stop ]]; then
  if [[ -z ${DISPLAY:-} ]]; then
    read -r DISPLAY xvfb_pid <<<"$(earlier_display)" || true
    export DISPLAY
  fi
  if [[ -d $WINEPREFIX ]]; then
    # Ending the session asks every window to save first (WM_QUERYENDSESSION, WM_ENDSESSION).
    timeout 30 wineboot --end-session >/dev/null 2>&1 || true
    timeout 10 wineserver -k >/dev/null 2>&1 || true
  fi
  [[ -n ${xvfb_pid:-} ]] && kill "$xvfb_pid" 2>/dev/null && rm -f "$state"
  say "stopped; the notes are saved in $app"
  exit 0
fi

case $switch in
  "/*" | /N | /V | /S | relay) ;;
  *)
    echo "usage: scripts/run.sh [\"/*\" | /N | /V | /S | stop | relay]  (quote \"/*\" in a shell)" >&2
    exit 2
    ;;
esac

say "checking the packages (scripts/deps.sh)"
bash scripts/deps.sh >/dev/null

# Build what is missing; an up-to-date build costs only a moment.
started=$SECONDS
if [[ ! -f build/mingw/CMakeCache.txt ]]; then
  say "first build of ZLTFusen.exe with MinGW-w64: this takes a minute or two"
  cmake --preset mingw >/dev/null
else
  say "building ZLTFusen.exe where the sources changed"
fi
targets=(ZLTFusen zltprobe)
[[ $switch == relay ]] && targets+=(testrelay)
cmake --build build/mingw -j2 --target "${targets[@]}" >/dev/null
say "built in $((SECONDS - started)) s"
exe=build/mingw/src/platform/win32/ZLTFusen.exe
probe_exe=$root/build/mingw/tools/probe/zltprobe.exe
[[ -f $exe && -f $probe_exe ]] || {
  echo "run.sh: ZLTFusen.exe or zltprobe.exe missing after the build" >&2
  exit 1
}

mkdir -p "$app"
bash tests/wine/make_prefix.sh "$WINEPREFIX" >/dev/null
if ! cmp -s "$exe" "$app/ZLTFusen.exe"; then
  cp "$exe" "$app/ZLTFusen.exe" 2>/dev/null || say "ZLTFusen.exe is in use; running the copy in $app"
fi
user=$(cat "$WINEPREFIX/.zlt-username")
notes=$app/$user

if [[ $switch == relay ]]; then
  cp build/mingw/tools/testrelay/vokrelay.exe "$app/vokrelay.exe"
  say "the stand-in relay is $app/vokrelay.exe; each alarm appends its command lines to $app/relay.log"
  exit 0
fi

if [[ -z ${DISPLAY:-} ]]; then
  read -r display xvfb_pid <<<"$(earlier_display)" || true
  if [[ -z ${display:-} ]]; then
    fd=$(mktemp)
    setsid Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$fd" \
      </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    for ((i = 0; i < 100; i++)); do
      [[ -s $fd ]] && break
      sleep 0.1
    done
    [[ -s $fd ]] || {
      echo "run.sh: Xvfb did not start" >&2
      exit 1
    }
    display=:$(tr -d '[:space:]' <"$fd")
    rm -f "$fd"
    echo "$display $xvfb_pid" >"$state"
  fi
  export DISPLAY=$display
  private_display=1
fi

probe() { timeout 60 wine "$probe_exe" "$@" 2>/dev/null; }
# "<shown notes> <hidden notes> <information window shown: 0|1> <program runs: 0|1>"
snapshot() {
  probe list | awk -F '\t' -v c="$controller" -v p="$note_prefix" '
    index($5, p) == 1 { if ($3 == 1) shown++; else hidden++ }
    $5 == c { runs = 1; if ($3 == 1) info = 1 }
    END { printf "%d %d %d %d\n", shown, hidden, info, runs }'
}

say "starting ZLTFusen.exe $switch under Wine (display $DISPLAY)"
read -r shown0 hidden0 _ running0 <<<"$(snapshot)"
(cd "$app" && exec setsid wine ZLTFusen.exe "$switch" </dev/null >>"$home_data/wine.log" 2>&1) &
starter=$!

# Waits until the switch has visibly done its work (or the program ended), then settles.
for ((i = 0; i < 60; i++)); do
  sleep 0.25
  read -r shown hidden info runs <<<"$(snapshot)"
  case $switch in
    /N) ((shown + hidden > shown0 + hidden0)) && break ;;
    /S) ((info == 1)) && break ;;
    *) ((runs == 1 && shown > 0)) && break ;;
  esac
  ! kill -0 "$starter" 2>/dev/null && ((running0 == 0)) && break
done
sleep 0.5
read -r shown hidden info runs <<<"$(snapshot)"

# What the switch did, told from what the window list shows before and after.
opened=$((shown + hidden - shown0 - hidden0))
unhidden=$((hidden0 - hidden > 0 ? hidden0 - hidden : 0))
if ((runs == 0)); then
  what="the program ended"
  [[ $switch == "/*" ]] && what="there are no saved notes to restore, so the program ended"
else
  case $switch in
    "/*")
      if ((opened > 0)); then
        what="$opened saved note(s) opened"
      else
        what="every saved note already has a window; nothing new was opened"
      fi
      ;;
    /N) what="a new note is open" ;;
    /V)
      if ((unhidden + opened > 0)); then
        what="$unhidden hidden note(s) shown, $opened closed note(s) reopened"
      else
        what="no note was hidden or closed; nothing changed"
      fi
      ;;
    /S) what="the information window is shown" ;;
  esac
  ((running0)) && what="$what (sent to the program already running)"
  what="$what; now $shown note(s) shown, $hidden hidden"
fi
say "ZLTFusen.exe $switch: $what. Notes: $notes"

if [[ -n ${private_display:-} ]] && ((runs == 1)); then
  mkdir -p "$home_data/screenshots"
  shot=$home_data/screenshots/run-$(date +%Y%m%d-%H%M%S).png
  import -window root "$shot" && say "screenshot of $DISPLAY: $shot"
fi
