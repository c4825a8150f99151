#!/usr/bin/env bash
# Makes every sound of the game: three voice themes (festival), the crowd
# (espeak-ng) and the fanfare. Usage: sounds.sh OUTDIR WORKDIR
set -euo pipefail
OUT="$1"; T="$2"
mkdir -p "$OUT" "$T"
RATE=22050
# plain 16-bit mono PCM, the one WAV every back end plays
FMT=(-b 16 -e signed-integer -c 1 -r $RATE)
SOX=(sox -R -V1)

# finish IN OUT MAXSECONDS: trim silence, cap the length, normalise, fade out
finish() {
  "${SOX[@]}" "$1" "${FMT[@]}" "$T/f.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
  local len; len=$(soxi -D "$T/f.wav")
  local cap; cap=$(awk -v l="$len" -v m="$3" 'BEGIN{print (l>m-0.02)?m-0.02:l}')
  "${SOX[@]}" "$T/f.wav" "${FMT[@]}" "$2" trim 0 "$cap" fade t 0.005 "$cap" 0.05 norm -1
}

# ---------------------------------------------------------------- effects
# whoosh: filtered noise that swells and fades, swept by a flanger; the
# effects are levelled with the voices (level, below)
whoosh() { # out seed-ish-colour lowpass
  "${SOX[@]}" -n "${FMT[@]}" "$T/w.wav" synth 0.85 "$2" highpass 300 lowpass "$3" \
    flanger 0 3 0 70 2 sine 50 lin tremolo 3 40 fade q 0.35 0.85 0.45 gain -3
  level "$T/w.wav" "$1" 2
}
# blast: a burst of noise over a falling low tone
blast() { # out pitch
  "${SOX[@]}" -n "${FMT[@]}" "$T/b1.wav" synth 1.4 brownnoise lowpass 1800 fade q 0.01 1.4 1.2
  "${SOX[@]}" -n "${FMT[@]}" "$T/b2.wav" synth 1.4 sine "$2"-28 fade q 0.01 1.4 1.0 overdrive 10
  "${SOX[@]}" -n "${FMT[@]}" "$T/b3.wav" synth 0.25 whitenoise highpass 1500 fade q 0.005 0.25 0.2
  "${SOX[@]}" -m "$T/b1.wav" "$T/b2.wav" "$T/b3.wav" "${FMT[@]}" "$T/b.wav" reverb 40 50 60
  level "$T/b.wav" "$1" 2 1
}
# a short brass chord rising to the tonic, for the victory sound
tada() { # out base-frequency
  local f="$1" o="$2"
  "${SOX[@]}" -n "${FMT[@]}" "$T/t1.wav" synth 0.16 sawtooth "$f" fade q 0.01 0.16 0.03
  "${SOX[@]}" -n "${FMT[@]}" "$T/t2.wav" synth 0.16 sawtooth "$(awk -v f="$f" 'BEGIN{print f*1.26}')" fade q 0.01 0.16 0.03
  "${SOX[@]}" -n "${FMT[@]}" "$T/t3.wav" synth 0.7 sawtooth "$(awk -v f="$f" 'BEGIN{print f*1.5}')" sawtooth "$(awk -v f="$f" 'BEGIN{print f*1.505}')" remix - fade q 0.02 0.7 0.4
  "${SOX[@]}" "$T/t1.wav" "$T/t2.wav" "$T/t3.wav" "${FMT[@]}" "$o" lowpass 2600 overdrive 5 reverb 30 gain -6
}

# ---------------------------------------------------------------- voice themes
# level: every spoken line is brought to the same loudness (RMS), give or
# take the line's own offset, by plain gain, so the themes sit together in a
# duel. The target leaves room for speech's peaks; a line whose peaks would
# still pass PEAK is held by sox's limiter instead (it squashes the words, so
# only then).
TARGET_RMS=${TARGET_RMS:--20}
PEAK=-1
stat_of() { "${SOX[@]}" "$1" -n stats 2>&1 | awk -v k="$2" '$0 ~ "^" k {print $(NF)}'; }
level() { # IN OUT MAXSECONDS [DB]
  local want; want=$(awk -v t="$TARGET_RMS" -v d="${4:-0}" 'BEGIN{print t+d}')
  "${SOX[@]}" "$1" "${FMT[@]}" "$T/l.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
  local len cap g pk
  len=$(soxi -D "$T/l.wav")
  cap=$(awk -v l="$len" -v m="$3" 'BEGIN{print (l>m-0.02)?m-0.02:l}')
  "${SOX[@]}" "$T/l.wav" "${FMT[@]}" "$T/l1.wav" trim 0 "$cap" fade t 0.01 "$cap" 0.05
  g=$(awk -v r="$(stat_of "$T/l1.wav" "RMS lev dB")" -v t="$want" 'BEGIN{printf "%.2f", t-r}')
  pk=$(awk -v p="$(stat_of "$T/l1.wav" "Pk lev dB")" -v g="$g" 'BEGIN{printf "%.2f", p+g}')
  if awk -v p="$pk" -v m="$PEAK" 'BEGIN{exit !(p>m)}'; then
    echo "  $(basename "$2"): peaks at $pk dB, limited" >&2
    "${SOX[@]}" "$T/l1.wav" "${FMT[@]}" "$2" gain -l "$(awk -v g="$g" -v m="$PEAK" 'BEGIN{print g-m}')" gain "$PEAK"
  else
    "${SOX[@]}" "$T/l1.wav" "${FMT[@]}" "$2" gain "$g"
  fi
}

# fest VOICE SPEED "TEXT" OUT MAX DB [SOX EFFECTS...]: one line from festival;
# SPEED above 1 is quicker. HTS voices take it as the engine's speech rate,
# diphone voices as a stretch of every phone's duration.
fest() {
  local voice="$1" speed="$2" text="$3" out="$4" max="$5" db="$6"; shift 6
  local rate
  case "$voice" in
    *_hts) rate="(set! hts_engine_params (append hts_engine_params (list (list \"-r\" $speed))))" ;;
    *) rate="(Parameter.set 'Duration_Stretch $(awk -v s="$speed" 'BEGIN{printf "%.3f", 1/s}'))" ;;
  esac
  printf '%s' "$text" | iconv -f utf-8 -t iso-8859-2 >"$T/t.txt"
  text2wave -eval "(voice_$voice)" -eval "$rate" -o "$T/v.wav" "$T/t.txt" 2>/dev/null
  "${SOX[@]}" "$T/v.wav" "${FMT[@]}" "$T/v2.wav" "$@"
  level "$T/v2.wav" "$out" "$max" "$db"
}

# theme NAME VOICE TABLE; each line is "text|speed|dB|sox effects"
theme() {
  local name="$1" voice="$2"
  local d="$OUT/$name"
  mkdir -p "$d"
  local -n L="$3"
  local k text speed db fx
  for k in watchthis excellent ohdear laugh boring missed ouch ow1 ow2 illgetyou YOULLREGRETTHAT stupid coward victory; do
    IFS='|' read -r text speed db fx <<<"${L[$k]}"
    # shellcheck disable=SC2086
    fest "$voice" "$speed" "$text" "$T/$k.wav" 2 "$db" $fx
    if [ "$k" = victory ]; then
      # the shout, then a short brass flourish
      tada "${L[_tada]}" "$T/tada.wav"
      "${SOX[@]}" "$T/tada.wav" "${FMT[@]}" "$T/tada2.wav" pad "$(soxi -D "$T/victory.wav" | awk '{print $1+0.05}')" 0
      "${SOX[@]}" -m -v 1 "$T/victory.wav" -v 0.2 "$T/tada2.wav" "${FMT[@]}" "$T/vic.wav"
      level "$T/vic.wav" "$d/victory.wav" 2 "$db"
    else
      cp "$T/$k.wav" "$d/$k.wav"
    fi
  done
  whoosh "$d/fire.wav" "${L[_noise]}" "${L[_lp]}"
  blast "$d/fireball.wav" "${L[_blast]}"
}

# Delivery per line, all from the voice itself: shouts quick and a little
# louder, the hurt cries drawn out, the sneer slow and quiet. Pitch is left
# to the voice (shifting it after the fact made the words hard to make out);
# at most a touch of sox's pitch, in cents. A few lines carry a word of
# context ("You missed me!"), which a listener needs as much as a recogniser.
declare -A EN=(
  [watchthis]="Watch this one!|1.0|0|"
  [excellent]="Excellent!|0.95|0|"
  [ohdear]="Oh dear!|0.85|-1|"
  [laugh]="Ha ha ha ha!|1.15|0|"
  [boring]="Boring!|0.8|-1|"
  [missed]="You missed me!|1.05|0.5|"
  [ouch]="Ouch!|0.9|1|"
  [ow1]="Aow!|0.8|1|"
  [ow2]="Aaaaargh!|0.6|1|"
  [illgetyou]="I'll get you!|1.0|0.5|"
  [YOULLREGRETTHAT]="You'll regret that!|0.95|0|"
  [stupid]="Stupid, stupid!|1.1|1|"
  [coward]="You're a coward!|0.85|1|"
  [victory]="Sweet victory!|1.0|1|"
  [_tada]=262 [_noise]=pinknoise [_lp]=2600 [_blast]=90
)
# Serbian lines, written the way the Czech voice reads them: t, d, n before
# i as ty, dy, ny (hard), ć as ť, h as ch
declare -A SR=(
  [watchthis]="Gledaj ovo!|1.0|0|"
  [excellent]="Odlyčno!|0.95|0|"
  [ohdear]="Joj, joj!|0.85|-1|"
  [laugh]="Cha cha cha cha!|1.15|0|"
  [boring]="Dosadno!|0.8|-1|"
  [missed]="Promašio sy!|1.05|0.5|"
  [ouch]="Jao!|0.9|1|"
  [ow1]="Au!|0.8|1|"
  [ow2]="Joooj!|0.6|1|"
  [illgetyou]="Srediťu te!|1.0|0.5|"
  [YOULLREGRETTHAT]="Zažaliťeš!|0.95|0|"
  [stupid]="Glupo!|1.1|1|"
  [coward]="Kukavice!|1.0|1|"
  [victory]="Pobeda!|1.0|1|"
  [_tada]=294 [_noise]=pinknoise [_lp]=2000 [_blast]=70
)
# the dwarf: slower and gruffer, a "lad" here and there, and a low brass
declare -A DW=(
  [watchthis]="Now watch this!|0.9|0|"
  [excellent]="Excellent!|0.9|0|"
  [ohdear]="Oh dear, oh dear!|0.9|-1|"
  [laugh]="Ho ho ho!|0.85|0|"
  [boring]="Boring!|0.85|-1|"
  [missed]="Ha, you missed!|1.0|0.5|"
  [ouch]="Ouch!|0.85|1|"
  [ow1]="Oof!|0.8|1|"
  [ow2]="Aaaaargh!|0.6|1|"
  [illgetyou]="I will get you!|1.0|0.5|"
  [YOULLREGRETTHAT]="You'll regret that!|0.9|0|"
  [stupid]="That was stupid!|1.0|1|"
  [coward]="You coward!|1.0|1|"
  [victory]="Victory, victory!|1.0|1|"
  [_tada]=196 [_noise]=brownnoise [_lp]=1600 [_blast]=55
)

# a natural American woman's voice (HTS, from the CMU Arctic recordings)
theme american cmu_us_slt_arctic_hts EN
# Serbian lines in a Czech man's recorded diphones: the nearest natural Slavic voice
theme srpski czech_machac SR
# the dwarf: an American man's recorded diphones
theme patuljak kal_diphone DW

# the default theme also lies directly in zvuk/
for f in "$OUT/american/"*.wav; do cp "$f" "$OUT/"; done

# ---------------------------------------------------------------- crowd cheering (<= 4 s)
i=0
for shout in "en-us:70:Hooray!" "en-us+f3:80:Yeah!" "en:40:Hurrah!" "en-us+m3:60:Bravo!" "en+f2:90:Woo-hoo!" "sr:50:Bravo!"; do
  IFS=: read -r v p w <<<"$shout"
  espeak-ng -v "$v" -p "$p" -s 150 -w "$T/c$i.wav" "$w"
  "${SOX[@]}" "$T/c$i.wav" "${FMT[@]}" "$T/cc$i.wav" pad "0.$((i * 13 % 10))" 0 gain -4
  i=$((i + 1))
done
"${SOX[@]}" -n "${FMT[@]}" "$T/cn.wav" synth 3.6 pinknoise bandpass 1200 1.2 tremolo 7 60 fade q 0.4 3.6 1.6 gain -8
"${SOX[@]}" -n "${FMT[@]}" "$T/cl.wav" synth 3.6 brownnoise lowpass 600 tremolo 11 80 fade q 0.2 3.6 1.8 gain -10
"${SOX[@]}" -m "$T"/cc*.wav "$T/cn.wav" "$T/cl.wav" "${FMT[@]}" "$T/crowd.wav" reverb 50 50 80
finish "$T/crowd.wav" "$OUT/masa.wav" 4

# ---------------------------------------------------------------- royal fanfare (8-15 s)
# melody as note:beats, one beat 0.3 s; a second voice a fifth below, and drums
note() { # freq seconds out
  if [ "$1" = 0 ]; then "${SOX[@]}" -n "${FMT[@]}" "$3" trim 0 "$2"; return; fi
  "${SOX[@]}" -n "${FMT[@]}" "$3" synth "$2" sawtooth "$1" fade q 0.02 "$2" 0.06
}
freq() { awk -v n="$1" 'BEGIN{ if (n=="R") {print 0; exit} split("C D E F G A B",a," "); m["C"]=0;m["D"]=2;m["E"]=4;m["F"]=5;m["G"]=7;m["A"]=9;m["B"]=11; o=substr(n,length(n),1); p=substr(n,1,length(n)-1); s=m[p]+12*(o+1); printf "%.2f", 440*2^((s-69)/12) }'; }
MEL="G4:1 G4:1 G4:1 C5:3 G4:1 C5:1 E5:3 R:1 E5:1 E5:1 E5:1 G5:3 E5:1 C5:1 G4:3 R:1 C5:1 E5:1 G5:2 E5:1 G5:2 C6:6"
BAS="C3:3 C3:3 G3:3 C3:3 C3:3 E3:3 G3:3 C3:3 C3:3 C3:3 C3:6"
mk_line() { # "notes" prefix out
  local parts=() j=0 n b
  for nb in $1; do
    n=${nb%%:*}; b=${nb##*:}
    note "$(freq "$n")" "$(awk -v b="$b" 'BEGIN{print b*0.3}')" "$T/$2$j.wav"
    parts+=("$T/$2$j.wav"); j=$((j + 1))
  done
  "${SOX[@]}" "${parts[@]}" "${FMT[@]}" "$3"
}
mk_line "$MEL" m "$T/mel.wav"
mk_line "$BAS" a "$T/bas.wav"
"${SOX[@]}" "$T/mel.wav" "${FMT[@]}" "$T/mel2.wav" pitch -702
# timpani rolls: short low sine hits on the beat
"${SOX[@]}" -n "${FMT[@]}" "$T/hit.wav" synth 0.6 sine 70-50 fade q 0.005 0.6 0.55
"${SOX[@]}" -n "${FMT[@]}" "$T/gap.wav" trim 0 0.3
"${SOX[@]}" "$T/hit.wav" "$T/gap.wav" "$T/hit.wav" "$T/gap.wav" "$T/hit.wav" "$T/gap.wav" "$T/hit.wav" "$T/gap.wav" "$T/hit.wav" "$T/gap.wav" "$T/hit.wav" "$T/gap.wav" "$T/hit.wav" "$T/gap.wav" "$T/hit.wav" "${FMT[@]}" "$T/drums.wav"
"${SOX[@]}" -m -v 1 "$T/mel.wav" -v 0.5 "$T/mel2.wav" -v 0.6 "$T/bas.wav" -v 0.9 "$T/drums.wav" "${FMT[@]}" "$T/fan.wav" \
  lowpass 3000 overdrive 4 reverb 50 50 100 pad 0 1
finish "$T/fan.wav" "$OUT/royal.wav" 15
