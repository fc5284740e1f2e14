#!/bin/sh
# vokadlo-say against what a hostile user tries: a signal while --line waits (the WAV so far
# kept whole), configuration files that are FIFOs, devices or links, endless input, dictionary
# rows that feed each other, two outputs on one file, a dictionary deleted while it is used,
# and options and inputs that must be refused with status 2 and a message naming the problem.
#   hostile_runs.sh VOKADLO_SAY [sanitized]
set -eu
say="$1" sanitized="${2:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
config="$work/config"
export VOKADLO_CONFIG_DIR="$config"
mkdir "$config"
le32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }
# A whole WAV: its RIFF and data sizes agree with the file's.
whole_wav() {
    size=$(wc -c < "$1")
    [ "$(le32 "$1" 4)" -eq $((size - 8)) ] && [ "$(le32 "$1" 40)" -eq $((size - 44)) ]
}
# expect STATUS PATTERN COMMAND...: that status and a line on standard error matching PATTERN.
expect() {
    want=$1 pattern=$2
    shift 2
    status=0
    "$@" > /dev/null 2> "$work/err" < /dev/null || status=$?
    if [ "$status" -ne "$want" ] || ! grep -q -- "$pattern" "$work/err"; then
        echo "expected status $want and '$pattern' from: $*" >&2
        echo "got status $status and: $(cat "$work/err")" >&2
        exit 1
    fi
}

# --line ends at once on SIGTERM or SIGINT while it waits for a line; the lines spoken are kept.
mkfifo "$work/lines"
for signal in TERM INT; do
    "$say" --line -w "$work/line.wav" < "$work/lines" &
    pid=$!
    exec 3> "$work/lines"
    echo "Dobrý den." >&3
    sleep 1
    kill -s $signal $pid
    status=0
    wait $pid || status=$?
    exec 3>&-
    [ "$status" -eq "$([ $signal = TERM ] && echo 143 || echo 130)" ]
    whole_wav "$work/line.wav"
    [ "$(wc -c < "$work/line.wav")" -gt 10000 ]
    rm "$work/line.wav"
done

# A FIFO or a device in place of the store is never opened: one notice, then speech.
mkfifo "$config/settings.reg"
timeout 20 "$say" -w "$work/x.wav" "ahoj" 2> "$work/err"
[ "$(grep -c 'settings.reg: is a FIFO' "$work/err")" -eq 1 ]
rm "$config/settings.reg"
ln -s /dev/zero "$config/settings.reg"
timeout 20 "$say" -w "$work/x.wav" "ahoj" 2> "$work/err"
grep -q 'settings.reg: is a character device' "$work/err"
rm "$config/settings.reg"

# Whatever the dictionary, tags and options, memory stays bounded: rows that feed each other
# (a=bb, b=cc, ...) make one chunk that is cut at 32 MiB of sound, said once each.
for key in a b c d e f g h i j k l m n o p q r s t u v w x y; do
    next=$(echo $key | tr a-y b-z)
    echo "$key=$next$next"
done > "$config/vokadlo.dct"
if [ -z "$sanitized" ] && [ -x /usr/bin/time ]; then
    /usr/bin/time -f %M -o "$work/rss" "$say" --speed 1000 --echo-tracks 10 -w "$work/x.wav" a \
        2> "$work/err"
    rss=$(tail -n 1 "$work/rss")
    [ "$rss" -lt 131072 ] || { echo "dictionary cascade: peak RSS $rss KiB" >&2; exit 1; }
    [ "$(wc -c < "$work/x.wav")" -eq $((32 * 1048576 + 44)) ]
    [ "$(grep -c 'past 4 KiB' "$work/err")" -eq 1 ]
    [ "$(grep -c 'passed 32 MiB' "$work/err")" -eq 1 ]
    # Both chunk slots full, the longest echo, the lowest tempo: still bounded.
    /usr/bin/time -f %M -o "$work/rss" "$say" --speed 1000 --echo-tracks 10 --echo-delay 20000 \
        --pitch -100 -w /dev/null 'a \spd=1\ a a' 2> /dev/null
    rss=$(tail -n 1 "$work/rss")
    [ "$rss" -lt 131072 ] || { echo "three long chunks: peak RSS $rss KiB" >&2; exit 1; }
    # Endless input is read in pieces, by lines or not, and stopped by a signal.
    for args in --line "-f /dev/zero"; do
        status=0
        /usr/bin/time -f %M -o "$work/rss" timeout 3 "$say" $args -w "$work/z.wav" < /dev/zero ||
            status=$?
        rss=$(tail -n 1 "$work/rss")
        if [ "$status" -ne 124 ] || [ "$rss" -ge 65536 ]; then
            echo "$args from /dev/zero: status $status, peak RSS $rss KiB" >&2
            exit 1
        fi
    done
    # An allocation that fails says so and what was being done.
    expect 1 'out of memory while preparing the speech' \
        sh -c "ulimit -v 60000 && exec \"$say\" --speed 1000 -w \"$work/x.wav\" a"
fi

# A dictionary deleted while --line speaks: one notice, the speech goes on and is kept.
echo "ahoj=nazdar" > "$config/vokadlo.dct"
{ echo "ahoj"; sleep 1.2; echo "ahoj"; sleep 1.2; echo "ahoj"; } |
    "$say" --line -w "$work/kept.wav" 2> "$work/err" &
sleep 0.5
rm "$config/vokadlo.dct"
wait $!
[ "$(grep -c 'vokadlo.dct: no such file' "$work/err")" -eq 1 ]
whole_wav "$work/kept.wav"

# Two outputs on one file, also through a link, are refused before anything is spoken.
ln -s same.wav "$work/link.wav"
expect 2 'both name' "$say" -w "$work/same.wav" --trace "$work/same.wav" ahoj
expect 2 'both name' "$say" -w "$work/link.wav" --trace "$work/same.wav" ahoj
expect 2 'both name' "$say" -w "$work/dumps/0001.wav" --dump-images "$work/dumps" ahoj
[ ! -e "$work/same.wav" ] && [ ! -e "$work/dumps" ]

# Refused combinations and values, each named.
expect 2 'give no TEXT' "$say" --line -w "$work/x.wav" text
expect 2 'give no TEXT' "$say" --line -f "$work/kept.wav" -w "$work/x.wav"
expect 2 'standard input is closed' sh -c "exec \"$say\" --line -w \"$work/x.wav\" <&-"
expect 2 "'nan' is not a finite number" "$say" --speed nan -w "$work/x.wav" ahoj
expect 2 "'inf' is not a finite number" "$say" -s inf -w "$work/x.wav" ahoj
expect 2 "'abc' is not a whole number" "$say" --pitch abc -w "$work/x.wav" ahoj
expect 2 'empty name' "$say" -w '' ahoj
expect 2 'empty name' "$say" --config-dir '' -w "$work/x.wav" ahoj
expect 2 'cannot make the folder: it is a file' "$say" --dump-images "$work/x.wav" -w - ahoj
"$say" --decimal-separator é -w "$work/x.wav" "3é5"
expect 2 'not one character of code page 1250' "$say" --decimal-separator ab ahoj
printf 'ahoj\nx \\ton=-\\ y\n' > "$work/tags.txt"
expect 1 'line 2: bad value "-" in tag \\ton=-\\ at character 3' \
    sh -c "exec \"$say\" --line -w \"$work/x.wav\" < \"$work/tags.txt\""

# A store whose flag cannot be cleared leaves its values unread, and says so unasked.
mkdir "$work/locked" "$work/locked/settings.reg.lock"
printf '%s\n' REGEDIT4 '' \
    '[HKEY_LOCAL_MACHINE\SOFTWARE\Voice\TextToSpeech\Engine\ORV_TTS\VEMIRa]' \
    '"Values_Changed"=dword:00000001' > "$work/locked/settings.reg"
"$say" --config-dir "$work/locked" -w "$work/x.wav" ahoj 2> "$work/err"
grep -q 'settings.reg.lock: .*Values_Changed cannot be cleared' "$work/err"

# A configuration folder that is a file is named once; speech goes on without it.
: > "$work/file"
"$say" --config-dir "$work/file" -w "$work/x.wav" ahoj 2> "$work/err"
[ "$(grep -c 'file: is a file, not a folder' "$work/err")" -eq 1 ]
[ "$(wc -l < "$work/err")" -eq 1 ]
echo "hostile runs: signals in --line, FIFO store, memory, deleted dictionary, clashes, refusals"
