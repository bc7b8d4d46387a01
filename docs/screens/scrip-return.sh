#!/bin/sh
# Makes the return the scrip for scrip picture shows: the asset return, with the shares and
# the trust units exchanged for new interests and the roll-over chosen for both.
# Usage: docs/screens/scrip-return.sh ORVANA-TAX FILE
set -eu
tax=$1
file=$2
tfn=123456782
"$(dirname "$0")/asset-return.sh" "$tax" "$file"
"$tax" set "$file" --tfn "$tfn" \
  1202.1.721=uncheck 1202.1.720=check 1202.1.723=check 1202.1.725=uncheck 1202.1.724=check \
  1202.1.1148=text:Yes 1202.1.1146=currency:16500 1202.1.1147=currency:2450 \
  1203.1.721=uncheck 1203.1.720=check 1203.1.723=check 1203.1.725=uncheck 1203.1.724=check \
  1203.1.1148=text:Yes 1203.1.1146=currency:11200
"$tax" calc "$file" --tfn "$tfn" --auto >/dev/null
