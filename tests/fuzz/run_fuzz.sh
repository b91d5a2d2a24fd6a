#!/usr/bin/env bash
# Builds a fuzz target with clang++ and runs it for a bounded time.
# usage: run_fuzz.sh <name> <build folder> <seed folder> <include folder> <sources...>
set -euo pipefail
name=${1:?name}
out=${2:?build folder}
seeds=${3:?seed folder}
include=${4:?include folder}
shift 4

clang=${CLANGXX:-$(command -v clang++ clang++-14 clang++-15 clang++-16 | head -n 1 || true)}
if [[ -z $clang ]]; then
  echo "$name: clang++ not found. Install it with: apt-get install clang libclang-rt-dev" \
       "(Debian 12: clang-14 and libclang-rt-14-dev)" >&2
  exit 1
fi

mkdir -p "$out/$name-corpus"
binary=$out/$name
# Rebuild only when a source is newer than the binary.
if [[ ! -x $binary || -n $(find "$@" -newer "$binary") ]]; then
  echo "$name: building with $clang"
  "$clang" -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I"$include" "$@" -o "$binary.tmp"
  mv "$binary.tmp" "$binary"
fi

"$binary" -max_total_time=15 -rss_limit_mb=2048 -max_len=4096 -timeout=20 \
  -artifact_prefix="$out/$name-" "$out/$name-corpus" "$seeds"
