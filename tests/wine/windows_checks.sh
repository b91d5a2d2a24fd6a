#!/usr/bin/env bash
# The check program of the Windows build (tests/windows), run in-process under Wine and Xvfb.
# It prints whatever it finds wrong and exits 0 only when all is right.
source "$(dirname "$0")/lib.sh"
setup "${ZLT_CHECKS:-windows_checks.exe}"
check "every code page 932 vector converts as on the portable side; a new note's date box holds \"2026/12/28\" whole, the other boxes keep the system's margins; at 144 DPI and back the window, its outline, a control and its font follow"
timeout 120 wine "$ZLT_CHECKS" || fail "${ZLT_CHECKS##*/} exited with $?"
