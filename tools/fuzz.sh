#!/usr/bin/env bash
# Fuzzes the settings reader and loader with libFuzzer for SECONDS (default 600).
# Needs clang; the corpus grows in build-fuzz/corpus, seeded with sample settings files.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

tools/deps.sh
if ! command -v clang++ >/dev/null; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang >/dev/null
fi
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DPGW_FUZZ=ON -DPGW_TESTS=OFF -DPGW_BENCH=OFF \
  >/dev/null
cmake --build build-fuzz --target load_settings_fuzz

mkdir -p build-fuzz/corpus
cp tests/fuzz/seeds/* build-fuzz/corpus/
build-fuzz/load_settings_fuzz -max_total_time="$seconds" -max_len=65536 -print_final_stats=1 \
  build-fuzz/corpus
