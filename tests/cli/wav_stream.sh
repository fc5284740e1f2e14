#!/bin/sh
# vokadlo-say -w - streams: the header first with its sizes unknown, each chunk as it plays, in
# flat memory; a reader that goes away ends it as it ends other tools (SIGPIPE, status 141,
# nothing on standard error); SIGTERM and SIGINT end it with 143 and 130, leaving no file.
#   wav_stream.sh VOKADLO_SAY [sanitized]
set -eu
say="$1" sanitized="${2:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VOKADLO_CONFIG_DIR="$work/config"
text="Dobrý den, mám 25 Kč. Jak se máte?"
le32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }

"$say" --seed 3 -w "$work/file.wav" "$text"
# Through a pipe: RIFF and data sizes 0xFFFFFFFF, then the same samples as the file.
"$say" --seed 3 -w - "$text" | cat > "$work/piped.wav"
[ "$(head -c 4 "$work/piped.wav")" = RIFF ]
[ "$(le32 "$work/piped.wav" 4)" -eq 4294967295 ]
[ "$(le32 "$work/piped.wav" 40)" -eq 4294967295 ]
cmp -i 8 -n 32 "$work/piped.wav" "$work/file.wav"
cmp -i 44 "$work/piped.wav" "$work/file.wav"
# Into a regular file the sizes are put right at the end: the same bytes as -w FILE.
"$say" --seed 3 --stdout "$text" > "$work/redirected.wav"
cmp "$work/file.wav" "$work/redirected.wav"

i=0
while [ $i -lt 600 ]; do printf 'slovo za slovem a zase jedno slovo '; i=$((i + 1)); done > "$work/long.txt"

# Memory stays flat however long the speech (about 90 MB of it here), to a file as to a pipe.
if [ -z "$sanitized" ] && [ -x /usr/bin/time ]; then
    measure() { /usr/bin/time -f %M -o "$work/rss-$1" "$say" --seed 1 -f "$work/long.txt" -w "$2"; }
    measure file "$work/long.wav"
    measure pipe - | wc -c > "$work/bytes"
    [ "$(cat "$work/bytes")" -eq "$(wc -c < "$work/long.wav")" ]
    rm "$work/long.wav"
    for run in file pipe; do
        if [ "$(tail -n 1 "$work/rss-$run")" -ge 16384 ]; then
            echo "-w to a $run: peak RSS $(tail -n 1 "$work/rss-$run") KiB" >&2
            exit 1
        fi
    done
fi

# A reader that has read enough: SIGPIPE, quietly.
{
    status=0
    "$say" -f "$work/long.txt" -w - 2> "$work/err" || status=$?
    echo $status > "$work/status"
} | head -c 1000 > "$work/head"
[ "$(cat "$work/status")" -eq 141 ]
[ ! -s "$work/err" ]
[ "$(wc -c < "$work/head")" -eq 1000 ]

# Terminated or interrupted: 143 or 130, and no file or temporary file left.
for i in 1 2 3 4 5 6 7 8; do cat "$work/long.txt"; done > "$work/longer.txt"
for signal in TERM INT; do
    "$say" -f "$work/longer.txt" -w "$work/stopped.wav" & pid=$!
    sleep 0.3
    kill -s $signal $pid
    status=0
    wait $pid || status=$?
    expected=143
    [ $signal = TERM ] || expected=130
    [ "$status" -eq $expected ]
    [ -z "$(ls "$work" | grep stopped)" ]
done
"$say" --help | grep -q '130 interrupted'
"$say" --help | grep -q '143 terminated'
echo "wav stream: header, samples, flat memory, broken pipe, signals"
