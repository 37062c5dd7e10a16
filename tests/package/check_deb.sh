#!/usr/bin/env bash
# The Debian package as a user gets it: unpacked (dpkg-deb -x) into a
# temporary folder, it holds the program, the desktop entry, the MIME types
# and an icon, declares its run-time libraries, and its program answers
# --version and prints a file, plain and gzip-compressed. Also: the program
# alone configures without GoogleTest.
#
#   check_deb.sh PACKAGE.deb EXAMPLE.ifc
set -euo pipefail
deb="$1"
example="$2"
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/lumenor usr/share/applications/lumenor.desktop usr/share/mime/packages/lumenor-ifc.xml; do
  [ -e "$work/root/$file" ] || fail "the package has no /$file"
done
[ -n "$(find "$work/root/usr/share/icons" -name 'lumenor.*')" ] || fail "the package has no icon"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libarchive13 zlib1g libxcb1 libxcb-xkb1; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

program="$work/root/usr/bin/lumenor"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
[ "$("$program" --version)" = "Lumenor 1, 1, 0, 0" ] || fail "--version: $("$program" --version)"
entities=$(grep -c '^#[0-9]*=' "$example")
lines=$("$program" --print "$example" | wc -l)
[ "$lines" = $((entities + 1)) ] || fail "--print gave $lines lines for $entities entities and the header"
gzip -c "$example" >"$work/example.ifc.gz"
cmp -s <("$program" --print "$example") <("$program" --print "$work/example.ifc.gz") ||
  fail "--print of the gzip file differs from the plain file's"

cmake -S "$root" -B "$work/program-alone" -G Ninja -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  >/dev/null 2>&1 || fail "the program alone does not configure without GoogleTest"
echo "package: $(basename "$deb") unpacks, runs --version and --print"
