#!/usr/bin/env bash
# Refuses assets the game would show or play badly: a picture smaller than it is
# drawn, a transparent tile with a visible pixel, a cloud with no plain room for
# the taunt or its tail on the wrong side, a theme line louder or quieter than
# the rest, a clipped, silent, over-long or not plain PCM sound.
# Usage: check.sh ASSETS   (exit 1 names every fault found)
set -uo pipefail
A="$1"
IM=/usr/bin/convert-im6.q16
bad=0
fault() { echo "check: $*" >&2; bad=1; }
# fx FILE EXPR CHANNEL [OPERATIONS]: EXPR over the alpha ("extract") or grey ("gray") channel
fx() {
  local f="$1" expr="$2" channel=(-alpha extract)
  [ "$3" = gray ] && channel=(-alpha off -colorspace gray)
  "$IM" "$f" "${@:4}" +repage "${channel[@]}" -format "%[fx:$expr]" info:
}
above() { awk -v a="$1" -v b="$2" 'BEGIN{exit !(a > b)}'; }

[ "$(fx "$A/providno.gif" maxima extract)" = 0 ] || fault "providno.gif has a visible pixel"

# the middle of each cloud plain white; its tail in the lower corner of the
# fighter who speaks (oblacak: left, oblacak1: right)
for c in oblacak:southwest:southeast oblacak1:southeast:southwest; do
  IFS=: read -r name tail other <<<"$c"
  f="$A/$name.gif"
  middle=(-gravity center -crop 70%x60%+0+0)
  above "$(fx "$f" minima extract "${middle[@]}")" 0.99 && above "$(fx "$f" minima gray "${middle[@]}")" 0.96 \
    || fault "$name.gif: the middle is not plain white"
  ink=$(fx "$f" mean extract -gravity "$tail" -crop 25%x15%+0+0)
  other=$(fx "$f" mean extract -gravity "$other" -crop 25%x15%+0+0)
  above "$ink" "$(awk -v o="$other" 'BEGIN{print 4 * o}')" || fault "$name.gif: the tail is not $tail"
done

# every picture at least as large as the game draws it (most are drawn twice as large)
while read -r w h pattern; do
  for f in $(cd "$A" && ls $pattern); do
    read -r fw fh <<<"$("$IM" "$A/$f[0]" -format '%w %h' info:)"
    [ "$fw" -ge "$w" ] && [ "$fh" -ge "$h" ] || fault "$f: ${fw}x$fh, drawn at ${w}x$h"
  done
done <<'SIZES'
81 121 polje.gif opasnost.gif kovceg.gif coin.gif noarmor.gif robe.gif leather.gif chainmail.gif plate.gif
25 113 dagger.gif sword.gif axe.gif spear.gif
52 64 plavistit.gif crvenistit.gif
57 65 lik??.gif
150 150 zlatnici.gif ui/about-2.png
12 8 ui/arrow-down.png
260 150 oblacak.gif oblacak1.gif
120 120 ui/title-?.png
200 200 ui/mishap-*.png
180 400 ui/male.png ui/female.png
240 320 ui/cards?.png
96 64 ui/dice.png
172 258 ui/inventory.png
160 160 ui/reward.png
260 200 ui/chest.png
80 300 ui/about-1.png
900 620 pozadine/*.jpg
SIZES
for s in 16 32 48 64 128 256; do
  [ "$("$IM" "$A/ui/icon-$s.png" -format '%wx%h' info:)" = "${s}x$s" ] || fault "ui/icon-$s.png is not ${s}x$s"
done

# every sound: 16-bit mono PCM behind the plain 44-byte header every back end plays,, never at full scale, within its length; the theme
# lines within 3 dB RMS of each other
LINES="fire fireball watchthis victory excellent ohdear laugh boring missed ouch ow1 ow2 illgetyou YOULLREGRETTHAT stupid"
levels=()
while IFS= read -r f; do
  stats=$(sox "$f" -n stats 2>&1)
  get() { awk -v k="$1" '$0 ~ "^" k {print $(NF)}' <<<"$stats"; }
  pk=$(get "Pk lev dB") rms=$(get "RMS lev dB") len=$(soxi -D "$f")
  [ "$(soxi -e "$f")/$(soxi -b "$f")/$(soxi -c "$f")" = "Signed Integer PCM/16/1" ] \
    && [ "$(head -c 40 "$f" | tail -c 4)" = data ] || fault "$f: not plain 16-bit mono PCM"
  base=$(basename "$f" .wav)
  case "$base" in royal) lo=8 hi=15 ;; masa) lo=0.1 hi=4 ;; *) lo=0.1 hi=2 ;; esac
  above "$pk" -0.01 && fault "$f: clipped (peak $pk dB)"
  above -20 "$pk" && fault "$f: (nearly) silent (peak $pk dB)"
  { above "$lo" "$len" || above "$len" "$hi"; } && fault "$f: $len s, not $lo-$hi s"
  [[ " $LINES " == *" $base "* ]] && levels+=("$rms $f")
done < <(find "$A/zvuk" -iname '*.wav')
[ "${#levels[@]}" -ge 60 ] || fault "only ${#levels[@]} theme lines found"
spread=$(printf '%s\n' "${levels[@]}" | sort -n | awk 'NR==1{lo=$1; q=$2} {hi=$1; l=$2} END{printf "%.1f dB: %s at %s, %s at %s", hi-lo, l, hi, q, lo}')
above "${spread%% *}" 3 && fault "theme lines spread over $spread"
exit $bad
