#!/bin/sh
# Remakes the pictures in docs/screens: the interview's screens filled with the bundled sample
# return; the depreciating asset path, which the sample does not use, from the return
# asset-return.sh makes; the concession and scrip for scrip summaries from the return
# concession-return.sh makes. Usage: docs/screens/refresh.sh [BUILD_BIN_DIR]
set -eu
bin=${1:-build/default/bin}
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shots="$bin/orvana-shots"

"$shots" "$work/sample" --sample --views >/dev/null 2>&1
"$shots" "$work/sample-vision" --sample --vision >/dev/null 2>&1
"$here/asset-return.sh" "$bin/orvana-tax" "$work/ASSETS.TAX" >/dev/null
"$shots" "$work/assets" --file "$work/ASSETS.TAX" --tfn 123456782 --item 1 --views >/dev/null 2>&1
"$shots" "$work/assets-vision" --file "$work/ASSETS.TAX" --tfn 123456782 --item 1 --vision \
  >/dev/null 2>&1
"$here/concession-return.sh" "$bin/orvana-tax" "$work/CONCESSIONS.TAX" >/dev/null
"$shots" "$work/concessions" --file "$work/CONCESSIONS.TAX" --tfn 123456782 >/dev/null 2>&1
"$shots" "$work/concessions-vision" --file "$work/CONCESSIONS.TAX" --tfn 123456782 --vision \
  >/dev/null 2>&1

rm -f "$here"/*.png
# The sample's screens: the flow, the first share's whole path, one summary of each other
# kind of asset, the two tables, the choice table and the schedule;
# and the created rights and other receipts screens, which the sample leaves empty.
for shot in 2004 2005 2007 2009 2011 2012 2013 2014 2015-0 2015-1 2016-0 2016-1 2016-2 \
  2016-i2-0 2018 2019 2025 2029-0 2037 2040-0 2055 2060-0 2060-i2-0 2073 2075 2097 2101 \
  2102 2103 2107; do
  cp "$work/sample/$shot.png" "$here/$shot.png"
done
cp "$work/sample-vision/2013.png" "$here/2013-vision.png"
for shot in 2046 2050-0 2050-1 2050-2; do
  cp "$work/assets/$shot.png" "$here/asset-$shot.png"
done
cp "$work/assets-vision/2046.png" "$here/asset-2046-vision.png"
for shot in 2104 2105 2106; do
  cp "$work/concessions/$shot.png" "$here/$shot.png"
done
cp "$work/concessions-vision/2106.png" "$here/2106-vision.png"
echo "refresh: $(ls "$here"/*.png | wc -l) pictures in $here"
