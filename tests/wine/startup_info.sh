#!/usr/bin/env bash
# "/S" on a first start: the information window appears centred on the screen with its
# controls and texts; with no note open, its "OK" ends the program.
source "$(dirname "$0")/lib.sh"
setup

start_app /S
app=$LAST_PID
line=$(assert_window --visible "$ZLT_CONTROLLER_CAPTION" 15000)
left=$(field "$line" 6) top=$(field "$line" 7) right=$(field "$line" 8) bottom=$(field "$line" 9)
say "information window at $left,$top - $right,$bottom"
assert_near $((ZLT_SCREEN_W / 2)) $(((left + right) / 2)) 4 "horizontal centre of the information window"
assert_near $((ZLT_SCREEN_H / 2)) $(((top + bottom) / 2)) 4 "vertical centre of the information window"
# 4590 x 2550 twips at 15 twips per pixel.
assert_eq "306 170" "$(field "$line" 10) $(field "$line" 11)" "client area in pixels"

children=$(probe children "$ZLT_CONTROLLER_CAPTION")
assert_eq 8 "$(printf '%s\n' "$children" | grep -c .)" "number of controls"
assert_eq 8 "$(printf '%s\n' "$children" | awk -F '\t' '$8 == 1' | grep -c .)" "visible controls"
for text in Information "ＺＬＴ付箋紙プラグイン " "Version ${ZLT_VERSION:?}" OK; do
  child_line "$ZLT_CONTROLLER_CAPTION" "$text" >/dev/null
  check "a control shows '$text'"
done
address=$(printf '%s\n' "$children" | awk -F '\t' 'index($3, "https://") == 1 { print $3 }')
[[ -n $address ]] || fail "no control shows a web address"
say "web address: $address"
ok=$(child_line "$ZLT_CONTROLLER_CAPTION" OK)
assert_eq "button" "$(field "$ok" 2 | tr '[:upper:]' '[:lower:]')" "OK is a button"
# The button inside the frame: (120 + 240, 120 + 1680) twips from the client's corner.
assert_eq "24 120" "$(field "$ok" 4) $(field "$ok" 5)" "OK's place in the client area"

shot="$ZLT_ARTIFACT_DIR/startup_info.png"
check "a screenshot can be taken ($shot)"
if ! screenshot "$shot" || [[ ! -s $shot ]]; then fail "no screenshot"; fi

sleep 0.5
assert_running "$app" "the program"
click_dialog_control "$ZLT_CONTROLLER_CAPTION" OK
assert_ends_within "$app" 10 "the program, with no note open, after OK"
