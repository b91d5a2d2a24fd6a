#!/usr/bin/env bash
# A first instance with a switch it does not know ends by itself and shows nothing; so do the
# near misses: lower case, trailing text, and a switch in quotes (only a second start strips
# quotes).
source "$(dirname "$0")/lib.sh"
setup

for args in /X /n "/N more" '"/S"'; do
  start_app_raw " $args"
  assert_ends_unseen "$LAST_PID" 10 "a first start with '$args'"
  assert_eq 0 "$(count_windows "$ZLT_CONTROLLER_CAPTION")" "no window of the program is left after '$args'"
done
