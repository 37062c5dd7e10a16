#!/usr/bin/env bash
# What the program shows of every sample file, saved once and compared byte
# for byte later, so that a change of mechanism can be shown to change no
# output:
#
#     bench/fidelity.sh save  DIR [LUMENOR]   write the outputs into DIR
#     bench/fidelity.sh check DIR [LUMENOR]   compare with those in DIR
#
# For each sample: --print; --refs and --inverse for the first entities, the
# most referred-to ones and a spread of the rest; --screenshot as opened and
# with one entity selected. LUMENOR defaults to this checkout's build; the
# samples are LUMENOR_SAMPLES_DIR, by default ../shared/ifc-samples.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mode="${1:-}"
dir="${2:-}"
lumenor="${3:-$root/${LUMENOR_BUILD_DIR:-build}/src/lumenor}"
samples="${LUMENOR_SAMPLES_DIR:-$root/../shared/ifc-samples}"
if [ "$mode" != save ] && [ "$mode" != check ] || [ -z "$dir" ]; then
  sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
fi
[ -x "$lumenor" ] || { echo "fidelity: no program at $lumenor" >&2; exit 2; }
[ -d "$samples" ] || { echo "fidelity: no samples at $samples" >&2; exit 2; }

export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
work="$(mktemp -d)"
trap 'rm -rf "$work" "$XDG_RUNTIME_DIR"' EXIT
out="$work/out"
mkdir -p "$out"

# Entity numbers to ask about: the first five, the ten most referred-to,
# and ten spread over the file.
numbers() {
  local file="$1"
  {
    grep -a -o '^#[0-9]*' "$file" | head -5 | tr -d '#'
    grep -a -o '#[0-9]*' "$file" | tr -d '#' | sort | uniq -c | sort -k1,1nr -k2,2n | head -10 |
      awk '{ print $2 }'
    grep -a -o '^#[0-9]*' "$file" | tr -d '#' | awk '{ a[NR] = $1 } END { for (i = 1; i <= 10; ++i) print a[int(NR * i / 11) + 1] }'
  } | awk 'NF && !seen[$1]++'
}

# The output and exit status of one run, in one file.
run() {
  local name="$1"
  shift
  local status=0
  "$lumenor" "$@" >"$out/$name" 2>"$out/$name.err" || status=$?
  echo "status $status" >>"$out/$name.err"
}

for file in "$samples"/*.ifc; do
  base="$(basename "$file" .ifc)"
  run "$base.print" --print "$file"
  for n in $(numbers "$file"); do
    run "$base.refs.$n" --refs "$n" "$file"
    run "$base.inverse.$n" --inverse "$n" "$file"
  done
  run "$base.shot.txt" --screenshot "$out/$base.png" "$file"
  selected="$(numbers "$file" | sed -n 6p)"
  run "$base.shot$selected.txt" --screenshot "$out/$base.$selected.png" --select "$selected" "$file"
done
# Error texts name the file by its path; only the name is compared.
sed -i "s|$samples/||g" "$out"/*.err

if [ "$mode" = save ]; then
  mkdir -p "$dir"
  cp "$out"/* "$dir"/
  echo "fidelity: $(ls "$out" | wc -l) outputs saved in $dir"
  exit 0
fi
differ=0
for f in "$dir"/*; do
  name="$(basename "$f")"
  if ! cmp -s "$f" "$out/$name"; then
    echo "fidelity: $name differs" >&2
    differ=$((differ + 1))
  fi
done
extra="$(comm -13 <(ls "$dir") <(ls "$out") | wc -l)"
echo "fidelity: $(ls "$dir" | wc -l) outputs compared, $differ differ, $extra new"
[ "$differ" = 0 ] && [ "$extra" = 0 ]
