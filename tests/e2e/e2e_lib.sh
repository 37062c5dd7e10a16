# What the end-to-end scripts share, sourced by each of them once it has set
# lumenor (the program) and, where it renders references, example (the file).

# Skips (status 77) unless every tool named is installed.
e2e_require() {
  local tool
  for tool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup-deps installs it)"; exit 77; }
  done
}

# Runs the calling script again on a virtual display of its own, of the size
# given (WIDTHxHEIGHT). Without -noreset the server resets whenever its last
# client leaves (each xdotool call, each program run), and a connection made
# during a reset fails.
e2e_on_own_display() {
  if [ -z "${LUMENOR_E2E_DISPLAY:-}" ]; then
    LUMENOR_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 $1x24 -noreset" "${@:2}"
  fi
}

# Runs the command again every tenth of a second, up to N times, until it
# succeeds; fails when it never does.
poll() { # N command...
  local n="$1" _
  shift
  for _ in $(seq "$n"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

fail() {
  echo "FAIL: $*" >&2
  [ -n "${LUMENOR_E2E_KEEP:-}" ] && [ -d "$work/frames" ] && cp -r "$work/frames" "$LUMENOR_E2E_KEEP/" 2>/dev/null
  exit 1
}

# A folder of the script's own for files, runtime files and settings (the
# recent-file list and the window's place go there, not into the user's
# own), removed at the end with the program the script started; then waits
# until the virtual display accepts connections. The program's windows go
# to that display (through Qt's X plugin).
e2e_setup() {
  work="$(mktemp -d)"
  pid=""
  trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
  trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
  export XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  export XDG_CONFIG_HOME="$work/config"
  export QT_QPA_PLATFORM=xcb
  poll 50 xdotool getmouselocation >/dev/null 2>&1 || true
}

# Starts the program in the background (pid) with the arguments given.
start_lumenor() {
  "$lumenor" "$@" >"$work/out" 2>"$work/log" &
  pid=$!
}

# Stops the program started last.
stop_lumenor() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}

# Waits for a window whose title matches the pattern and sets window to it,
# or fails naming what was looked for, also as soon as the program ends.
find_window() { # pattern what
  poll 200 window_titled "$@" || fail "$2: no window titled $1 (log: $(cat "$work/log" 2>/dev/null))"
}
window_titled() {
  window=$(xdotool search --name "$1" 2>/dev/null | head -1 || true)
  [ -z "$window" ] || return 0
  [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null || fail "$2: the program ended (log: $(cat "$work/log"))"
  return 1
}

# Starts the program on the example and waits for its window, which gets
# the keyboard; the argument says what is being done.
open_example() {
  start_lumenor "$example"
  find_window '^house\.ifc - Lumenor$' "$1"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}

# Opens a dialog by its keys (ctrl+f, ctrl+g, ...), types the text into
# it and presses Enter; the main window gets the keyboard back. Given what
# and a reference, then expects_shows them.
enter_in_dialog() { # keys title text [what reference]
  local main="$window"
  xdotool key "$1"
  find_window "^$2\$" "$2"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  xdotool type --delay 20 "$3"
  xdotool key Return
  window="$main"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  [ $# -lt 5 ] || expect_shows "$4" "$5"
}

# What the program renders offscreen with entity N selected (0: as opened),
# at the device pixel ratio given (default 1).
reference() {
  local n="$1" scale="${2:-1}" out="$work/ref-${2:-1}-$1.png" select=()
  [ "$n" = 0 ] || select=(--select "$n")
  [ -f "$out" ] ||
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$scale" "$lumenor" --screenshot "$out" "${select[@]}" "$example"
  echo "$out"
}

# Whether the window (grabbed into shown.png) shows exactly the image; diff:
# how many pixels differ.
shows() {
  import -window "$window" "$work/shown.png"
  diff=$(compare -metric AE "$work/shown.png" "$1" null: 2>&1 || true)
  [ "$diff" = 0 ]
}
differs() { ! shows "$1"; }

# Waits until the window shows exactly the reference, or fails.
expect_shows() { # what reference
  poll 40 shows "$2" && return
  cp "$work/shown.png" "${LUMENOR_E2E_KEEP:-$work}/failed-$(basename "$2")" 2>/dev/null || true
  fail "$1: the window differs from the program's own rendering in $diff pixels"
}

# Presses the keys (one argument, split at blanks), then expects_shows.
key_shows() { # keys what reference
  xdotool key --delay 50 $1
  expect_shows "$2" "$3"
}

# Prints the box (W H X Y) of the pixels of the window that differ from the
# reference, once they do; nothing if they never do.
differing_box() {
  poll 40 differs "$1" || return 0
  { compare "$work/shown.png" "$1" -compose src -highlight-color black -lowlight-color white - 2>/dev/null || true; } |
    convert - -trim -format '%w %h %X %Y\n' info: | tr -d +
}

# The y of the lower tree's first row: the first band of rows in the lower
# half of the window that differs between two renderings whose lower trees
# list different entities.
lower_tree_first_row() {
  local height
  height=$(identify -format '%h' "$1")
  { compare "$1" "$2" -compose src -highlight-color black -lowlight-color white - 2>/dev/null || true; } |
    convert - -scale "1x${height}!" -depth 8 txt:- |
    awk -F'[,:]' -v half=$((height / 2)) 'NR > 1 && $2 > half && $0 !~ /#FFFFFF/ { print $2; exit }'
}

# A right double click on the lower tree's first row (at y), then the
# pointer leaves the tree and F6 gives the upper view the keyboard back, as
# in the renderings.
follow_first_referrer() {
  xdotool mousemove --window "$window" 40 $(($1 + 6)) click --repeat 2 --delay 80 3
  xdotool mousemove --window "$window" 400 5
  xdotool key F6
}
