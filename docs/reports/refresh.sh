#!/bin/sh
# Remakes the pictures in docs/reports: every page of every report of the module, printed
# with "orvana-tax print" from two calculated returns: the bundled sample return the build
# makes, and the return with long lists that long-return.sh makes. The reports of one asset
# are printed for the assets named below. Pages are PNGs at 60 dpi, named
# RETURN-REPORT[-ITEM]-PAGE.png. The preview picture (preview.png) is made with the screens.
# Usage: docs/reports/refresh.sh [BUILD_BIN_DIR]
set -eu
bin=${1:-build/default/bin}
here=$(dirname "$0")
tax="$bin/orvana-tax"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$bin/SAMPLE.TAX" "$work/SAMPLE.TAX"
sample_tfn=$(cat "$bin/SAMPLE.TFN")
"$here/long-return.sh" "$tax" "$work/LONG.TAX"

# print RETURN FILE TFN REPORT [ITEM]: every page of one report as PNGs.
print() {
  name=$1 file=$2 tfn=$3 report=$4 item=${5:-}
  stem="$name-$(echo "$report" | tr 'A-Z' 'a-z')${item:+-$item}"
  if [ -n "$item" ]; then
    "$tax" print "$file" --tfn "$tfn" --report "$report" --item "$item" --pdf "$work/$stem.pdf"
  else
    "$tax" print "$file" --tfn "$tfn" --report "$report" --pdf "$work/$stem.pdf"
  fi
  pages=$(pdfinfo "$work/$stem.pdf" | sed -n 's/^Pages: *//p')
  page=1
  while [ "$page" -le "$pages" ]; do
    pdftoppm -png -r 60 -f "$page" -l "$page" -singlefile "$work/$stem.pdf" "$here/$stem-$page"
    page=$((page + 1))
  done
}

find "$here" -name '*.png' ! -name preview.png -delete
for report in CGTCHOICE CGTCHOICEOLD CGTDISEV SCHEDCGT; do
  print sample "$work/SAMPLE.TAX" "$sample_tfn" "$report"
  print long "$work/LONG.TAX" 123456782 "$report"
done
# The sample's first share (a method chosen, a capital return), its property (losses
# applied) and its short-term share (other method); the long return's first share.
for item in 451.1 454.1 451.2; do
  print sample "$work/SAMPLE.TAX" "$sample_tfn" CGTWSHT "$item"
done
for report in CGTASSET CGTNASS; do
  print sample "$work/SAMPLE.TAX" "$sample_tfn" "$report" 451.1
done
for report in CGTWSHT CGTASSET CGTNASS; do
  print long "$work/LONG.TAX" 123456782 "$report" 451.1
done
ls "$here"/*.png | wc -l
