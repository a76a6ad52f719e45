#!/bin/bash
# How many chord occurrences of a collection of lead sheets orvel-match reads.
#
#   tools/chord-coverage.sh CHARTS [ORVEL_MATCH]
#
# CHARTS holds chord charts as text, chords separated by spaces, commas or
# bar lines ("D-7,G7|C^7"). Each different symbol is read once by
# `orvel-match --chords`; the figure counts every occurrence. The symbols
# that cannot be read are listed with how often they occur and why.
set -euo pipefail
charts=$1
match=${2:-build/default/bin/orvel-match}
counts=$(mktemp)
trap 'rm -f "$counts"' EXIT
tr '|, \t' '\n\n\n\n' <"$charts" | grep -v '^$' | sort | uniq -c | sort -rn >"$counts"
total=0
unread=0
while read -r count symbol; do
    total=$((total + count))
    if ! why=$("$match" --chords "$symbol" 2>&1 >/dev/null); then
        unread=$((unread + count))
        echo "$count $why"
    fi
done <"$counts"
awk -v total="$total" -v unread="$unread" -v symbols="$(wc -l <"$counts")" 'BEGIN {
    printf "read %d of %d chord occurrences (%.3f %%), %d different symbols\n",
        total - unread, total, 100 * (total - unread) / total, symbols
}'
