#!/usr/bin/env bash
# Transition effects: drawing time per step and wall time against the sum of the pauses
# for every code, at 1920x1080 and at 3840x2160, each on a virtual screen of that size,
# and the time of a screen capture at each size.
#
# Usage: bench/effects.sh [BUILD_FOLDER]    (default: build; it must already be built)
set -euo pipefail
build=${1:-build}
. "$(dirname "$0")/../tools/common.sh"
trap stop_xvfb EXIT

for size in 1920x1080 3840x2160; do
  start_xvfb "$size"
  "$build/bench/effects_bench" --sizes "$size" 2>/dev/null
  stop_xvfb
  echo
done
