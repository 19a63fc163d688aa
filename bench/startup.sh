#!/usr/bin/env bash
# Start-up time of the saver: from process start to its first window on the display, for
# the show ("/S") and the settings window ("/C"), next to a bare Qt window as the baseline.
#
# Usage: bench/startup.sh [BUILD_FOLDER]    (default: build; it must already be built)
#   ROUNDS=N  number of measured rounds (default 15)
# Uses the display in $DISPLAY, or starts its own Xvfb when none is set.
set -euo pipefail

build=${1:-build}
rounds=${ROUNDS:-15}
timer="$build/bench/window_start"
for file in "$timer" "$build/bench/bare_window" "$build/bin/Pagewheel.scr"; do
  if [[ ! -x $file ]]; then
    echo "startup.sh: $file is missing; build the folder $build first" >&2
    exit 1
  fi
done

. "$(dirname "$0")/../tools/common.sh"
work=$(mktemp -d)
cleanup() {
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
if [[ -z ${DISPLAY:-} ]]; then
  start_xvfb
fi
export QT_QPA_PLATFORM=xcb

# The saver runs from a copy of its folder, so no settings file beside the build's
# programs is read or written; the baseline sits in the same copy for equal footing.
cp -a "$build/bin" "$work/bin"
cp "$build/bench/bare_window" "$work/bare_window"

# The saver will not start while one of its windows is open on the display.
if xwininfo -root -tree | grep -qE '"(PagewheelHost|PagewheelApp|Pagewheel settings\.\.\.)"'; then
  echo "startup.sh: a Pagewheel window is already open on $DISPLAY; close it first" >&2
  exit 1
fi

names=(baseline "Pagewheel.scr /S" "Pagewheel.scr /C")

# One timed start of program number $1 (in the order of names); its milliseconds go to
# standard output. window_start returns only after the program has been ended and its
# window is gone, so starts never overlap.
measure() {
  local -a command
  case $1 in
    0) command=("$work/bare_window") ;;
    1) command=("$work/bin/Pagewheel.scr" /S) ;;
    2) command=("$work/bin/Pagewheel.scr" /C) ;;
  esac
  if ! "$timer" "${command[@]}" 2>"$work/last.log"; then
    echo "startup.sh: timing ${names[$1]} failed:" >&2
    cat "$work/last.log" >&2
    exit 1
  fi
}

# One untimed round first, so every program starts with its files in the page cache.
for i in "${!names[@]}"; do
  measure "$i" >/dev/null
done

for ((round = 1; round <= rounds; round++)); do
  for i in "${!names[@]}"; do
    measure "$i" >>"$work/times.$i"
  done
done

# Median and minimum of one list of milliseconds.
median() { sort -g "$1" | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
minimum() { sort -g "$1" | head -n 1; }

base=$(median "$work/times.0")
echo "Start to first window mapped, $rounds rounds on $DISPLAY ($(nproc) cores)"
printf '%-18s %12s %10s %16s\n' program "median ms" "min ms" "median / base"
for i in "${!names[@]}"; do
  med=$(median "$work/times.$i")
  printf '%-18s %12.1f %10.1f %16.2f\n' "${names[$i]}" "$med" "$(minimum "$work/times.$i")" \
    "$(awk -v m="$med" -v b="$base" 'BEGIN {print m / b}')"
done
