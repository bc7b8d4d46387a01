#!/usr/bin/env bash
# The layer check passes on the project and fails on a tree that includes upward, on a
# sibling, or a Qt header from a Qt-free layer.
set -euo pipefail
check=${1:?path to scripts/check-layers}
src=${2:?path to src}
"$check" "$src"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp"/{base,store,grid,calc,controls/core,screens,module}
echo '#include "base/dates.h"' >"$tmp/store/ok.cpp"
echo '#include "store/field_store.h"' >"$tmp/screens/ok.cpp"
"$check" "$tmp"

expect_refusal() {
  local file=$1 line=$2 says=$3
  echo "$line" >"$tmp/$file"
  if out=$("$check" "$tmp" 2>&1); then
    echo "not refused: $file: $line"; exit 1
  fi
  grep -q "$says" <<<"$out" || { echo "unexpected message: $out"; exit 1; }
  rm "$tmp/$file"
}
expect_refusal store/up.cpp '#include "controls/core/markup_parser.h"' 'a layer above it'
expect_refusal controls/core/up.h '#include "module/tmainform.h"' 'a layer above it'
expect_refusal calc/sibling.cpp '#include "reports/core/canvas.h"' 'a sibling layer'
expect_refusal grid/qt.cpp '#include <QString>' 'Qt header'
expect_refusal controls/core/qt.cpp '#include <QtCore/QString>' 'Qt header'
mkdir -p "$tmp/elsewhere"
expect_refusal elsewhere/x.cpp '' 'not in a known layer'
echo "check-layers: all cases behave"
