#!/usr/bin/env bash
# Builds ZLTFusen.exe if needed and starts it under Wine with "/N" (one new note), the way the
# character host would. With no X display it starts a private Xvfb, waits for the note, takes a
# screenshot and prints its path; the program is left running either way.
#   scripts/run.sh            start (or forward "/N" to the running program)
# Stop everything:  WINEPREFIX=$PWD/build/wineprefix wineserver -k
set -euo pipefail

cd "$(dirname "$0")/.."
root=$PWD

bash scripts/deps.sh

# Build what is missing; an up-to-date build costs only a moment.
[[ -f build/mingw/CMakeCache.txt ]] || cmake --preset mingw
cmake --build build/mingw -j2 --target ZLTFusen zltprobe
exe=build/mingw/src/platform/win32/ZLTFusen.exe
probe_exe=build/mingw/tools/probe/zltprobe.exe
[[ -f $exe ]] || exe=$(find build/mingw -name ZLTFusen.exe -print -quit)
[[ -f $probe_exe ]] || probe_exe=$(find build/mingw -name zltprobe.exe -print -quit)
[[ -f $exe && -f $probe_exe ]] || {
  echo "run.sh: ZLTFusen.exe or zltprobe.exe missing after the build" >&2
  exit 1
}

export WINEPREFIX=$root/build/wineprefix
bash tests/wine/make_prefix.sh "$WINEPREFIX"
export WINEARCH=win64 WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# The program keeps its notes beside itself (a folder named after the user), so it runs
# from a folder of its own that rebuilds leave alone.
app=$root/build/app
mkdir -p "$app"
if ! cmp -s "$exe" "$app/ZLTFusen.exe"; then
  cp "$exe" "$app/ZLTFusen.exe" 2>/dev/null ||
    echo "run.sh: ZLTFusen.exe is in use; running the copy already in $app"
fi

if [[ -n ${DISPLAY:-} ]]; then
  echo "run.sh: starting ZLTFusen.exe /N on $DISPLAY"
  cd "$app"
  exec wine ZLTFusen.exe /N
fi

# No display: a private Xvfb, reused by later runs so that a forwarded command shows its
# windows on the same screen as the running program.
state=$root/build/run-display
display=""
if [[ -f $state ]]; then
  read -r display xvfb_pid <"$state" || true
  kill -0 "${xvfb_pid:-0}" 2>/dev/null || display=""
fi
if [[ -z $display ]]; then
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
  echo "run.sh: started Xvfb on $display (pid $xvfb_pid)"
fi
export DISPLAY=$display

echo "run.sh: starting ZLTFusen.exe /N on $DISPLAY"
(cd "$app" && exec setsid wine ZLTFusen.exe /N </dev/null >>"$root/build/run-wine.log" 2>&1) &

note="ＺＬＴ付箋紙プラグインNo.1"
if ! timeout 60 wine "$probe_exe" wait --visible "$note" 15000; then
  echo "run.sh: the note window '$note' did not appear; see $root/build/run-wine.log" >&2
  exit 1
fi
sleep 0.5 # let the window finish painting
mkdir -p build/screenshots
shot=$root/build/screenshots/run-$(date +%Y%m%d-%H%M%S).png
import -window root "$shot"
echo "run.sh: screenshot: $shot"
echo "run.sh: the program keeps running on DISPLAY=$DISPLAY (data folder: $app/<user>)"
echo "run.sh: stop it with: WINEPREFIX=$WINEPREFIX wineserver -k"
