#!/bin/sh
# vokadlo-say -w writes exactly the samples of the chunks it plays, and the same seed gives the
# same file twice.
set -eu
say="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VOKADLO_CONFIG_DIR="$work/config"

text="Dobrý den, mám 25 Kč. Jak se máte? Já dobře!"
"$say" --seed 42 -w "$work/a.wav" --dump-images "$work/dumps" --trace "$work/trace.jsonl" "$text"
"$say" --seed 42 -w "$work/b.wav" "$text"
cmp "$work/a.wav" "$work/b.wav"

# The file's data is every dumped image from byte 46 on, in order.
: > "$work/joined"
for f in "$work/dumps"/*.wav; do
    tail -c +47 "$f" >> "$work/joined"
done
tail -c +45 "$work/a.wav" > "$work/data"
cmp "$work/joined" "$work/data"

# A standard header: RIFF size = file - 8, data size = file - 44, mono 16-bit 22050 Hz.
size=$(wc -c < "$work/a.wav")
le32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }
[ "$(le32 "$work/a.wav" 4)" -eq $((size - 8)) ]
[ "$(le32 "$work/a.wav" 40)" -eq $((size - 44)) ]
[ "$(le32 "$work/a.wav" 24)" -eq 22050 ]
[ "$(od -An -tu2 -j 22 -N2 "$work/a.wav" | tr -d ' ')" -eq 1 ]
[ "$size" -gt 20000 ]

# One trace line per chunk, each a JSON object with the chunk's count.
[ "$(wc -l < "$work/trace.jsonl")" -eq "$(ls "$work/dumps" | wc -l)" ]
head -n 1 "$work/trace.jsonl" | grep -q '^{"chunk":1,"slot":1,"display":"dobrý ",'

# Standard input, and the exit status of bad input.
echo "Dobrý den" | "$say" -w "$work/stdin.wav"
[ "$(wc -c < "$work/stdin.wav")" -gt 1000 ]
if "$say" --volume 99999 x 2>/dev/null; then exit 1; fi
if "$say" -f "$work/missing.txt" 2>/dev/null; then exit 1; fi
if printf 'a\377' | "$say" --encoding utf-8 -w "$work/x.wav" 2>/dev/null; then exit 1; fi
# An interrupt stops at once and leaves no partial file behind.
i=0
while [ $i -lt 4000 ]; do printf 'slovo za slovem a zase jedno slovo '; i=$((i + 1)); done > "$work/long.txt"
"$say" -f "$work/long.txt" -w "$work/long.wav" & pid=$!
sleep 0.3
kill -INT $pid
status=0
wait $pid || status=$?
[ "$status" -eq 130 ]
[ ! -e "$work/long.wav" ]
[ -z "$(ls "$work" | grep 'long.wav.tmp')" ]

# Aloud through the sound player and the event loop, into an ALSA sink that discards the sound
# (ALSA's whole configuration: no plugin of the system's, such as a sound server's, is loaded).
printf 'pcm.!default { type null }\n' > "$work/alsa.conf"
ALSA_CONFIG_PATH="$work/alsa.conf" "$say" --verbose "Dobrý den, jak se máte?" > "$work/aloud.txt"
[ "$(cat "$work/aloud.txt")" = "$(printf 'dobrý \nden, \njak \nse \nmáte?')" ]
echo ok
