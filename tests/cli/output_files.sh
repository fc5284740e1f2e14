#!/bin/sh
# What vokadlo-say does to the paths it writes: a file is replaced whole, a symbolic link is
# followed, a FIFO or character device is written into and left as it was, a folder is refused
# before any speech is made, a failed write of any output fails the run, and a killed writer
# leaves nothing behind.
set -eu
say="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VOKADLO_CONFIG_DIR="$work/config"
text="Dobrý den, jak se máte?"
le32() { od -An -tu4 -j "$2" -N4 "$1" | tr -d ' '; }

"$say" --seed 7 -w "$work/plain.wav" "$text"
tail -c +45 "$work/plain.wav" > "$work/plain.data"

# A symbolic link stays a link; its target gets the speech, also a target not there yet.
: > "$work/target.wav"
ln -s target.wav "$work/link.wav"
ln -s "$work/new.wav" "$work/dangling.wav"
"$say" --seed 7 -w "$work/link.wav" "$text"
"$say" --seed 7 -w "$work/dangling.wav" "$text"
[ -L "$work/link.wav" ]
[ -L "$work/dangling.wav" ]
cmp "$work/plain.wav" "$work/target.wav"
cmp "$work/plain.wav" "$work/new.wav"

# A FIFO stays a FIFO and carries a streamed WAV: the same samples, sizes unknown.
mkfifo "$work/fifo"
timeout 60 cat "$work/fifo" > "$work/from-fifo" &
reader=$!
"$say" --seed 7 -w "$work/fifo" "$text"
wait $reader
[ -p "$work/fifo" ]
[ "$(le32 "$work/from-fifo" 40)" -eq 4294967295 ]
tail -c +45 "$work/from-fifo" | cmp - "$work/plain.data"

# A character device stays one: first a node of our own, then (once that held) /dev/null.
if mknod "$work/null" c 1 3 2> /dev/null; then
    "$say" -w "$work/null" "$text"
    [ -c "$work/null" ]
    "$say" -w /dev/null "$text"
    if [ ! -c /dev/null ]; then
        rm -f /dev/null && mknod -m 666 /dev/null c 1 3
        echo "vokadlo-say -w /dev/null replaced /dev/null (restored)" >&2
        exit 1
    fi
elif [ "$(id -u)" -ne 0 ]; then
    "$say" -w /dev/null "$text"  # without root /dev cannot be changed anyway
    [ -c /dev/null ]
fi

# A folder is refused in one line with status 2, before a single chunk is spoken.
mkdir "$work/folder"
status=0
"$say" --verbose -w "$work/folder" "$text" > "$work/out" 2> "$work/err" || status=$?
[ "$status" -eq 2 ]
[ ! -s "$work/out" ]
[ "$(wc -l < "$work/err")" -eq 1 ]
grep -q 'folder' "$work/err"
[ -z "$(ls -A "$work" | grep '^\.')" ]

# A writer killed by any signal leaves nothing behind; a name as long as a name may be is
# written (no temporary name beside it).
long=$(printf '%0250d.wav' 0)
"$say" --seed 7 -w "$work/$long" "$text"
cmp "$work/plain.wav" "$work/$long"
mkdir "$work/killed"
i=0
while [ $i -lt 5000 ]; do echo "$text"; i=$((i + 1)); done > "$work/long.txt"
for signal in KILL HUP USR1 ALRM; do
    "$say" -w "$work/killed/out.wav" -f "$work/long.txt" &
    sleep 0.5
    kill -s $signal $!
    wait $! || true
done
[ -z "$(ls -A "$work/killed")" ]

# A full disk fails the run with the output's name and status 1, whichever output it is; a
# file cut short by it is never left behind.
expect_failure() {  # expect_failure WHAT STDOUT COMMAND... (standard error in $work/err)
    what=$1 out=$2
    shift 2
    status=0
    "$@" > "$out" 2> "$work/err" || status=$?
    if [ "$status" -ne 1 ] || ! grep -q "$what" "$work/err"; then
        echo "expected status 1 and '$what' from: $*" >&2
        cat "$work/err" >&2
        exit 1
    fi
}
expect_failure 'No space left' /dev/null "$say" -w "$work/x.wav" --trace /dev/full "$text"
expect_failure 'No space left' /dev/null "$say" -w /dev/full "$text"
expect_failure 'standard output' /dev/full "$say" --verbose -w "$work/x.wav" "$text"
[ ! -e "$work/x.wav" ]
# Files may hold at most 4 KiB (8 in some shells): one chunk image or ten trace lines pass it.
limited() { (trap '' XFSZ && ulimit -f 8 && exec "$@"); }
expect_failure 'trace.jsonl' /dev/null limited "$say" -w - --trace "$work/trace.jsonl" "$text $text"
expect_failure 'dumps' /dev/null limited "$say" -w - --dump-images "$work/dumps" "$text"
expect_failure 'x.wav' /dev/null limited "$say" -w "$work/x.wav" "$text"
[ ! -e "$work/trace.jsonl" ]
[ ! -e "$work/x.wav" ]
[ -z "$(ls -A "$work/dumps")" ]
[ -z "$(ls -A "$work" | grep '^\.')" ]
echo "output files: links, FIFOs, devices, folders, full disks, killed writers"
