#!/bin/sh
# Makes the return the asset path pictures show: one realistic asset in every asset path.
# Usage: docs/screens/asset-return.sh ORVANA-TAX FILE
set -eu
tax=$1
file=$2
tfn=123456782
"$tax" new "$file" --tfn "$tfn" --name "Alex Sample" --force
"$tax" set "$file" --tfn "$tfn" \
  1202.1.710=text:"Coastal Bank Ordinary Shares" 1202.1.714=text:SN \
  1202.1.726=text:15/08/2001 \
  1202.1.737=lines:"1 - Purchase/Acquisition cost|15/08/2001||1,000 shares at \$12.50|12500.00|||\
|2A - Incidentals re holding & acquisition|15/08/2001||Brokerage|125.00|||" \
  1202.1.738=lines:"01/07/2004||Return of capital|350.00||Company notice" \
  1202.1.748=text:G1 1202.1.1150=text:ON \
  1202.1.739=text:14/03/2006 1202.1.742=currency:18950 1202.1.721=check \
  1203.1.710=text:"Harbour Property Trust Units" 1203.1.714=text:UN \
  1203.1.726=text:02/10/2000 \
  1203.1.737=lines:"1 - Purchase/Acquisition cost|02/10/2000||5,000 units|10000.00|||" \
  1203.1.738=lines:"15/08/2003|30/06/2004|Tax deferred distribution|||||120.00" \
  1203.1.748=text:E4 1203.1.1150=text:ON \
  1203.1.739=text:20/04/2006 1203.1.742=currency:11200 1203.1.721=check \
  1205.1.710=text:"Rental Unit 4/12 Beach Road" 1205.1.714=text:RN \
  1205.1.726=text:01/03/1998 \
  1205.1.737=lines:"1 - Purchase/Acquisition cost|01/03/1998||Contract price|185000.00|||\
|2A - Incidentals re holding and acquisition|01/03/1998||Stamp duty and legal fees|7400.00|||\
|4 - Capital expenditure - increases value|12/05/2003||New kitchen|18000.00|||" \
  1205.1.739=text:30/11/2005 1205.1.742=currency:320000 1205.1.721=check \
  1206.1.710=text:"Painting By A Local Artist" 1206.1.714=text:"A " \
  1206.1.726=text:10/06/1999 \
  1206.1.737=lines:"1 - Purchase/Acquisition cost|10/06/1999||Gallery purchase|1500.00|||" \
  1206.1.739=text:05/02/2006 1206.1.742=currency:4200 1206.1.721=check \
  1207.1.710=text:"Goodwill Of Corner Cafe" 1207.1.714=text:"G " \
  1207.1.726=text:01/07/1996 \
  1207.1.737=lines:"1 - Purchase/Acquisition cost|01/07/1996||Goodwill on purchase|40000.00|||" \
  1207.1.739=text:31/01/2006 1207.1.742=currency:95000 1207.1.721=check \
  1209.1.710=text:"Delivery Van" 1209.1.714=text:ON \
  1209.1.726=text:01/09/2002 1209.1.715=currency:32000 \
  1209.1.737=lines:"1 - Purchase/Acquisition cost|01/09/2002||Van and fit-out|32000.00|||" \
  1209.1.739=text:28/02/2006 1209.1.742=currency:14000 1209.1.711=numeric:80 \
  1209.1.721=check
