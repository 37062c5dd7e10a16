#!/usr/bin/env bash
# Hostile input: the real program's queries (--print, --refs, --inverse,
# --screenshot) on files made to break it. Each case gives its documented
# answer or one clear message, within the time and peak memory it states
# (generous bounds, not benchmarks), and the file it read is left as it was:
# same content and modification time. Prints a table: case, result, exit
# status, time, peak memory. (A file cut, grown or rewritten while it loads
# is the model's test, through the same plain-file reader.)
#
#   hostile_input.sh LUMENOR [--small]
#
# --small leaves out the cases of hundreds of megabytes and more and holds
# no case to its peak memory (the sanitized run, whose shadow memory,
# quarantine of freed blocks and slower code are not what the bounds are
# about).
set -euo pipefail

lumenor="$(realpath "$1")"
small="${2:-}"

for tool in /usr/bin/time sha256sum timeout truncate awk prlimit; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/setup-deps installs it)"; exit 77; }
done

work="$(mktemp -d "${TMPDIR:-/tmp}/lumenor-hostile.XXXXXX")"
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
mkdir -m 700 "$XDG_RUNTIME_DIR"
failures=0

row() { printf '%-30s %-52s %6s %8s %9s\n' "$@"; }
row "input" "result" "status" "time s" "peak MB"

# The file's content hash, length and modification time (nanoseconds).
# Past 256 MiB the hash is of the first and last MiB: hashing a 2 GB
# file took longer than the case itself.
stamp() {
  [ -f "$1" ] || { echo "-"; return; }
  local size
  size="$(stat -c %s -- "$1")"
  if [ "$size" -le $((256 << 20)) ]; then
    echo "$(sha256sum <"$1") $(stat -c '%s %y' -- "$1")"
  else
    echo "$({ head -c 1M; tail -c 1M; } <"$1" | sha256sum) $(stat -c '%s %y' -- "$1")"
  fi
}

# run_case NAME SECONDS MEGABYTES STATUS LINES MESSAGE -- ARGS...
# LINES: the lines expected on standard output ('-': not counted,
# 'png:IMAGE': IMAGE is a PNG image made by the call). MESSAGE: an
# extended regular expression that the one line on standard error matches
# (empty: nothing on standard error). The last argument is the file read.
run_case() {
  local name="$1" seconds="$2" megabytes="$3" want_status="$4" want_lines="$5" want_message="$6"
  shift 7
  local file="${*: -1}" before after status lines elapsed peak problem=""
  before="$(stamp "$file")"
  set +e
  { /usr/bin/time -f '%e %M' -o "$work/time" timeout -k 5 "$seconds" "$lumenor" "$@" 2>"$work/err"
    echo $? >"$work/status"; } | wc -l >"$work/lines"
  set -e
  status="$(cat "$work/status")"
  lines="$(tr -d ' ' <"$work/lines")"
  read -r elapsed peak < <(grep -E '^[0-9.]+ [0-9]+$' "$work/time" || echo "? 0")
  after="$(stamp "$file")"
  if [ "$status" = 124 ] || [ "$status" = 137 ]; then
    problem="no answer within ${seconds} s"
  elif [ "$status" != "$want_status" ]; then
    problem="exit status $status, not $want_status: $(head -c 300 "$work/err")"
  elif [ -n "$want_message" ] && { [ "$(wc -l <"$work/err")" != 1 ] || ! grep -Eq "$want_message" "$work/err"; }; then
    problem="not the one message /$want_message/: $(head -c 300 "$work/err")"
  elif [ -z "$want_message" ] && [ -s "$work/err" ]; then
    problem="unexpected message: $(head -c 300 "$work/err")"
  elif [ "${want_lines%%:*}" = png ] && ! head -c 8 "${want_lines#png:}" 2>/dev/null | grep -q PNG; then
    problem="no PNG image made"
  elif [ "$want_lines" != - ] && [ "${want_lines%%:*}" != png ] && [ "$lines" != "$want_lines" ]; then
    problem="$lines lines, not $want_lines"
  elif [ "$small" != --small ] && [ "$peak" -gt $((megabytes * 1024)) ]; then
    problem="peak memory $((peak / 1024)) MB over ${megabytes} MB"
  elif [ "$before" != "$after" ]; then
    problem="the file was changed"
  fi
  local result
  if [ -n "$want_message" ]; then result="$(head -c 52 "$work/err")"; else result="$lines lines"; fi
  [ "${want_lines%%:*}" = png ] && result="image"
  if [ -n "$problem" ]; then
    result="FAIL"
    failures=$((failures + 1))
  fi
  row "$name" "$result" "$status" "$elapsed" "$((peak / 1024))"
  [ -z "$problem" ] || echo "  FAIL $name: $problem"
}

cd "$work"

# Faults' inputs: one 1 MB text mentioning #2 two thousand times (each item
# holding a copy of its label needed 2.1 GB), NUL bytes, a name starting
# with -, a label about 4 million characters wide.
{ printf "#1=IFCLABEL('"; head -c 1000000 /dev/zero | tr '\0' y; printf "'"
  for _ in $(seq 2000); do printf ',#2'; done; printf ');\n#2=IFCWALL();\n'; } >mentions.ifc
run_case "1 MB label x 2000 mentions" 120 300 0 2000 "" -- --inverse 2 mentions.ifc
run_case "1 MB label x 2000 mentions" 120 300 0 png:mentions.png "" -- --screenshot mentions.png --select 2 mentions.ifc
printf '#1=A(\0\0x,#2);\n#2=B(\0);\n' >nul.ifc
run_case "NUL bytes" 30 200 0 1 "" -- --refs 1 nul.ifc
run_case "NUL bytes" 30 200 0 1 "" -- --inverse 2 nul.ifc
# An entity the file does not have: one message, nothing printed, no image.
run_case "no such entity" 30 200 1 0 '"nul.ifc" has no entity #9$' -- --refs 9 nul.ifc
run_case "no such entity" 30 200 1 0 '"nul.ifc" has no entity #3$' -- --inverse 3 nul.ifc
run_case "no such entity" 30 200 1 0 '"nul.ifc" has no entity #9$' -- --screenshot none.png --select 9 nul.ifc
[ ! -e none.png ] || { echo "  FAIL no such entity: an image was made"; failures=$((failures + 1)); }
printf '#1=A(#2);\n#2=B;\n' >-x.ifc
run_case "name starting with -" 30 200 0 3 "" -- --print -- -x.ifc
run_case "name starting with -" 30 200 0 1 "" -- --inverse 2 -- -x.ifc
{ printf "#1=A('"; head -c 4000000 /dev/zero | tr '\0' W; printf "');\n"; } >wide.ifc
run_case "4 M characters wide label" 60 300 0 png:wide.png "" -- --screenshot wide.png --select 1 wide.ifc

# Not IFC text, or no file at all.
: >empty.ifc
run_case "empty" 30 200 1 0 'Cannot open the file "empty.ifc": No line begins with #' -- --print empty.ifc
printf 'ISO-10303-21;\nHEADER;\nENDSEC;\n' >nohash.ifc
run_case "no # line" 30 200 1 0 'No line begins with #: it holds no IFC entities' -- --print nohash.ifc
mkdir folder.ifc
run_case "directory" 30 200 1 0 'Cannot open the file "folder.ifc": it is a folder, not a file' -- --print folder.ifc
run_case "missing" 30 200 1 0 'Cannot open the file "missing.ifc": the file does not exist' -- --print missing.ifc
run_case "missing" 30 200 1 0 'the file does not exist' -- --screenshot missing.png missing.ifc
printf '#1=A;\n' >unreadable.ifc
chmod 000 unreadable.ifc
if [ "$(id -u)" = 0 ]; then
  row "unreadable" "skipped: root reads any file" "-" "-" "-"
else
  run_case "unreadable" 30 200 1 0 'Cannot open the file "unreadable.ifc"' -- --print unreadable.ifc
fi
# Random bytes without '#': no line starts an entity before the last, so
# all of them are the header, entry 0 (one label, line ends left out).
awk 'BEGIN { srand(13); for (i = 0; i < 1048576; i++) printf "%c", int(rand() * 255) + 1 }' | tr '#' '$' >binary.ifc
printf '\n#1=A(#1);\n' >>binary.ifc
run_case "binary bytes (1 MB)" 30 300 0 2 "" -- --print binary.ifc

if [ "$small" != --small ]; then
  # One line of 200 MB.
  { printf "#1=A('"; head -c 200000000 /dev/zero | tr '\0' x; printf "');\n#2=B(#1);\n"; } >line.ifc
  run_case "200 MB line" 180 1500 0 3 "" -- --print line.ifc
  run_case "200 MB line" 180 1500 0 1 "" -- --inverse 1 line.ifc
  rm line.ifc

  # Ten million tiny entities (119 MB).
  awk 'BEGIN { for (i = 1; i <= 10000000; i++) printf "#%d=A;\n", i }' >tiny.ifc
  run_case "10 M tiny entities" 300 2500 0 10000001 "" -- --print tiny.ifc
  rm tiny.ifc

  # Over 2^31 bytes, sparse (no disk taken), with no entity line.
  truncate -s 2148000000 huge.ifc
  run_case "2.1 GB sparse, no # line" 300 200 1 0 'No line begins with #: it holds no IFC entities' -- --print huge.ifc
  rm huge.ifc

  # Under an address-space limit (ulimit -v) rising from what the toolkit
  # needs to start to what a file of a million entities needs: the whole
  # answer or one message about memory at every step, never a hang (the
  # toolkit's large fills once waited for good for workers it could not
  # start).
  awk 'BEGIN { for (i = 1; i <= 1000000; i++) printf "#%d=A;\n", i }' >million.ifc
  answered=0 refused=0
  for mb in $(seq 128 8 272); do
    set +e
    { timeout -k 5 60 prlimit --as=$((mb << 20)) -- "$lumenor" --print million.ifc 2>"$work/err"
      echo $? >"$work/status"; } | wc -l >"$work/lines"
    set -e
    status="$(cat "$work/status")" lines="$(tr -d ' ' <"$work/lines")"
    if [ "$status" = 0 ] && [ "$lines" = 1000001 ] && [ ! -s "$work/err" ]; then
      answered=$((answered + 1))
    elif [ "$status" = 1 ] && [ "$(wc -l <"$work/err")" = 1 ] && grep -qi memory "$work/err"; then
      refused=$((refused + 1))
    else
      failures=$((failures + 1))
      echo "  FAIL address space $mb MB: status $status, $lines lines: $(head -c 300 "$work/err")"
    fi
  done
  row "address space 128-272 MB" "$answered answered, $refused not enough memory" "0/1" "-" "-"
  rm million.ifc
fi

[ "$failures" = 0 ] || { echo "$failures case(s) failed"; exit 1; }
