#!/bin/sh
# vokadlo-say --reading design speaks every text exactly as before the reading stage existed:
# the trace (the engine's chunks, units and prosody) and the sound (the WAV and the chunk
# images) of a corpus of mixed texts have the checksums recorded from the program of that time
# (reading_design/checksums). It speaks with five recordings kept here
# (reading_design/voice, --samples-from-disk), so that a new built-in voice changes nothing.
#   reading_design.sh SAY            compare
#   reading_design.sh SAY --record   record (READING="" for a program without --reading)
set -eu
say="$1"
here=$(cd "$(dirname "$0")/reading_design" && pwd)
reading=${READING---reading design}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VOKADLO_CONFIG_DIR="$work/config"

# run NAME OPTION... : speaks with a fixed seed and prints the checksums of what it wrote.
run() {
    name=$1
    shift
    rm -rf "$work/d"
    # shellcheck disable=SC2086
    "$say" $reading --seed 1 --samples-from-disk "$here/voice" -w "$work/a.wav" \
        --trace "$work/t.jsonl" --dump-images "$work/d" "$@" 2>>"$work/notices"
    echo "$name trace $(sed 's/"image_bytes":[0-9]*//' "$work/t.jsonl" | sha256sum | cut -c1-64)"
    echo "$name sound $(cat "$work/a.wav" "$work/d"/*.wav | sha256sum | cut -c1-64)"
}

{
    n=0
    while IFS= read -r line; do
        n=$((n + 1))
        run "line$n" "$line"
        run "word$n" --word-mode "$line"
    done < "$here/corpus.txt"
    run plain --plain -f "$here/corpus.txt"
    run cp1250 --encoding cp1250 -f "$here/corpus-cp1250.txt"
    run stdin < "$here/corpus.txt"
} > "$work/checksums"

if [ "${2-}" = --record ]; then
    cp "$work/checksums" "$here/checksums"
elif ! diff "$here/checksums" "$work/checksums"; then
    echo "--reading design no longer speaks these texts as before"
    exit 1
fi
