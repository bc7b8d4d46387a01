#!/usr/bin/env bash
# Installs the build into a staging folder, the way a user or the Debian package gets it, and
# runs the installed orvana-tax and orvana-host on the installed sample, far from the build
# folder.
#   installed_programs_test.sh BUILD_DIR SOURCE_DIR prefix   cmake --install --prefix STAGE
#   installed_programs_test.sh BUILD_DIR SOURCE_DIR deb      cpack -G DEB, then dpkg -x it
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$2
mode=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [ "$mode" = prefix ]; then
  root=$work/stage
  cmake --install "$build" --prefix "$root" >"$work/install.log" || {
    cat "$work/install.log"
    fail "cmake --install"
  }
else
  (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >cpack.log 2>&1) || {
    cat "$work/cpack.log"
    fail "cpack -G DEB"
  }
  deb=$(ls "$work"/pkg/*.deb)
  [ "$(echo "$deb" | wc -l)" -eq 1 ] || fail "expected one package, found: $deb"
  depends=$(dpkg-deb --field "$deb" Depends)
  echo "Depends: $depends"
  # Declared: the Qt libraries the programs link, and the platform plugins Qt loads.
  for dependency in libqt6widgets6 libqt6gui6 libssl3 libstdc++6 qt6-qpa-plugins; do
    [[ "$depends" == *"$dependency"* ]] || fail "the package does not depend on $dependency"
  done
  dpkg-deb --contents "$deb" >"$work/contents"
  grep -q '/usr/bin/orvana-host$' "$work/contents" || fail "the package has no /usr/bin/orvana-host"
  root=$work/root
  dpkg -x "$deb" "$root"
  root=$root/usr
fi

# Every installed file in its usual place.
module=$(find "$root" -name liborvanaCGT.so)
[ -n "$module" ] || fail "no module installed"
[[ "$module" == "$root"/lib*/orvana/liborvanaCGT.so ]] || fail "module at $module"
for file in bin/orvana-host bin/orvana-tax share/orvana/SAMPLE.TAX share/orvana/SAMPLE.TFN \
  share/applications/org.orvana.CGT.desktop share/icons/hicolor/scalable/apps/org.orvana.CGT.svg \
  share/mime/packages/org.orvana.CGT.xml share/metainfo/org.orvana.CGT.metainfo.xml \
  share/man/man1/orvana-host.1 share/man/man1/orvana-tax.1 \
  share/doc/orvana-cgt/help/cgt/contents.html share/doc/orvana-cgt/report-scripts/cgtwsht.rpt; do
  [ -f "$root/$file" ] || fail "$file is not installed"
done
grep -q '^MimeType=application/x-orvana-tax-return;$' "$root/share/applications/org.orvana.CGT.desktop" ||
  fail "the menu entry does not open .tax returns"

# The installed tool recalculates the installed sample (a copy: the installed one is read-only
# for its users) and finds the net capital gain the README states.
stated=$(grep -o "sample's net capital gain is \*\*\$[0-9,]*" "$source_dir/README.md" | tr -dc 0-9)
[ -n "$stated" ] || fail "the README states no net capital gain for the sample"
tfn=$(cat "$root/share/orvana/SAMPLE.TFN")
cp "$root/share/orvana/SAMPLE.TAX" "$work/SAMPLE.TAX"
chmod u+w "$work/SAMPLE.TAX"
"$root/bin/orvana-tax" calc "$work/SAMPLE.TAX" --tfn "$tfn" --dry-run --json >"$work/calc.json" ||
  fail "orvana-tax calc on the installed sample"
python3 - "$work/calc.json" "$stated" <<'PY' || fail "the installed tool's net capital gain"
import json, sys
def find(node):
    if isinstance(node, dict):
        for key, value in node.items():
            if key == "netCapitalGain" and isinstance(value, (int, float)):
                return value
            if key == "netCapitalGain" and isinstance(value, dict):
                return value.get("value")
            found = find(value)
            if found is not None:
                return found
    if isinstance(node, list):
        for value in node:
            found = find(value)
            if found is not None:
                return found
    return None
gain = find(json.load(open(sys.argv[1])))
print("netCapitalGain", gain)
sys.exit(0 if gain == int(sys.argv[2]) else 1)
PY

# The installed host loads the installed module (none lies beside it) and saves the sample:
# a start screen outside the module hands back at once.
export QT_QPA_PLATFORM=offscreen
[ ! -e "$root/bin/liborvanaCGT.so" ] || fail "a module beside the installed host"
out=$(cd "$work" && "$root/bin/orvana-host" SAMPLE.TAX --tfn "$tfn" --start 2201 2>"$work/host.err") ||
  fail "the installed host ended with $?: $out $(cat "$work/host.err")"
[ "$out" = "Interview finished: the module handed over at screen 2201." ] ||
  fail "the installed host said: $out"
[ -f "$work/SAMPLE.BAK" ] || fail "the installed host did not save the sample"
"$root/bin/orvana-tax" check "$work/SAMPLE.TAX" --tfn "$tfn" >/dev/null ||
  fail "the return the installed host saved does not open"

# Without its module the installed host says which file it could not load.
mv "$module" "$module.away"
if out=$(cd "$work" && "$root/bin/orvana-host" SAMPLE.TAX --tfn "$tfn" --start 2201 2>&1); then
  fail "the installed host ran without its module"
fi
[[ "$out" == *liborvanaCGT.so* ]] || fail "the host's error names no module: $out"
echo "installed programs ($mode) work"
