#!/usr/bin/env bash
# Runs a check program of the Windows build under Wine and Xvfb, in a copy of the base prefix:
#   run_exe.sh <program.exe> <what it checks>
# It prints whatever it finds wrong and exits 0 only when all is right.
ZLT_TEST_NAME=$(basename "${1:?usage: run_exe.sh <program.exe> <what it checks>}" .exe)
export ZLT_TEST_NAME
source "$(dirname "$0")/lib.sh"
setup "$1"
check "${2:?}"
timeout 120 wine "$1" || fail "${1##*/} exited with $?"
