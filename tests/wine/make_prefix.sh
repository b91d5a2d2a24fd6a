#!/usr/bin/env bash
# Makes the base Wine prefix the integration tests copy: `make_prefix.sh <folder>`.
# Made once (about 15 s) and reused while it exists; built aside and moved into place, so an
# interrupted run never leaves a half-made prefix that later runs would trust.
set -euo pipefail

base=${1:?usage: make_prefix.sh <folder>}
export ZLT_TEST_NAME=wine_prefix
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

[[ ! -f $base/.zlt-ready ]] || { say "reusing $base" && exit 0; }
need_tools wine wineserver wineboot Xvfb

# Beside the base prefix, so that the finished one is only renamed into place; whatever is
# left of an interrupted run goes at teardown.
mkdir -p "$(dirname "$base")"
make_tmp "$base.new.XXXXXX"
start_xvfb
export WINEPREFIX="$ZLT_TMP/prefix"
say "making a Wine prefix in $base"
timeout 180 wineboot -i >/dev/null 2>&1 || fail "wineboot -i failed"
# Without a window manager, Wine's managed windows make every hidden captioned window stall
# for 2 s and keep keys from dialogs.
reg_set 'HKCU\Software\Wine\X11 Driver' Managed N
# The program names its data folder after the Windows user; under Wine that is the Unix user.
user=$(timeout 60 wine cmd /c echo %USERNAME% 2>/dev/null | tr -d '\r\n')
[[ -n $user && $user != "%USERNAME%" ]] || fail "could not read the Windows user name"
printf '%s' "$user" >"$WINEPREFIX/.zlt-username"
timeout 120 wineserver -w || fail "wineserver did not settle"
touch "$WINEPREFIX/.zlt-ready"
rm -rf "$base"
mv "$WINEPREFIX" "$base"
export WINEPREFIX=$base
say "prefix ready (Windows user '$user')"
