#!/bin/sh
# What vokadlo-say tells a user about input it cannot take: a tag value it cannot read (the tag
# and where it stands, counted in characters of the text as given), standard input that is a
# folder, and a user dictionary it cannot read (one notice; the speech goes on without it).
set -eu
say="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VOKADLO_CONFIG_DIR="$work/config"

expect() {  # expect STATUS MESSAGE TEXT: one line on standard error, the status, no WAV
    status=0
    "$say" -w "$work/x.wav" "$3" 2> "$work/err" || status=$?
    if [ "$status" -ne "$1" ] || [ "$(cat "$work/err")" != "$2" ] || [ -e "$work/x.wav" ]; then
        printf 'for %s expected status %s and: %s\n' "$3" "$1" "$2" >&2
        printf 'got status %s and: %s\n' "$status" "$(cat "$work/err")" >&2
        exit 1
    fi
}
expect 1 'vokadlo-say: bad value "-" in tag \ton=-\ at character 11' 'dobrý den \ton=-\ x'
expect 1 'vokadlo-say: bad value "3000000000" in tag \TON=3000000000\ at character 1' \
    '\TON=3000000000\ ahoj'
expect 1 'vokadlo-say: bad value "-" in tag {spd=-} at character 8' 'Už jsme{spd=-}tam'

status=0
"$say" -w "$work/x.wav" < "$work" 2> "$work/err" || status=$?
[ "$status" -eq 2 ]
grep -q 'standard input' "$work/err"

mkdir -p "$work/unreadable/vokadlo.dct"
"$say" --config-dir "$work/unreadable" -w "$work/x.wav" "jedna dva tři" 2> "$work/err"
[ "$(wc -l < "$work/err")" -eq 1 ]
grep -q 'vokadlo.dct' "$work/err"
[ "$(wc -c < "$work/x.wav")" -gt 10000 ]
echo "user errors: tag values, standard input, dictionary"
