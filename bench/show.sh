#!/usr/bin/env bash
# The show as a whole, each measure next to a baseline taken in the same run: a bare
# full-screen QWebEngineView (bare_webview) on the same local pages.
#
#   1. start to first entry painted: from process start until the middle of the screen
#      shows the first entry's colour, rounds of the show and the baseline taking turns;
#   2. processor time on a page that stays (Withold=60, one entry): once the page shows,
#      5 s to settle, then 20 s measured, the program and all its descendants (the web
#      engine's helpers), as a percentage of one core; rounds taking turns;
#   3. resident memory of the program and all its descendants after 10 changes of entry
#      and after 500 (or as many as come within 25 minutes) with Withold=1 and Efekat=7;
#      the show and the baseline (swapping the same two pages every second) run at the
#      same time, each on its own virtual display, so both see the same load.
#
# Usage: bench/show.sh [BUILD_FOLDER]    (default: build; it must already be built)
#   ROUNDS=N         rounds of the start-up measure (default 10)
#   CPU_ROUNDS=N     rounds of the processor-time measure (default 3)
#   CHANGES=N        changes for the memory measure (default 500)
#   LIMIT_MINUTES=M  longest memory run, from the first page (default 25)
#   TOOLS=FOLDER     where page_watch and bare_webview are (default BUILD_FOLDER/bench)
# Always runs on virtual displays (Xvfb, 1920x1080) of its own.
set -euo pipefail

build=${1:-build}
tools=${TOOLS:-$build/bench}
rounds=${ROUNDS:-10}
cpu_rounds=${CPU_ROUNDS:-3}
changes=${CHANGES:-500}
limit_minutes=${LIMIT_MINUTES:-25}
watcher="$tools/page_watch"
for file in "$watcher" "$tools/bare_webview" "$build/bin/Pagewheel.scr"; do
  if [[ ! -x $file ]]; then
    echo "show.sh: $file is missing; build the folder $build first" >&2
    exit 1
  fi
done

. "$(dirname "$0")/../tools/common.sh"
work=$(mktemp -d)
xvfb_pids=()
cleanup() {
  local pid
  for pid in "${xvfb_pids[@]}"; do
    XVFB_PID=$pid
    stop_xvfb
  done
  rm -rf "$work"
}
trap cleanup EXIT

# Two displays: the first for the measures that take turns, both for the memory runs.
start_xvfb 1920x1080
show_display=$DISPLAY
show_server=$XVFB_PID
xvfb_pids+=("$XVFB_PID")
start_xvfb 1920x1080
base_display=$DISPLAY
base_server=$XVFB_PID
xvfb_pids+=("$XVFB_PID")
export DISPLAY=$show_display
export QT_QPA_PLATFORM=xcb

# The saver runs from a copy of its folder, so no settings file beside the build's
# programs is read or written; the baseline sits in the same copy for equal footing. The
# web engine's profile, cache and run-time files go to the temporary folder as well.
cp -a "$build/bin" "$work/bin"
cp "$tools/bare_webview" "$work/bare_webview"
export XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
saver=("$work/bin/Pagewheel.scr" /S)
log="$work/programs.log"

# Two local pages of one solid colour each.
red=ff0000
green=00ff00
page() { printf "<html><body style='margin:0;background:#%s'></body></html>\n" "$1" >"$2"; }
page "$red" "$work/red.htm"
page "$green" "$work/green.htm"

# Writes the saver's pgwh.ini (CR LF line ends): the given entries, then the display lines.
settings() {
  local withold=$1 effect=$2 i=0
  shift 2
  {
    printf '[Pages]\r\n'
    for entry in "$@"; do
      printf 'Page%d=%s\r\n' "$i" "$entry"
      i=$((i + 1))
    done
    printf '[Display]\r\nWithold=%s\r\nEfekat=%s\r\nHidemouse=False\r\n' "$withold" "$effect"
  } >"$work/bin/pgwh.ini"
}

# Runs page_watch; on failure shows its complaint and the programs' last words.
run_watch() {
  if ! "$watcher" --log "$log" "$@" 2>"$work/watch.err"; then
    echo "show.sh: page_watch $* failed:" >&2
    cat "$work/watch.err" >&2
    tail -n 20 "$log" >&2
    exit 1
  fi
}

# Median, minimum and maximum of the numbers on standard input, one a line.
median() {
  sort -g | awk '{v[NR] = $1}
    END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
minimum() { sort -g | head -n 1; }
maximum() { sort -g | tail -n 1; }
load() { cut -d ' ' -f 1-3 /proc/loadavg; }

echo "Pagewheel show against a bare QWebEngineView, Xvfb 1920x1080, $(nproc) cores"
echo "load average (1, 5, 15 min) at the start: $(load)"
echo

# 1. Start to first entry painted.
settings 60 0 "$work/red.htm"
names=("bare_webview" "Pagewheel.scr /S")
first() {
  case $1 in
    0) run_watch first "$red" "$work/bare_webview" "$work/red.htm" ;;
    1) run_watch first "$red" "${saver[@]}" ;;
  esac
}
# One untimed round first: files in the page cache, the saver's profile made.
first 0 >/dev/null
first 1 >/dev/null
for ((round = 1; round <= rounds; round++)); do
  # The two take turns, and which goes first alternates.
  for i in $((round % 2)) $((1 - round % 2)); do
    first "$i" >>"$work/first.$i"
  done
done
base=$(median <"$work/first.0")
echo "1. Start to first entry painted (centre pixel #$red), $rounds rounds taking turns"
printf '%-18s %10s %10s %14s\n' program "median ms" "min ms" "median / base"
for i in 0 1; do
  med=$(median <"$work/first.$i")
  printf '%-18s %10.1f %10.1f %14.2f\n' "${names[$i]}" "$med" "$(minimum <"$work/first.$i")" \
    "$(awk -v m="$med" -v b="$base" 'BEGIN {print m / b}')"
done
echo "load average after: $(load)"
echo

# 2. Processor time on a page that stays.
settle=5
measure=20
for ((round = 1; round <= cpu_rounds; round++)); do
  for i in $((round % 2)) $((1 - round % 2)); do
    case $i in
      0) run_watch --server "$show_server" cpu "$red" "$settle" "$measure" \
        "$work/bare_webview" "$work/red.htm" >>"$work/cpu.0" ;;
      1) run_watch --server "$show_server" cpu "$red" "$settle" "$measure" "${saver[@]}" \
        >>"$work/cpu.1" ;;
    esac
    cp "$work/watch.err" "$work/cpu.$i.processes"
  done
done
echo "2. Processor time on a static page (Withold=60, one entry): once it shows, ${settle} s"
echo "   to settle, then ${measure} s; program and all its descendants, % of one core;"
echo "   $cpu_rounds rounds taking turns; the X server's share beside"
printf '%-18s %9s %7s %7s %10s %11s\n' program "median %" "min %" "max %" processes "X server %"
for i in 0 1; do
  printf '%-18s %9.2f %7.2f %7.2f %10s %11.2f\n' "${names[$i]}" \
    "$(cut -d ' ' -f 1 "$work/cpu.$i" | median)" "$(cut -d ' ' -f 1 "$work/cpu.$i" | minimum)" \
    "$(cut -d ' ' -f 1 "$work/cpu.$i" | maximum)" "$(cut -d ' ' -f 2 "$work/cpu.$i" | maximum)" \
    "$(cut -d ' ' -f 3 "$work/cpu.$i" | median)"
done
echo "   per process, last round of Pagewheel.scr /S (% of one core, pid, name):"
sed 's/^/   /' "$work/cpu.1.processes"
echo "load average after: $(load)"
echo

# 3. Resident memory after many changes.
counts=10
for count in 25 50 100 200 300 400 500 750 1000; do
  ((count < changes)) && counts+=",$count"
done
((changes > 10)) && counts+=",$changes"
limit=$((limit_minutes * 60))
settings 1 7 "$work/red.htm" "$work/green.htm"
# Polling every 5 ms is ample for entries that stay a second or more. An entry counts once
# its colour has stayed 300 ms: after an effect the browser may flash its last frame, of
# the entry before, for some tens of milliseconds.
steady=(--every 5 --steady 300)
DISPLAY=$base_display "$watcher" --log "$log" "${steady[@]}" \
  changes "$red" "$green" "$counts" "$limit" \
  "$work/bare_webview" "$work/red.htm" "$work/green.htm" 1000 \
  >"$work/memory.0" 2>"$work/memory.0.err" &
base_run=$!
DISPLAY=$show_display "$watcher" --log "$log" "${steady[@]}" \
  changes "$red" "$green" "$counts" "$limit" \
  "${saver[@]}" >"$work/memory.1" 2>"$work/memory.1.err" &
show_run=$!
failed=0
wait "$base_run" || failed=1
wait "$show_run" || failed=1
if ((failed)); then
  echo "show.sh: a memory run failed:" >&2
  cat "$work/memory.0.err" "$work/memory.1.err" >&2
  tail -n 20 "$log" >&2
  exit 1
fi
echo "3. Resident memory, program and all its descendants (sums of Rss and of Pss), once"
echo "   the new entry has shown 300 ms. Pagewheel.scr /S: Withold=1, Efekat=7, a red and a"
echo "   green entry; bare_webview: the same two pages swapped every 1000 ms. Both at once,"
echo "   each on its own display, for at most $limit_minutes minutes from the first entry (a"
echo "   change = the centre going from one entry's colour to the other's); growth from the"
echo "   first row. Pss also moves when the other program starts or ends, as the two share the"
echo "   web engine's library pages; Rss does not"
printf '%-18s %8s %8s %9s %9s %6s %11s %11s\n' program changes "after s" "Rss MB" "Pss MB" \
  procs "Rss growth" "Pss growth"
for i in 0 1; do
  awk -v name="${names[$i]}" 'NR == 1 {rss0 = $3; pss0 = $4}
    {
      printf "%-18s %8d %8.1f %9.1f %9.1f %6d %10.1f%% %10.1f%%%s\n", name, $1, $2, $3 / 1024,
        $4 / 1024, $5, 100 * ($3 - rss0) / rss0, 100 * ($4 - pss0) / pss0, $6 ? "  time up" : ""
    }' "$work/memory.$i"
done
for i in 0 1; do
  printf '   %-16s %s\n' "${names[$i]}:" "$(tail -n 1 "$work/memory.$i.err")"
done
echo "load average at the end: $(load)"
