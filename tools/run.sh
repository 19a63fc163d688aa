#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds Pagewheel and starts the show. Without a display it
# runs the show on a virtual one for a few seconds and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/common.sh

tools/deps.sh
build_all

if [ -n "${DISPLAY:-}" ]; then
  exec build/bin/Pagewheel.scr /S
fi

trap stop_xvfb EXIT
start_xvfb
build/bin/Pagewheel.scr /S &
show=$!
sleep 5
screenshot="$PWD/build/show-screenshot.png"
import -window root "$screenshot"
kill "$show" 2>/dev/null || true
wait "$show" 2>/dev/null || true
echo "No display here: the show ran on a virtual display; its screenshot is $screenshot"
