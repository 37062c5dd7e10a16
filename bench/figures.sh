#!/usr/bin/env bash
# The whole program's figures on large files of real structure, made with
# ifc-scale from duplex.ifc under /tmp and deleted afterwards:
#
#     bench/figures.sh [--huge] [--runs N] [--before BUILD] [BUILD]
#
# Files: about 114 MB and 516 MB; --huge adds one of about 2.2 GB (over
# 2^31 bytes, 32 million entities), which needs some 5 GB of memory per
# build. For each file and build, the medians of N runs (default 3) of:
# process start to the upper tree painted, the inverse computation
# complete after that, the processor time of both, the longest idle pass
# (wall and processor time) and the longest key wait while it runs
# (bench/app_bench), the peak resident memory as a multiple of the file,
# and the time from File > Exit to the end of the process
# (the real program under Xvfb, driven by its keys). --before BUILD runs a
# second build's programs in turn with BUILD's (default: this checkout's
# build), for figures of the same run on the same machine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
samples="${LUMENOR_SAMPLES_DIR:-$root/../shared/ifc-samples}"
scale="${IFC_SCALE:-$root/../shared/tools/ifc-scale}"

if [ -z "${LUMENOR_FIGURES_DISPLAY:-}" ]; then
  LUMENOR_FIGURES_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi

huge=0
runs=3
builds=()
labels=()
while [ $# -gt 0 ]; do
  case "$1" in
  --huge) huge=1 ;;
  --runs) runs="$2"; shift ;;
  --before) builds+=("$(cd "$2" && pwd)"); labels+=(before); shift ;;
  -h | --help) sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
  *) builds=("$(cd "$1" && pwd)" "${builds[@]}"); labels=(this "${labels[@]}") ;;
  esac
  shift
done
if [ "${#labels[@]}" = 0 ] || [ "${labels[0]}" != this ]; then
  builds=("$root/${LUMENOR_BUILD_DIR:-build}" "${builds[@]}")
  labels=(this "${labels[@]}")
fi

# A build's programs: app_bench and lumenor, in a build tree or side by side.
program() {
  local dir="$1" name="$2"
  for p in "$dir/bench/$name" "$dir/src/$name" "$dir/$name"; do
    [ -x "$p" ] && { echo "$p"; return; }
  done
  echo "figures: no $name in $dir" >&2
  exit 2
}

work="$(mktemp -d /tmp/lumenor-figures-XXXXXX)"
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
chmod 700 "$XDG_RUNTIME_DIR"

files=(114:44 516:197)
[ "$huge" = 1 ] && files+=(2200:820)

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)]; else print "-" }'; }

# Seconds the process $1 has run on a processor.
cpu_seconds() { awk -v t="$(getconf CLK_TCK)" '{ sub(/.*\) /, ""); split($0, f, " "); print (f[12] + f[13]) / t }' "/proc/$1/stat"; }

# Starts the program on the file, waits until it has painted and finished
# its work (no processor time for half a second), gives File > Exit by its
# keys and prints the seconds from the last key to the end of the process.
exit_time() {
  local lumenor="$1" file="$2" name pid window="" last=-1 now quiet=0 start end
  name="$(basename "$file")"
  QT_QPA_PLATFORM=xcb "$lumenor" "$file" >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 600); do
    window=$(xdotool search --name "^${name//./\\.} - Lumenor\$" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  while [ "$quiet" -lt 5 ] && kill -0 "$pid" 2>/dev/null; do
    sleep 0.1
    now="$(cpu_seconds "$pid")"
    if [ "$now" = "$last" ]; then quiet=$((quiet + 1)); else quiet=0; fi
    last="$now"
  done
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool key alt+f
  sleep 0.5
  start="$(date +%s.%N)"
  xdotool key e
  while kill -0 "$pid" 2>/dev/null; do sleep 0.005; done
  end="$(date +%s.%N)"
  wait "$pid" 2>/dev/null || true
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
}

# The figure after a label in app_bench's output: the first number.
figure() { { grep "^$1" "$2" || true; } | head -1 | sed "s/^$1 *//" | awk '{ print $1 }'; }

for spec in "${files[@]}"; do
  size="${spec%%:*}"
  copies="${spec##*:}"
  file="$work/duplex-x$copies.ifc"
  "$scale" "$samples/duplex.ifc" "$copies" "$file"
  bytes="$(stat -c %s "$file")"
  echo "== $(awk -v b="$bytes" 'BEGIN { printf "%.1f MB", b / 1e6 }'), $(grep -c '^#' "$file") entity lines, $runs runs each"
  for ((r = 0; r < runs; ++r)); do
    for i in "${!builds[@]}"; do
      "$(program "${builds[$i]}" app_bench)" "$file" >"$work/${labels[$i]}.$size.$r.out" 2>&1 || true
      exit_time "$(program "${builds[$i]}" lumenor)" "$file" >"$work/${labels[$i]}.$size.$r.exit"
    done
  done
  printf '%-8s %9s %9s %9s %9s %9s %9s %9s %9s %9s\n' build painted inverse cpu-paint cpu-inv idle idle-cpu key-max peak exit
  printf '%-8s %9s %9s %9s %9s %9s %9s %9s %9s %9s\n' "" "s" "s after" s s ms ms ms "x file" s
  for i in "${!builds[@]}"; do
    l="${labels[$i]}"
    painted=$(for r in $(seq 0 $((runs - 1))); do figure "upper tree painted" "$work/$l.$size.$r.out"; done | median)
    inverse=$(for r in $(seq 0 $((runs - 1))); do figure "inverse complete" "$work/$l.$size.$r.out"; done | median)
    idle=$(for r in $(seq 0 $((runs - 1))); do figure "longest idle pass" "$work/$l.$size.$r.out"; done | median)
    key=$(for r in $(seq 0 $((runs - 1))); do { grep "^keys during" "$work/$l.$size.$r.out" || true; } | sed 's/.*longest //' | awk '{ print $1 }'; done | median)
    peak=$(for r in $(seq 0 $((runs - 1))); do { grep "^peak resident" "$work/$l.$size.$r.out" || true; } | sed 's/.*= //' | awk '{ print $1 }'; done | median)
    cpupaint=$(for r in $(seq 0 $((runs - 1))); do figure "processor to painted" "$work/$l.$size.$r.out"; done | median)
    idlecpu=$(for r in $(seq 0 $((runs - 1))); do figure "longest idle processor" "$work/$l.$size.$r.out"; done | median)
    cpuinv=$(for r in $(seq 0 $((runs - 1))); do figure "processor for inverse" "$work/$l.$size.$r.out"; done | median)
    quit=$(cat "$work/$l.$size".*.exit | median)
    printf '%-8s %9s %9s %9s %9s %9s %9s %9s %9s %9s\n' "$l" "$painted" "$inverse" "$cpupaint" "$cpuinv" "$idle" "$idlecpu" "$key" "$peak" "$quit"
  done
  rm -f "$file"
done
