#!/usr/bin/env bash
# Runs the code page 932 vector runner of the Windows build under Wine: it prints each vector
# the Windows conversion gets wrong and exits 0 only when all pass.
export ZLT_TEST_NAME=cp932_vectors
source "$(dirname "$0")/lib.sh"

runner=${1:?usage: cp932_vectors.sh <cp932_vectors.exe>}
[[ -f $runner ]] || fail "$runner not found; build it: cmake --preset mingw && cmake --build build/mingw -j2"
setup_prefix
check "every code page 932 vector converts as on the portable side"
rc=0
timeout 120 wine "$runner" || rc=$?
((rc == 0)) || fail "cp932_vectors.exe exited with $rc"
