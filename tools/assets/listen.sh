#!/usr/bin/env bash
# Runs Debian's offline English recogniser (pocketsphinx, US English model)
# over the ten spoken lines of each theme directory given and counts the
# lines whose key word it makes out. Usage: listen.sh DIR...
# Not part of the build or the tests; needs pocketsphinx and pocketsphinx-en-us.
set -euo pipefail
T="$(mktemp -d)"; trap 'rm -rf "$T"' EXIT
declare -A KEY=(
  [watchthis]=watch [excellent]=excellent [ohdear]=dear [illgetyou]=get
  [YOULLREGRETTHAT]=regret [stupid]=stupid [missed]=missed [coward]=coward
  [victory]=victory [boring]=boring
)
for d in "$@"; do
  n=0; heard=()
  for k in watchthis excellent ohdear illgetyou YOULLREGRETTHAT stupid missed coward victory boring; do
    # -R: no random dither, so the same file always scores the same
    sox -R -V1 "$d/$k.wav" -r 16000 -b 16 -c 1 "$T/a.wav" pad 0.3 0.3
    h=$(pocketsphinx_continuous -infile "$T/a.wav" -logfn /dev/null 2>/dev/null | tr '\n' ' ' | sed 's/ *$//')
    if grep -qw "${KEY[$k]}" <<<"$h"; then n=$((n + 1)); m=+; else m=-; fi
    heard+=("$m$k:\"$h\"")
  done
  echo "$d: $n/10"
  printf '  %s\n' "${heard[@]}"
done
