#!/usr/bin/env bash
# Builds the fuzz targets with clang in a build of their own and runs each
# for SECONDS (default 60), from the seeds in seeds/TARGET, the real sample
# files beside the checkout (loader and references) and what earlier runs
# of the same build found. Stops at the first crash or mismatch, whose input
# is kept as build-fuzz/artifacts/TARGET-crash-*. See README.md.
set -euo pipefail
seconds="${1:-60}"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="${LUMENOR_FUZZ_BUILD_DIR:-$root/build-fuzz}"
samples="${LUMENOR_SAMPLES_DIR:-$root/../shared/ifc-samples}"
targets=(${LUMENOR_FUZZ_TARGETS:-loader references tree})

"$root/scripts/setup-deps" --fuzz
if [ ! -f "$build/build.ninja" ]; then
  launcher=()
  command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DLUMENOR_FUZZ=ON "${launcher[@]}" > /dev/null
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# (mktemp -d makes the folder private, as the runtime folder must be.)
[ -d "${XDG_RUNTIME_DIR:-}" ] || export XDG_RUNTIME_DIR="$(mktemp -d)"
mkdir -p "$build/artifacts" "$build/logs"
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  seeds=("$here/seeds/$target")
  options=()
  # The toolkit fills caches of its own (fonts, widgets) during the first
  # inputs and beyond, so every input of the tree control would look like a
  # leak to libFuzzer's check after it, and the heap scans would take most
  # of the time; leaks are checked once, at the end of the run, instead.
  if [ "$target" = tree ]; then
    options+=(-detect_leaks=0)
  elif [ -d "$samples" ]; then seeds+=("$samples"); else echo "fuzz_$target: no sample files at $samples"; fi
  echo "fuzz_$target: $seconds s"
  # Inputs up to 8 KiB: sample files are cut, which is a case of its own
  # (a text that ends anywhere); the reader's block boundaries come from the
  # size hint, not from the length. The whole output goes to a log.
  log="$build/logs/$target.log"
  if ! "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=8192 -timeout=20 \
      -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" "${options[@]}" "$corpus" "${seeds[@]}" > "$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz_$target FAILED: the input is kept in $build/artifacts/, the output in $log"
    exit 1
  fi
  grep -E '^(#[0-9]+\s+DONE|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb)' "$log"
done
