#!/usr/bin/env bash
# Contact sheet: every picture at its on-screen size over mid-grey, each
# labelled with its file name. Usage: sheet.sh ASSETS MANIFEST WORKDIR OUT.png
set -euo pipefail
A="$1"; MAN="$2"; T="$3"; OUTPNG="$4"
IM=/usr/bin/convert-im6.q16
MONTAGE=/usr/bin/montage-im6.q16
FONT=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
mkdir -p "$T"
GREY='#808080'

# group NAME PATTERN [SCALE]: the pictures whose names match, side by side
group() {
  local g="$1" pat="$2" scale="${3:-1}" files=()
  while IFS=$'\t' read -r svg name w h sw sh; do
    [[ "$name" =~ $pat ]] || continue
    [[ "$name" == *.svg ]] && continue
    local f="$T/${g}_$(printf %03d ${#files[@]}).png"
    local ww hh lab="$name"
    ww=$(awk -v a="$sw" -v s="$scale" 'BEGIN{printf "%d", a*s}')
    hh=$(awk -v a="$sh" -v s="$scale" 'BEGIN{printf "%d", a*s}')
    [ "$scale" != 1 ] && lab="$name (1:$(awk -v s="$scale" 'BEGIN{print 1/s}'))"
    "$IM" "$A/$name[0]" -background none -resize "${ww}x${hh}!" -set label "$lab" "$f"
    files+=("$f")
  done < "$MAN"
  if [[ "providno.gif" =~ $pat ]]; then
    "$IM" "$A/providno.gif" -background none -resize 40x40! -set label "providno.gif" "$T/${g}_zz.png"; files+=("$T/${g}_zz.png")
  fi
  "$MONTAGE" "${files[@]}" -font "$FONT" -pointsize 12 -fill black -background "$GREY" \
    -geometry +10+8 -tile "${5:-${4:-10}}x" "$T/row_$g.png"
}
group a '^(polje|opasnost|kovceg|coin|providno|noarmor|robe|leather|chainmail|plate)\.gif$' 1 10
group b '^(dagger|sword|axe|spear|plavistit|crvenistit|zlatnici)\.gif$' 1 10
group c '^lik[0-9]+\.gif$' 1 7
group d '^oblacak1?\.gif$' 1 2
group e '^pozadine/' 0.5 5
group f '^ui/title-' 1 7
group g '^ui/(male|female|cards1|cards2|dice|inventory)\.png$' 1 6
group h '^ui/(reward|mishap-|chest|about-)' 1 9
group i '^ui/icon-' 1 6
"$IM" -background "$GREY" "$T"/row_*.png -gravity west -append -bordercolor "$GREY" -border 12 \
  -strip -define png:exclude-chunks=date,time,tIME +set date:create +set date:modify "PNG24:$OUTPNG"
