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

source "$(dirname "$0")/e2e_lib.sh"
e2e_require xvfb-run xauth xdotool import convert
[ -x "$ifc_scale" ] && [ -f "$source_ifc" ] || { echo "SKIP: no $ifc_scale or $source_ifc"; exit 77; }
e2e_on_own_display 1024x768 "$0" "$@"
e2e_setup

# About 310 MB and 4.7 million entities, compressed: decompressing keeps the
# load on the screen for a second or more even on a fast machine (a plain
# file of that size loads in a few tenths, too short for a grab to see the
# bar grow), and building takes seconds.
"$ifc_scale" "$source_ifc" 120 "$work/big.ifc" >/dev/null
gzip -1 "$work/big.ifc"

start_lumenor "$work/big.ifc.gz"
find_window ' - Lumenor$' "starting on big.ifc.gz"
eval "$(xdotool getwindowgeometry --shell "$window")"
# X, Y, WIDTH, HEIGHT: the window's client area on the screen.

# The window's part of the screen, again and again, until the title names
# the file (the open is complete) and some frames more, for the tree.
mkdir "$work/frames"
after=0
for i in $(seq -w 0 999); do
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" "$work/frames/$i.png" 2>/dev/null || true
  if [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "big.ifc.gz - Lumenor" ]; then
    after=$((after + 1))
    [ "$after" -ge 25 ] && break
  fi
  kill -0 "$pid" 2>/dev/null || fail "the program ended (log: $(cat "$work/log"))"
done

# What each frame shows, from the window's pixels at scale 1: the width of
# the label's text in progress mode (it starts 170 px into the status bar),
# the pixels of the progress bar filled with the highlight colour, the
# highlighted pixels in the first rows of the upper tree (the selected item),
# and the rows of the upper tree that hold text.
highlight='srgb(48,140,198)'
bar_y=$((HEIGHT - 19))
count_colour() { # image geometry colour
  convert "$1" +repage -crop "$2" +repage -fill black +opaque "$3" -fill white -opaque "$3" \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}
ink_width() { # image geometry
  convert "$1" +repage -crop "$2" +repage -colorspace gray -threshold 50% -negate -trim \
    -format '%[fx:w>1?w:0]' info: 2>/dev/null || echo 0
}
text_rows() { # rows of the upper tree with dark pixels
  convert "$1" +repage -crop "600x300+0+50" +repage -colorspace gray -threshold 50% -negate \
    -scale '1x300!' -format '%c' histogram:info: 2>/dev/null | awk '/gray\(0\)/ { n = $1 } END { print 300 - n }'
}
states=()
fills=()
details=()
for frame in "$work"/frames/*.png; do
  label=$(ink_width "$frame" "600x16+170+$bar_y")
  fill=$(count_colour "$frame" "160x16+5+$bar_y" "$highlight")
  selected=$(count_colour "$frame" "400x40+0+40" "$highlight")
  if [ "$(convert "$frame" +repage -crop "600x300+0+50" -format '%[fx:mean>0.5]' info:)" = 1 ] &&
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
