#!/usr/bin/env bash
# The forwarding test again with the program under LANG=C (ANSI code page 1252 in Wine): the
# Japanese caption that a second start looks for must not depend on the ANSI code page.
export ZLT_TEST_NAME=lang_c ZLT_APP_LANG=C
exec bash "$(dirname "$0")/forward_quoted.sh"
