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

source "$(dirname "$0")/e2e_lib.sh"
e2e_require xvfb-run xauth xdotool xclip import compare convert identify
e2e_on_own_display 1024x768 "$0" "$@"
e2e_setup

export QT_QPA_PLATFORM=xcb
start_lumenor "$example"
find_window '^house\.ifc - Lumenor$' "opening house.ifc"
xdotool windowfocus --sync "$window" 2>/dev/null || true

# Typing # in the tree opens Go to with it; the digits follow into its field.
xdotool key numbersign
focus_window '^Go to Entity$'
xdotool type --delay 20 "7"
xdotool key Return
xdotool windowfocus --sync "$window" 2>/dev/null || true
ref7=$(reference 7)
expect_shows "# 7 Enter" "$ref7"

# The lower tree's first row (the only referrer of #7 is #10, whose only
# referrer is #16).
ref10=$(reference 10)
first_row=$(lower_tree_first_row "$ref7" "$ref10")
[ -n "$first_row" ] || fail "cannot find the lower tree's rows"

follow_first_referrer "$first_row"
expect_shows "right double click on #10" "$ref10"
follow_first_referrer "$first_row"
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

# Copy: the selected item's label as the file has it, then its name, read
# back from the display's clipboard.
expect_clipboard() {
  local clip="" _
  for _ in $(seq 20); do
    clip=$(xclip -selection clipboard -o 2>/dev/null || true)
    [ "$clip" = "$2" ] && return 0
    sleep 0.1
  done
  fail "$1: the clipboard holds '$clip', not '$2'"
}
xdotool key ctrl+c
expect_clipboard "Ctrl+C" "$(grep -m1 '^#36=' "$example" | tr -d '\r')"
xdotool key ctrl+shift+c
expect_clipboard "Ctrl+Shift+C" "#36"

stop_lumenor
echo "e2e: passed"
