#!/usr/bin/env bash
# End to end: the real program on a virtual X display, driven by real key
# and mouse input. What the window shows after each step is compared pixel
# for pixel with what the same program renders offscreen for the state that
# step must reach (--screenshot --select N); both paint through the same
# code with the same fonts, so any difference is a real one.
#
#   viewer_e2e.sh LUMENOR EXAMPLE.ifc
set -euo pipefail

lumenor="$1"
example="$2"

for tool in xvfb-run xauth xdotool xprop import compare convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup-deps installs it)"; exit 77; }
done
# Everything runs on a virtual display of its own. Without -noreset the
# server resets whenever its last client leaves (each xdotool call, each
# program run), and a connection made during a reset fails.
if [ -z "${LUMENOR_E2E_DISPLAY:-}" ]; then
  LUMENOR_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1920x1440x24 -noreset" "$0" "$@"
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The recent-file list goes here, not into the user's own settings.
export XDG_CONFIG_HOME="$work/config"
# No desktop's colour scheme: the window has the colours of --screenshot.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_SESSION_VERSION KDE_FULL_SESSION QT_QPA_PLATFORMTHEME

fail() { echo "FAIL: $*" >&2; exit 1; }
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

# The virtual display may take a moment to accept connections.
for _ in $(seq 50); do
  xdotool getmouselocation >/dev/null 2>&1 && break
  sleep 0.1
done

# --- The program's command line ----------------------------------------------

[[ "$("$lumenor" --help)" == *"--screenshot OUT.png"* ]] || fail "--help does not describe --screenshot"
[ "$("$lumenor" --version)" = "Lumenor 1, 1, 0, 0" ] || fail "--version: $("$lumenor" --version)"
status=0
"$lumenor" --bogus >/dev/null 2>"$work/err" || status=$?
[ "$status" = 2 ] || fail "an unknown option exits with $status, not 2"
entities=$(grep -c '^#[0-9]*=' "$example")
lines=$(QT_QPA_PLATFORM= "$lumenor" --print "$example" | wc -l)
[ "$lines" = $((entities + 1)) ] || fail "--print gave $lines lines for $entities entities and the header"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$lumenor" "$example" >/dev/null 2>"$work/err" || status=$?
[ "$status" != 0 ] || fail "without a display the program exits with 0"
[ "$(wc -l <"$work/err")" = 1 ] && grep -q -- '--screenshot' "$work/err" ||
  fail "without a display: $(cat "$work/err")"
# A display that cannot be reached is refused the same way, before the
# windowing system would abort the program.
status=0
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:99999 "$lumenor" "$example" >/dev/null 2>"$work/err" || status=$?
[ "$status" = 1 ] || fail "with an unreachable display the program exits with $status, not 1"
[ "$(wc -l <"$work/err")" = 1 ] && grep -q -- ":99999.*--screenshot" "$work/err" ||
  fail "with an unreachable display: $(cat "$work/err")"

# A Wayland session whose compositor cannot be reached, and no X display:
# one line and status 1 as well, not the toolkit's abort.
status=0
env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=lumenor-e2e-none "$lumenor" "$example" >/dev/null 2>"$work/err" ||
  status=$?
[ "$status" = 1 ] || fail "with an unreachable Wayland display the program exits with $status, not 1"
[ "$(wc -l <"$work/err")" = 1 ] && grep -q -- "lumenor-e2e-none.*--screenshot" "$work/err" ||
  fail "with an unreachable Wayland display: $(cat "$work/err")"
# With an X display beside it, the window opens there.
env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=lumenor-e2e-none "$lumenor" "$example" >/dev/null 2>"$work/err" &
other=$!
shown=""
for _ in $(seq 100); do
  shown=$(xdotool search --name '^house\.ifc - Lumenor$' 2>/dev/null | head -1 || true)
  [ -n "$shown" ] && break
  sleep 0.1
done
kill "$other" 2>/dev/null || true
wait "$other" 2>/dev/null || true
[ -n "$shown" ] || fail "with a Wayland display that cannot be reached, no window opened on X: $(cat "$work/err")"

# --- The window ------------------------------------------------------------

export QT_QPA_PLATFORM=xcb

# What the program renders offscreen with entity N selected (0: as opened).
reference() {
  local out="$work/ref$1.png"
  if [ "$1" = 0 ]; then
    QT_QPA_PLATFORM=offscreen "$lumenor" --screenshot "$out" "$example"
  else
    QT_QPA_PLATFORM=offscreen "$lumenor" --screenshot "$out" --select "$1" "$example"
  fi
  echo "$out"
}

# Waits until the window shows exactly the reference, or fails.
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

"$lumenor" "$example" >"$work/out" 2>"$work/log" &
pid=$!
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT

# The file named on the command line is opened after the window is shown.
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^house\.ifc - Lumenor$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "no window titled 'house.ifc - Lumenor' (log: $(cat "$work/log"))"
xdotool windowfocus --sync "$window" 2>/dev/null || true
ref0=$(reference 0)
expect_shows "opened" "$ref0"

# The status bar's lock panes follow the keyboard's indicators: with Caps
# Lock on, the window differs from the rendering (where no lock is on) only
# in the status bar's right part, where "UF" appears; Num Lock's "NUM" lies
# right of it. (The virtual keyboard's Scroll Lock key lights no indicator.)
# Prints the box (W H X Y) of the pixels that differ from the reference,
# once they do.
differing_box() {
  local shot="$work/shown.png"
  for _ in $(seq 40); do
    import -window "$window" "$shot"
    if [ "$(compare -metric AE "$shot" "$1" null: 2>&1 || true)" != 0 ]; then
      { compare "$shot" "$1" -compose src -highlight-color black -lowlight-color white - 2>/dev/null || true; } |
        convert - -trim -format '%w %h %X %Y\n' info: | tr -d +
      return
    fi
    sleep 0.1
  done
}
read -r width height < <(identify -format '%w %h\n' "$ref0")
xdotool key Caps_Lock
read -r cw ch cx cy < <(differing_box "$ref0") || fail "Caps Lock on: the window still shows no lock"
xdotool key Caps_Lock
expect_shows "Caps Lock off again" "$ref0"
xdotool key Num_Lock
read -r nw nh nx ny < <(differing_box "$ref0") || fail "Num Lock on: the window still shows no lock"
xdotool key Num_Lock
expect_shows "Num Lock off again" "$ref0"
[ "$cy" -gt $((height - 30)) ] && [ "$cx" -gt $((width / 2)) ] && [ "$cw" -gt 6 ] && [ "$ch" -gt 5 ] ||
  fail "Caps Lock on: the window differs in ${cw}x${ch}+${cx}+${cy}, not in the status bar's UF pane"
[ "$ny" -gt $((height - 30)) ] && [ "$nx" -ge $((cx + cw)) ] && [ "$nw" -gt 12 ] ||
  fail "Num Lock on: the window differs in ${nw}x${nh}+${nx}+${ny}, not right of the UF pane"

# The window's icon is the program's, at the sizes desktops ask for: the
# tile's opaque blue (ARGB 0xFF24507A) in each.
icon=$(xprop -id "$window" _NET_WM_ICON)
for size in 16 32 48; do
  grep -q "Icon ($size x $size)" <<<"$icon" || fail "the window has no icon of $size x $size"
done
[ "$(xprop -id "$window" -notype 32c _NET_WM_ICON | grep -o 4280569978 | wc -l)" -gt 1000 ] ||
  fail "the window's icon is not the program's"

# Select with the arrow keys: the header, then #1, then #2.
xdotool key --delay 50 Down Down
expect_shows "two rows down" "$(reference 2)"

# Search: Ctrl+F, a text, Enter.
search_for() {
  local dialog=""
  xdotool key ctrl+f
  for _ in $(seq 50); do
    dialog=$(xdotool search --name '^Search$' 2>/dev/null | head -1 || true)
    [ -n "$dialog" ] && break
    sleep 0.1
  done
  [ -n "$dialog" ] || fail "Ctrl+F opened no Search dialog"
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  xdotool type --delay 20 "$1"
  xdotool key Return
}

# #6 is the first unit after #2.
search_for "ifcsiunit"
expect_shows "search for ifcsiunit" "$(reference 6)"

# Search again: the next unit, #7.
xdotool key F3
ref7=$(reference 7)
expect_shows "search again" "$ref7"

# A right double click on the first item of the lower tree (#10, the only
# entity that refers to #7) makes that entity the selected one, and the
# lower tree then lists #16, which refers to #10. The renderings for #7
# and for #10 differ in the two selected rows near the top of the upper
# tree and in the lower tree's first row: the first band of differing
# rows in the lower half of the window.
ref10=$(reference 10)
height=$(identify -format '%h' "$ref7")
first_row=$({ compare "$ref7" "$ref10" -compose src -highlight-color black -lowlight-color white - 2>/dev/null || true; } |
  convert - -scale "1x${height}!" -depth 8 txt:- |
  awk -F'[,:]' -v half=$((height / 2)) 'NR > 1 && $2 > half && $0 !~ /#FFFFFF/ { print $2; exit }')
[ -n "$first_row" ] || fail "cannot find the lower tree's rows"
xdotool mousemove --window "$window" 40 $((first_row + 6)) click --repeat 2 --delay 80 3
# The pointer leaves the tree; F6 gives the upper view the keyboard back, as
# in the rendering.
xdotool mousemove --window "$window" 400 5
xdotool key F6
expect_shows "right double click in the lower tree" "$ref10"

# A search whose item lies below the last shown row: the tree scrolls it
# into view as the dialog goes, and every row must show the scrolled
# content, not only the two rows whose selection changed.
search_for "wallstandard"
expect_shows "search for wallstandard, below the shown rows" "$(reference 36)"

[ "$(xdotool getwindowname "$window")" = "house.ifc - Lumenor" ] || fail "the title changed"

# File > Exit by its keys ends the program, which has put the file into its
# recent-file list.
xdotool key alt+f
sleep 0.3
xdotool key e
for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
! kill -0 "$pid" 2>/dev/null || fail "File > Exit did not end the program"
status=0
wait "$pid" || status=$?
[ "$status" = 0 ] || fail "File > Exit: the program ended with status $status"
grep -q "house.ifc" "$XDG_CONFIG_HOME/Velmora/Lumenor by Velmora.conf" ||
  fail "the opened file is not in the recent-file list"

# --- A desktop with a dark colour scheme -----------------------------------

# A KDE session tells the toolkit its colours in kdeglobals: the window takes
# them (dark tree, light text, the scheme's highlight on the selected row).
mkdir -p "$work/dark"
cat >"$work/dark/kdeglobals" <<'SCHEME'
[Colors:View]
BackgroundNormal=35,38,41
ForegroundNormal=252,252,252
[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=252,252,252
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=252,252,252
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=252,252,252
SCHEME
XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME="$work/dark" "$lumenor" "$example" 2>"$work/log" &
pid=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^house\.ifc - Lumenor$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "dark scheme: no window (log: $(cat "$work/log"))"
# Pixels of a colour, and pixels lighter than 70 % (the labels' text, drawn
# smooth).
count() { convert "$work/dark.png" -format %c histogram:info:- | awk -v c="$1" 'index($0, c) { sum += $1 } END { print sum + 0 }'; }
light() { convert "$work/dark.png" -colorspace gray -threshold 70% -format '%[fx:round(mean*w*h)]' info:; }
dark_shown() {
  [ "$(count '#232629')" -gt $((size / 3)) ] && [ "$(count '#3DAEE9')" -gt 500 ] && [ "$(light)" -gt 1000 ]
}
for _ in $(seq 40); do
  import -window "$window" "$work/dark.png"
  size=$(identify -format '%[fx:w*h]' "$work/dark.png")
  dark_shown && break
  sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
dark_shown || fail "dark scheme: $(count '#232629') pixels of its background, $(count '#3DAEE9') of its highlight, $(light) light ones"
# --- High DPI from the X server ---------------------------------------------

# Qt takes the device pixel ratio from the X resources' Xft.dpi: 120, 168
# and 192 dots per inch give 1.25, 1.75 and 2. The window shows exactly what
# the program renders offscreen at that ratio: opened, after Page Down, and
# after the wheel scrolled up and back down (moved pixels and painted rows
# meet without a seam, no part of a row stays behind).
reference_at() {
  local out="$work/ref-$1-$2.png" select=()
  [ "$2" = 0 ] || select=(--select "$2")
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$1" "$lumenor" --screenshot "$out" "${select[@]}" "$example"
  echo "$out"
}
last=$(grep -o '^#[0-9]*' "$example" | tail -1 | tr -d '#')
# Settings of their own: no place or pane height kept from the runs above.
export XDG_CONFIG_HOME="$work/config-dpi"
for dpi in 120 168 192; do
  scale=$(awk -v dpi="$dpi" 'BEGIN { print dpi / 96 }')
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%s\n' "$dpi")"
  "$lumenor" "$example" 2>"$work/log" &
  pid=$!
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name '^house\.ifc - Lumenor$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "Xft.dpi $dpi: no window (log: $(cat "$work/log"))"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  expect_shows "Xft.dpi $dpi: opened" "$(reference_at "$scale" 0)"
  # The first Page Down takes the caret to the bottom row, the second one
  # scrolls to the last page.
  xdotool key --delay 50 Next Next
  ref=$(reference_at "$scale" "$last")
  expect_shows "Xft.dpi $dpi: Page Down" "$ref"
  xdotool mousemove --window "$window" 100 200 click 4
  [ -n "$(differing_box "$ref")" ] || fail "Xft.dpi $dpi: the wheel did not scroll"
  xdotool click 5 mousemove --window "$window" 400 5
  expect_shows "Xft.dpi $dpi: wheel up and down" "$ref"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
done
xprop -root -remove RESOURCE_MANAGER

echo "e2e: passed"
