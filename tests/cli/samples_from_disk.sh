#!/bin/sh
# --samples-from-disk: the voice's own folder (names in upper case) speaks exactly as the
# built-in voice; a folder without a usable recording is an error; a file that is no recording
# is named once and the rest of the voice speaks.
set -eu
say="$1"
voice="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VOKADLO_CONFIG_DIR="$work/config"

text="Dobrý den, čtyři žluťoučcí koně úpěli ďábelské ódy."
"$say" --seed 7 -w "$work/builtin.wav" "$text"
"$say" --seed 7 --samples-from-disk "$voice" -w "$work/disk.wav" "$text"
cmp "$work/builtin.wav" "$work/disk.wav"

mkdir "$work/empty"
if "$say" --samples-from-disk "$work/empty" -w "$work/none.wav" ahoj 2>"$work/err"; then
    exit 1
else
    [ $? -eq 1 ]
fi
grep -q "none of the voice's 34 recordings is there" "$work/err"

mkdir "$work/part"
cp "$voice"/*.wav "$work/part/"
head -c 100 "$voice/E.wav" > "$work/part/E.wav"
"$say" --samples-from-disk "$work/part" -w "$work/part.wav" "ene bene" 2>"$work/err"
[ "$(grep -c "E.wav is no recording: it declares more data than the file holds" "$work/err")" -eq 1 ]
[ "$(wc -c < "$work/part.wav")" -gt 10000 ]

# A recording missing from the folder is named once; the rest of the voice speaks.
rm "$work/part/E.wav"
"$say" --samples-from-disk "$work/part" -w "$work/part.wav" "ene bene" 2>"$work/err"
[ "$(grep -c "part/e.wav is missing" "$work/err")" -eq 1 ]
