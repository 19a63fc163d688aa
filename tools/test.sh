#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Pagewheel and runs every test (the tests that need
# a display run on a virtual one).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/common.sh

tools/deps.sh
build_all

trap stop_xvfb EXIT
start_xvfb
ctest --test-dir build --output-on-failure -j2
