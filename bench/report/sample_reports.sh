#!/usr/bin/env bash
# Makes a realistic return, prints every report of the module from it as PDF and turns the
# first page of each into a PNG (docs/reports/ keeps those), so the pages can be looked at;
# also the four schedule pages, and the continuation page of a worksheet whose cost elements
# run past its first page.
# Usage: bench/report/sample_reports.sh [BUILD_BIN_DIR] [OUT_DIR]
set -euo pipefail
bin=${1:-build/default/bin}
out=${2:-docs/reports}
tax="$bin/orvana-tax"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
r="$work/R.TAX"
tfn="123 456 782"

"$tax" new "$r" --tfn "$tfn" --name "Alex Sample" >/dev/null
row() { local IFS='|'; echo "$*"; }
cost1=$(row 15/08/1990 "Purchase price incl. brokerage" 10,000.00 0.00 10,000.00 11,950.00 103.3 123.4 1.195 11,950.00 0.00 10,000.00)
cost2=$(row 02/03/1995 "Rights issue taken up" 2,400.00 0.00 2,400.00 2,540.37 116.6 123.4 1.058 2,540.37 0.00 2,400.00)
reg1=$(row 20/10/2005 15/08/1990 15/08/1990 "Purchase of 2,000 shares" 2 "" 10,000.00 10,000.00 10,000.00 "" "")
reg2=$(row 20/10/2005 02/03/1995 02/03/1995 "Rights issue, 400 shares" 2 "" 2,400.00 2,400.00 2,400.00 "" "")
pay1=$(row 1995-06-30 30/06/1995 30/06/1995 20/10/2005 "Tax-deferred distribution" 4 "" 350.00 0.00 350.00 116.6 123.4 1.058 370.30 0.00 350.00 350.00 350.00 350.00 11,650.00 13,950.00 11,650.00 "")
choice1=$(row Shares "BHP shares" SN 18,050 20,000 Yes Discount "" "" No No No "" "" "" "" 10,000.00 451 1 C "")
choice2=$(row Shares "Telstra instalment receipts" SN "" "" No "" "" 1,200 No No No "" "" "" "" 0.00 451 2 C "")
choice3=$(row "Real estate" "Holiday unit, Noosa" RN 42,310 51,000 Yes Discount "" "" No No No "" "" 1,200 "" 24,900.00 454 1 C "")
trust1=$(row "Sample Growth Fund" 0 1,250 310 0 0 0 0 0 0 1,560 "" "" "" "" "" "" "" "" "" "" "" "" "")
manual1=$(row Other "Sale of a domain name" OA "" "" No "" 3,200 "" No No No "" "" "" "" 3,200.00 1201 0 C "")

"$tax" set "$r" --tfn "$tfn" \
  "396=text:31/10/2006" \
  "1202.1.710=text:BHP shares" "1202.1.714=text:SN" "1202.1.1101=text:15/08/1990" \
  "1202.1.1105=lines:$cost1|$cost2" "1202.1.1102=lines:$reg1|$reg2" \
  "1202.1.1199=lines:$pay1" \
  "1202.1.1106=currency:12400" "1202.1.1107=currency:14490" "1202.1.1108=currency:12400" \
  "1202.1.1112=currency:12400" "1202.1.1113=currency:14490" "1202.1.1114=currency:12400" \
  "1202.1.1115=currency:-350" "1202.1.1116=currency:-370" "1202.1.1117=currency:-350" \
  "1202.1.1118=currency:12050" "1202.1.1119=currency:14120" "1202.1.1120=currency:12050" \
  "1202.1.1121=text:20/10/2005" "1202.1.1122=cents:123.4" "1202.1.1123=currency:32170" \
  "1202.1.1124=cents:100" \
  "1202.1.1130=currency:32170" "1202.1.1131=currency:14120" "1202.1.1132=currency:18050" \
  "1202.1.1133=currency:32170" "1202.1.1134=currency:12050" "1202.1.1135=currency:20120" \
  "1202.1.1142=text:You have made a capital gain on this asset." \
  "1202.1.1143=text:Choose the indexation or the discount method in the choice table." \
  "1202.1.1151=text:20/10/2005" "1202.1.1152=currency:11650" "1202.1.1153=currency:13950" \
  "1202.1.1154=currency:11650" \
  "803=lines:$choice1|$choice2|$choice3" "1200=lines:$trust1" "1201=lines:$manual1" \
  "1220.1.711=currency:18050" "1220.1.712=currency:20000" "1220.1.714=currency:42310" \
  "1220.1.715=currency:51000" "1220.1.717=currency:0.0011" "1220.1.732=currency:60360" \
  "1220.1.733=currency:71000" "1220.1.735=currency:1200" "1220.1.738=currency:1200" \
  "1220.1.740=currency:1200" "1220.1.742=currency:1200" "1220.1.1102=currency:1200" \
  "1220.1.1104=currency:1200" "1220.1.1106=currency:69800" "1220.1.1105=currency:60360" \
  "1220.1.1112=currency:69800" "1220.1.1111=currency:60360" "1220.1.1114=currency:34900" \
  "1220.1.1126=currency:34900" "1220.1.1129=currency:34900" "1220.1.1131=currency:34900" \
  "174=currency:34900" "169=currency:131360" "1578=currency:34900" "1579=currency:131360" \
  >/dev/null

# A second share with 60 cost element rows, more than the worksheet's first page holds.
long=""
for i in $(seq 1 60); do
  long="${long:+$long|}$(row 15/08/1990 "Parcel $i incl. brokerage" 1,000.00 0.00 1,000.00 1,195.00 103.3 123.4 1.195 1,195.00 0.00 1,000.00)"
done
"$tax" set "$r" --tfn "$tfn" "1202.2.710=text:Westpac shares" "1202.2.714=text:SN" \
  "1202.2.1105=lines:$long" "1202.2.1106=currency:60000" "1202.2.1107=currency:71700" \
  "1202.2.1108=currency:60000" >/dev/null

mkdir -p "$out"
for report in CGTWSHT CGTASSET CGTNASS CGTCHOICE CGTCHOICEOLD CGTDISEV SCHEDCGT; do
  item=()
  case $report in
    CGTWSHT|CGTASSET|CGTNASS) item=(--item 451.1) ;;
    SCHEDCGT) item=(--item 469.1) ;;
  esac
  "$tax" print "$r" --tfn "$tfn" --report "$report" "${item[@]}" --pdf "$work/$report.pdf"
  pdftoppm -png -r 60 -f 1 -l 1 "$work/$report.pdf" "$work/$report"
  cp "$work/$report"-*1.png "$out/$(echo "$report" | tr A-Z a-z).png"
  [ -n "${KEEP_PDF:-}" ] && cp "$work/$report.pdf" "$out/"
done
pdftoppm -png -r 80 "$work/SCHEDCGT.pdf" "$work/sched"
for page in 1 2 3 4; do cp "$work/sched-$page.png" "$out/schedcgt-page$page.png"; done
"$tax" print "$r" --tfn "$tfn" --report CGTWSHT --item 451.2 --pdf "$work/long.pdf"
pdftoppm -png -r 60 -f 2 -l 2 "$work/long.pdf" "$work/long"
cp "$work/long"-*2.png "$out/cgtwsht-continued.png"
echo "pages in $out"
