#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# Fuzzes what the game reads from the network (framing, messages, greeting, beacon) and the
# battle that plays every message read, as host or joiner, with libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer. A broken rule of the game (a board that no
# longer holds together, an untrue answer, a reveal that does not match its commitment)
# counts as a finding too.
#   scripts/fuzz-net.sh [RUNS]     RUNS inputs, 1000000 by default
# The harness is in tools/fuzz. Builds in build-fuzz/ with clang, starts from a seed corpus it
# writes there (single messages and whole honest games of two rounds), and keeps what it
# learns in build-fuzz/fuzz-corpus.
# One worker runs on each core, each with its share of RUNS, logging to build-fuzz/fuzz-N.log;
# the script prints their closing figures and fails on a finding, whose input is saved as
# build-fuzz/crash-* (rerun it: build-fuzz/salvora_net_fuzz build-fuzz/crash-…).
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-1000000}"
build=build-fuzz

bash scripts/setup.sh
# clang and its libFuzzer and sanitizer runtimes
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  "${sudo[@]}" apt-get update -qq >/dev/null
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DSALVORA_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fsanitize=fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  >/dev/null
cmake --build "$build" -j"$(nproc)" --target salvora_net_fuzz salvora_net_fuzz_seeds

rm -rf "$build/fuzz-seeds"
mkdir -p "$build/fuzz-seeds" "$build/fuzz-corpus"
"$build/salvora_net_fuzz_seeds" "$build/fuzz-seeds"
cd "$build"
# One worker a core, each with its share of the runs; they share the corpus as they go.
workers=$(nproc)
rm -f fuzz-[0-9]*.log
status=0
./salvora_net_fuzz -jobs="$workers" -workers="$workers" -runs=$(((runs + workers - 1) / workers)) \
  -max_len=9000 -print_final_stats=1 fuzz-corpus fuzz-seeds || status=$?
total=0
for log in fuzz-[0-9]*.log; do
  echo "== $build/$log"
  grep -E '^(Done|stat::)|ERROR|SUMMARY|Test unit written' "$log" || true
  grep -qE 'ERROR|SUMMARY|Test unit written' "$log" && status=1
  total=$((total + $(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)))
done
echo "$total inputs in all"
exit "$status"
