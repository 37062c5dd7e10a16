#!/usr/bin/env bash
# The layer rules, checked on every include of every file under src/: a
# folder includes only itself and the folders its README lists after "May
# call:"; platform/internal/ belongs to platform alone and platform/qt/ to
# platform and framework; only platform/ and framework/ include Qt.
set -euo pipefail
src="${1:?usage: check_layers.sh SRC_DIR}"
qt_layers=" platform framework "
status=0
fail() {
  echo "$1"
  status=1
}

for dir in "$src"/*/; do
  layer=$(basename "$dir")
  readme="$dir/README.md"
  if ! grep -q '^May call:' "$readme" 2>/dev/null; then
    fail "src/$layer: README.md has no \"May call:\" line"
    continue
  fi
  allowed=" $layer "
  for named in $(sed -n '/^May call:/,/^$/p' "$readme" | grep -o '`[a-z]*/`' | tr -d '`/'); do
    [ -d "$src/$named" ] || fail "src/$layer/README.md: \"May call\" names $named/, which src/ does not have"
    allowed+="$named "
  done

  while IFS=: read -r file line text; do
    where="src/${file#"$src"/}:$line"
    if [[ $text =~ ^#include\ \"([a-z]+)/(([a-z]+)/)? ]]; then
      target=${BASH_REMATCH[1]}
      sub=${BASH_REMATCH[3]}
      if [[ $allowed != *" $target "* ]]; then
        fail "$where: $layer/ includes $target/, not in its README's \"May call\": $text"
      elif [[ $target == platform && $sub == internal && $layer != platform ]]; then
        fail "$where: platform/internal/ is for the platform alone: $text"
      elif [[ $target == platform && $sub == qt && $qt_layers != *" $layer "* ]]; then
        fail "$where: platform/qt/ is for platform/ and framework/ alone: $text"
      fi
    elif [[ $text =~ ^#include\ \<Q ]] && [[ $qt_layers != *" $layer "* ]]; then
      fail "$where: only platform/ and framework/ include Qt: $text"
    fi
  done < <(grep -rn --include='*.cpp' --include='*.h' '^#include' "$dir" || true)
done

[ $status -eq 0 ] && echo "layers: every include of src/ keeps to the rules"
exit $status
