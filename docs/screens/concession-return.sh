#!/bin/sh
# Makes the return the concession pictures show: the scrip for scrip return, with a shop sold
# under a small business active asset reduction election and a farm whose gain the 15-year
# exemption disregards.
# Usage: docs/screens/concession-return.sh ORVANA-TAX FILE
set -eu
tax=$1
file=$2
tfn=123456782
"$(dirname "$0")/scrip-return.sh" "$tax" "$file"
"$tax" set "$file" --tfn "$tfn" \
  1205.2.710=text:"Corner Shop Freehold" 1205.2.714=text:RA 1205.2.726=text:15/08/2000 \
  1205.2.737=lines:"1 - Purchase/Acquisition cost|15/08/2000||Contract price|210000.00|||" \
  1205.2.739=text:15/10/2005 1205.2.742=currency:290000 1205.2.721=check \
  1205.2.719=lines:"SBAA concessions|20000.00||" \
  1205.3.710=text:"Family Farm Lot 7" 1205.3.714=text:RA 1205.3.726=text:15/08/1988 \
  1205.3.737=lines:"1 - Purchase/Acquisition cost|15/08/1988||Contract price|90000.00|||" \
  1205.3.739=text:15/10/2005 1205.3.742=currency:400000 1205.3.721=check 1205.3.746=check
"$tax" calc "$file" --tfn "$tfn" --auto >/dev/null
