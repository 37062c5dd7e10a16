#!/usr/bin/env bash
# End to end: the real program on a virtual X display, driven by real key
# and mouse input: search, following references, Back, Forward, Go to and
# Copy, the lock panes, the icon, a dark colour scheme and high DPI. What the window shows after each step is compared pixel
# for pixel with what the same program renders offscreen for the state that
# step must reach (--screenshot --select N); both paint through the same
# code with the same fonts, so any difference is a real one.
#
#   viewer_e2e.sh LUMENOR EXAMPLE.ifc
set -euo pipefail

lumenor="$1"
example="$2"

source "$(dirname "$0")/e2e_lib.sh"
e2e_require xvfb-run xauth xdotool xprop xclip import compare convert identify
e2e_on_own_display 1920x1440 "$0" "$@"
e2e_setup
# No desktop's colour scheme: the window has the colours of --screenshot.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_SESSION_VERSION KDE_FULL_SESSION QT_QPA_PLATFORMTHEME

# --- The program's command line ----------------------------------------------

[[ "$("$lumenor" --help)" == *"--screenshot OUT.png"* ]] || fail "--help does not describe --screenshot"
[ "$("$lumenor" --version)" = "Lumenor 1, 1, 0, 0" ] || fail "--version: $("$lumenor" --version)"
status=0
"$lumenor" --bogus >/dev/null 2>"$work/err" || status=$?
[ "$status" = 2 ] || fail "an unknown option exits with $status, not 2"
# Without a display, with one that cannot be reached, and in a Wayland
# session whose compositor cannot be reached with no X display: one line that
# names the display and --screenshot, and status 1, never the toolkit's abort.
expect_one_line() { # what pattern env-arguments...
  local what="$1" pattern="$2" status=0
  shift 2
  env "$@" "$lumenor" "$example" >/dev/null 2>"$work/err" || status=$?
  [ "$status" = 1 ] || fail "$what: the program exits with $status, not 1"
  [ "$(wc -l <"$work/err")" = 1 ] && grep -q -- "$pattern" "$work/err" || fail "$what: $(cat "$work/err")"
}
expect_one_line "without a display" "--screenshot" -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM
expect_one_line "with an unreachable display" ":99999.*--screenshot" -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:99999
expect_one_line "with an unreachable Wayland display" "lumenor-e2e-none.*--screenshot" \
  -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=lumenor-e2e-none
# With an X display beside it, the window opens there.
WAYLAND_DISPLAY=lumenor-e2e-none QT_QPA_PLATFORM= open_example "with a Wayland display that cannot be reached, on X"
stop_lumenor

# --- The window ------------------------------------------------------------

# The file named on the command line is opened after the window is shown.
open_example "opening house.ifc"
ref0=$(reference 0)
expect_shows "opened" "$ref0"

# The status bar's lock panes follow the keyboard's indicators: with Caps
# Lock on, the window differs from the rendering (where no lock is on) only
# in the status bar's right part, where "UF" appears; Num Lock's "NUM" lies
# right of it. (The virtual keyboard's Scroll Lock key lights no indicator.)
read -r width height < <(identify -format '%w %h\n' "$ref0")
xdotool key Caps_Lock
read -r cw ch cx cy < <(differing_box "$ref0") || fail "Caps Lock on: the window still shows no lock"
key_shows Caps_Lock "Caps Lock off again" "$ref0"
xdotool key Num_Lock
read -r nw nh nx ny < <(differing_box "$ref0") || fail "Num Lock on: the window still shows no lock"
key_shows Num_Lock "Num Lock off again" "$ref0"
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
key_shows "Down Down" "two rows down" "$(reference 2)"

# Search: Ctrl+F, a text, Enter. #6 is the first unit after #2.
enter_in_dialog ctrl+f Search ifcsiunit "search for ifcsiunit" "$(reference 6)"

# Search again: the next unit, #7.
ref7=$(reference 7)
key_shows F3 "search again" "$ref7"

# Following references: a right double click on the lower tree's first row
# (#10, the only entity that refers to #7) selects that entity, whose only
# referrer is #16; then Back twice and Forward once.
ref10=$(reference 10)
first_row=$(lower_tree_first_row "$ref7" "$ref10")
[ -n "$first_row" ] || fail "cannot find the lower tree's rows"
follow_first_referrer "$first_row"
expect_shows "right double click on #10" "$ref10"
follow_first_referrer "$first_row"
expect_shows "right double click on #16" "$(reference 16)"
key_shows alt+Left "Back" "$ref10"
key_shows alt+Left "Back again" "$ref7"
key_shows alt+Right "Forward" "$ref10"

# Go to: typing # in the tree opens it with the #, the digits follow into
# its field; then by Ctrl+G to an entity below the shown rows.
enter_in_dialog numbersign 'Go to Entity' 7 "# 7 Enter" "$ref7"
enter_in_dialog ctrl+g 'Go to Entity' 36 "Ctrl+G 36 Enter" "$(reference 36)"

# Copy: the selected item's label as the file has it, then its name, read
# back from the display's clipboard.
clipboard_holds() { clip=$(xclip -selection clipboard -o 2>/dev/null || true) && [ "$clip" = "$1" ]; }
label=$(grep -m1 '^#36=' "$example" | tr -d '\r')
xdotool key ctrl+c
poll 20 clipboard_holds "$label" || fail "Ctrl+C: the clipboard holds '$clip', not '$label'"
xdotool key ctrl+shift+c
poll 20 clipboard_holds "#36" || fail "Ctrl+Shift+C: the clipboard holds '$clip', not '#36'"

# A search whose item (#37) lies below the last shown row: the tree scrolls
# it into view as the dialog goes, and every row must show the scrolled
# content, not only the two rows whose selection changed.
enter_in_dialog ctrl+f Search wallstandard "search for wallstandard, below the shown rows" "$(reference 37)"

[ "$(xdotool getwindowname "$window")" = "house.ifc - Lumenor" ] || fail "the title changed"

# File > Exit by its keys ends the program, which has put the file into its
# recent-file list.
xdotool key alt+f
sleep 0.3
xdotool key e
poll 50 eval '! kill -0 "$pid" 2>/dev/null' || fail "File > Exit did not end the program"
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
XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME="$work/dark" open_example "dark scheme"
# Pixels of a colour, and pixels lighter than 70 % (the labels' text, drawn
# smooth).
count() { convert "$work/dark.png" -format %c histogram:info:- | awk -v c="$1" 'index($0, c) { sum += $1 } END { print sum + 0 }'; }
light() { convert "$work/dark.png" -colorspace gray -threshold 70% -format '%[fx:round(mean*w*h)]' info:; }
dark_shown() {
  import -window "$window" "$work/dark.png"
  size=$(identify -format '%[fx:w*h]' "$work/dark.png")
  [ "$(count '#232629')" -gt $((size / 3)) ] && [ "$(count '#3DAEE9')" -gt 500 ] && [ "$(light)" -gt 1000 ]
}
poll 40 dark_shown ||
  fail "dark scheme: $(count '#232629') pixels of its background, $(count '#3DAEE9') of its highlight, $(light) light ones"
stop_lumenor
# --- High DPI from the X server ---------------------------------------------

# Qt takes the device pixel ratio from the X resources' Xft.dpi: 120, 168
# and 192 dots per inch give 1.25, 1.75 and 2. The window shows exactly what
# the program renders offscreen at that ratio: opened, after Page Down, and
# after the wheel scrolled up and back down (moved pixels and painted rows
# meet without a seam, no part of a row stays behind).
last=$(grep -o '^#[0-9]*' "$example" | tail -1 | tr -d '#')
# Settings of their own: no place or pane height kept from the runs above.
export XDG_CONFIG_HOME="$work/config-dpi"
for dpi in 120 168 192; do
  scale=$(awk -v dpi="$dpi" 'BEGIN { print dpi / 96 }')
  xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t%s\n' "$dpi")"
  open_example "Xft.dpi $dpi"
  expect_shows "Xft.dpi $dpi: opened" "$(reference 0 "$scale")"
  # The first Page Down takes the caret to the bottom row, the second one
  # scrolls to the last page.
  ref=$(reference "$last" "$scale")
  key_shows "Next Next" "Xft.dpi $dpi: Page Down" "$ref"
  xdotool mousemove --window "$window" 100 200 click 4
  [ -n "$(differing_box "$ref")" ] || fail "Xft.dpi $dpi: the wheel did not scroll"
  xdotool click 5 mousemove --window "$window" 400 5
  expect_shows "Xft.dpi $dpi: wheel up and down" "$ref"
  stop_lumenor
done
xprop -root -remove RESOURCE_MANAGER

echo "e2e: passed"
