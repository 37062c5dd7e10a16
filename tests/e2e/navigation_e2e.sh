#!/usr/bin/env bash
# End to end: following references in the real program on a virtual X
# display, by real key and mouse input. A chain of jumps: # and digits open
# Go to, two right double clicks down the lower tree, Back twice, Forward
# once, Ctrl+G to a number, then Ctrl+C and Ctrl+Shift+C, read back from the
# display's clipboard. After each step the window must show exactly what the
# program renders offscreen with that entity selected (--select N).
#
#   navigation_e2e.sh LUMENOR EXAMPLE.ifc
set -euo pipefail

lumenor="$1"
example="$2"

for tool in xvfb-run xauth xdotool xclip import compare convert identify; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup-deps installs it)"; exit 77; }
done
if [ -z "${LUMENOR_E2E_DISPLAY:-}" ]; then
  LUMENOR_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_CONFIG_HOME="$work/config"

fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

for _ in $(seq 50); do
  xdotool getmouselocation >/dev/null 2>&1 && break
  sleep 0.1
done

reference() {
  local out="$work/ref$1.png"
  [ -f "$out" ] || QT_QPA_PLATFORM=offscreen "$lumenor" --screenshot "$out" --select "$1" "$example"
  echo "$out"
}

expect_shows() {
  local what="$1" ref="$2" shot="$work/shown.png" diff=""
  for _ in $(seq 40); do
    import -window "$window" "$shot"
    diff=$(compare -metric AE "$shot" "$ref" null: 2>&1 || true)
    [ "$diff" = 0 ] && return 0
    sleep 0.1
  done
  cp "$shot" "${LUMENOR_E2E_KEEP:-$work}/failed-$(basename "$ref")" 2>/dev/null || true
  fail "$what: the window differs from the program's own rendering in $diff pixels"
}

# Waits for a window of that title and gives it the keyboard.
focus_window() {
  local found=""
  for _ in $(seq 50); do
    found=$(xdotool search --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$found" ] && break
    sleep 0.1
  done
  [ -n "$found" ] || fail "no window titled $1"
  xdotool windowfocus --sync "$found" 2>/dev/null || true
}

export QT_QPA_PLATFORM=xcb
"$lumenor" "$example" >"$work/out" 2>"$work/log" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^house\.ifc - Lumenor$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no window titled 'house.ifc - Lumenor' (log: $(cat "$work/log"))"
xdotool windowfocus --sync "$window" 2>/dev/null || true

# Typing # in the tree opens Go to with it; the digits follow into its field.
xdotool key numbersign
focus_window '^Go to Entity$'
xdotool type --delay 20 "7"
xdotool key Return
xdotool windowfocus --sync "$window" 2>/dev/null || true
ref7=$(reference 7)
expect_shows "# 7 Enter" "$ref7"

# The lower tree's first row: the first band of rows in the lower half of
# the window that differs between the renderings for #7 and #10 (the only
# referrer of #7 is #10, whose only referrer is #16).
ref10=$(reference 10)
height=$(identify -format '%h' "$ref7")
first_row=$({ compare "$ref7" "$ref10" -compose src -highlight-color black -lowlight-color white - 2>/dev/null || true; } |
  convert - -scale "1x${height}!" -depth 8 txt:- |
  awk -F'[,:]' -v half=$((height / 2)) 'NR > 1 && $2 > half && $0 !~ /#FFFFFF/ { print $2; exit }')
[ -n "$first_row" ] || fail "cannot find the lower tree's rows"

follow_first_referrer() {
  xdotool mousemove --window "$window" 40 $((first_row + 6)) click --repeat 2 --delay 80 3
  # The pointer leaves the tree; F6 gives the upper view the keyboard back,
  # as in the rendering.
  xdotool mousemove --window "$window" 400 5
  xdotool key F6
}
follow_first_referrer
expect_shows "right double click on #10" "$ref10"
follow_first_referrer
expect_shows "right double click on #16" "$(reference 16)"

xdotool key alt+Left
expect_shows "Back" "$ref10"
xdotool key alt+Left
expect_shows "Back again" "$ref7"
xdotool key alt+Right
expect_shows "Forward" "$ref10"

xdotool key ctrl+g
focus_window '^Go to Entity$'
xdotool type --delay 20 "36"
xdotool key Return
xdotool windowfocus --sync "$window" 2>/dev/null || true
expect_shows "Ctrl+G 36 Enter" "$(reference 36)"

# Copy: the selected item's label as the file has it, then its name.
label=$(grep -m1 '^#36=' "$example" | tr -d '\r')
xdotool key ctrl+c
clip=""
for _ in $(seq 20); do
  clip=$(xclip -selection clipboard -o 2>/dev/null || true)
  [ "$clip" = "$label" ] && break
  sleep 0.1
done
[ "$clip" = "$label" ] || fail "Ctrl+C: the clipboard holds '$clip', not '$label'"
xdotool key ctrl+shift+c
for _ in $(seq 20); do
  clip=$(xclip -selection clipboard -o 2>/dev/null || true)
  [ "$clip" = "#36" ] && break
  sleep 0.1
done
[ "$clip" = "#36" ] || fail "Ctrl+Shift+C: the clipboard holds '$clip', not '#36'"

kill "$pid"
wait "$pid" 2>/dev/null || true
echo "e2e: passed"
