#!/usr/bin/env bash
# Runs a test program on a virtual X display of its own, through Qt's X
# plugin instead of offscreen, so that what the test reads from the screen
# comes from an X server.
#
#   on_xvfb.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
command -v xvfb-run >/dev/null || { echo "SKIP: xvfb-run is not installed (scripts/setup-deps installs it)"; exit 77; }
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$@"
