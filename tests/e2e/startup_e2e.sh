#!/usr/bin/env bash
# End to end: the real program started on a large file on a virtual X
# display, whose screen is grabbed again and again while it starts. What the
# user must see, in this order: the window with the empty document before
# the load ends, "Loading" with a growing bar, "Building tree structure",
# then the tree. Pixels of the real display, not the program's own word.
#
#   startup_e2e.sh LUMENOR SOURCE.ifc IFC-SCALE
set -euo pipefail

lumenor="$1"
source_ifc="$2"
ifc_scale="$3"

for tool in xvfb-run xauth xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup-deps installs it)"; exit 77; }
done
[ -x "$ifc_scale" ] && [ -f "$source_ifc" ] || { echo "SKIP: no $ifc_scale or $source_ifc"; exit 77; }
if [ -z "${LUMENOR_E2E_DISPLAY:-}" ]; then
  LUMENOR_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_CONFIG_HOME="$work/config"
fail() {
  echo "FAIL: $*" >&2
  [ -n "${LUMENOR_E2E_KEEP:-}" ] && cp -r "$work/frames" "$LUMENOR_E2E_KEEP/" 2>/dev/null
  exit 1
}

for _ in $(seq 50); do
  xdotool getmouselocation >/dev/null 2>&1 && break
  sleep 0.1
done

# About 310 MB and 4.7 million entities: loading and building take seconds.
"$ifc_scale" "$source_ifc" 120 "$work/big.ifc" >/dev/null

export QT_QPA_PLATFORM=xcb
"$lumenor" "$work/big.ifc" >"$work/out" 2>"$work/log" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

window=""
for _ in $(seq 600); do
  window=$(xdotool search --name ' - Lumenor$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended (log: $(cat "$work/log"))"
  sleep 0.05
done
[ -n "$window" ] || fail "no window appeared"
eval "$(xdotool getwindowgeometry --shell "$window")"
# X, Y, WIDTH, HEIGHT: the window's client area on the screen.

# The window's part of the screen, again and again, until the title names
# the file (the open is complete) and some frames more, for the tree.
mkdir "$work/frames"
after=0
for i in $(seq -w 0 999); do
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" "$work/frames/$i.png" 2>/dev/null || true
  if [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "big.ifc - Lumenor" ]; then
    after=$((after + 1))
    [ "$after" -ge 25 ] && break
  fi
  kill -0 "$pid" 2>/dev/null || fail "the program ended (log: $(cat "$work/log"))"
done
X=0
Y=0

# What each frame shows, from the window's pixels at scale 1: the width of
# the label's text in progress mode (it starts 170 px into the status bar),
# the pixels of the progress bar filled with the highlight colour, the
# highlighted pixels in the first rows of the upper tree (the selected item),
# and the rows of the upper tree that hold text.
highlight='srgb(48,140,198)'
bar_y=$((Y + HEIGHT - 19))
count_colour() { # image geometry colour
  convert "$1" +repage -crop "$2" +repage -fill black +opaque "$3" -fill white -opaque "$3" \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}
ink_width() { # image geometry
  convert "$1" +repage -crop "$2" +repage -colorspace gray -threshold 50% -negate -trim \
    -format '%[fx:w>1?w:0]' info: 2>/dev/null || echo 0
}
text_rows() { # rows of the upper tree with dark pixels
  convert "$1" +repage -crop "600x300+$X+$((Y + 50))" +repage -colorspace gray -threshold 50% -negate \
    -scale '1x300!' -format '%c' histogram:info: 2>/dev/null | awk '/gray\(0\)/ { n = $1 } END { print 300 - n }'
}
states=()
fills=()
details=()
for frame in "$work"/frames/*.png; do
  label=$(ink_width "$frame" "600x16+$((X + 170))+$bar_y")
  fill=$(count_colour "$frame" "160x16+$((X + 5))+$bar_y" "$highlight")
  selected=$(count_colour "$frame" "400x40+$X+$((Y + 40))" "$highlight")
  if [ "$(convert "$frame" +repage -crop "600x300+$X+$((Y + 50))" -format '%[fx:mean>0.5]' info:)" = 1 ] &&
    [ "$(text_rows "$frame")" -ge 150 ]; then
    state=T # the tree
  elif [ "$label" -ge 35 ] && [ "$label" -le 60 ]; then
    # "Loading"; E while the empty document's one item shows, selected.
    state=L
    [ "$selected" -ge 500 ] && state=E
  elif [ "$label" -ge 110 ] && [ "$label" -le 170 ] && [ "$selected" -lt 500 ]; then
    state=B # "Building tree structure", over the emptied tree
  else
    state=-
  fi
  states+=("$state")
  fills+=("$fill")
  details+=("$state:$label/$fill/$selected")
done
echo "frames (state:label/bar/selected): ${details[*]}"

seen=$(printf '%s\n' "${states[@]}" | grep -v -- - | uniq | tr -d '\n')
[[ "$seen" =~ ^EL?BT$ ]] ||
  fail "the frames show $seen, not the empty window while loading, then building, then the tree"
# The bar grows while the file loads.
previous=-1
distinct=0
for i in "${!states[@]}"; do
  case "${states[$i]}" in
  E | L)
    [ "${fills[$i]}" -ge "$previous" ] || fail "the bar shrank during the load (${fills[*]})"
    [ "${fills[$i]}" -gt "$previous" ] && distinct=$((distinct + 1))
    previous=${fills[$i]}
    ;;
  esac
done
[ "$distinct" -ge 2 ] || fail "the bar did not grow during the load (${fills[*]})"

kill "$pid"
echo "startup e2e: passed"
