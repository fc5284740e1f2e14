#!/bin/sh
# sd_vokadlo in a private Speech Dispatcher, as a user reaches it with spd-say and a screen
# reader over SSIP: the module is loaded from the documented AddModule line, every Czech letter
# reaches the engine, the marks of an SSML message come back to the client in order, STOP ends
# speech at once, pause and resume work mid-paragraph and leave the server serving others, a mark
# name with a newline comes back as one mark, and a 100 000-character word keeps the module about
# a second ahead of the sound and its memory where it was.
#
# The server runs from a temporary folder with its own configuration, socket and logs, without
# autospawn, and plays into a private PulseAudio's null sink when PulseAudio is installed, else
# into ALSA's discarding "null" device. Skipped (status 77) only when Speech Dispatcher is not
# installed or cannot start here.
set -eu
module="$1"
conf="$2"
sanitized="${3:-}"  # "sanitized": the module's memory is not measured
skip() {
    echo "SKIP: $*"
    exit 77
}
command -v speech-dispatcher > /dev/null ||
    skip "speech-dispatcher is not installed (Debian: speech-dispatcher, see scripts/install-deps)"
command -v spd-say > /dev/null || skip "spd-say is not installed (Debian: speech-dispatcher)"

# A short folder name: the socket path must fit in 108 bytes.
work=$(mktemp -d /tmp/vokadlo-speechd.XXXXXX)
server=""
drain=""
# The server ends its module when it goes; a module whose server was killed sees its input end.
cleanup() {
    [ -z "$drain" ] || kill "$drain" 2> /dev/null || true
    if [ -n "$server" ]; then
        kill "$server" 2> /dev/null || true
        i=0
        while kill -0 "$server" 2> /dev/null && [ $i -lt 50 ]; do
            sleep 0.1
            i=$((i + 1))
        done
        kill -9 "$server" 2> /dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    echo "--- module log"
    cat "$work/log/vokadlo.log" 2> /dev/null || true
    echo "--- server log (end)"
    tail -n 40 "$work/log/speech-dispatcher.log" 2> /dev/null || true
    exit 1
}
ms() { echo $(($(date +%s%N) / 1000000)); }

mkdir -p "$work/conf/modules" "$work/modules" "$work/log" "$work/run" "$work/home"
ln -s "$(cd "$(dirname "$module")" && pwd)/$(basename "$module")" "$work/modules/sd_vokadlo"
cp "$conf" "$work/conf/modules/vokadlo.conf"
cat > "$work/conf/speechd.conf" << EOF
LogLevel 5
LogDir "$work/log"
AudioOutputMethod "alsa"
AudioALSADevice "null"
DefaultModule "vokadlo"
DefaultLanguage "cs"
DisableAutoSpawn
$(grep '^AddModule' "$(dirname "$conf")/speechd-vokadlo.conf")
EOF
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local"
export XDG_RUNTIME_DIR="$work/run" XDG_CACHE_HOME="$work/home/.cache"
export VOKADLO_CONFIG_DIR="$work/vokadlo"
export SPEECHD_ADDRESS="unix_socket:$work/run/socket"

# Pause needs a server whose playback takes time, as a sound card's does: with PulseAudio
# installed the sound goes to a private PulseAudio's null sink, which takes it at that pace;
# otherwise to ALSA's "null" device, which takes it at once, and pause is not checked (the
# server's pause races its own player there, whatever the module does). PulseAudio is not among
# the build's packages: its ALSA plugin becomes the default sound device of every program.
paced=""
if command -v pulseaudio > /dev/null; then
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes --use-pid-file=no \
        --load="module-null-sink sink_name=paced" \
        --load="module-native-protocol-unix socket=$work/pulse auth-anonymous=1" \
        > "$work/pulse.out" 2>&1 &
    drain=$!
    export PULSE_SERVER="unix:$work/pulse"
    i=0
    until [ -S "$work/pulse" ]; do
        if ! kill -0 "$drain" 2> /dev/null || [ $i -ge 100 ]; then
            skip "PulseAudio did not start here: $(cat "$work/pulse.out")"
        fi
        sleep 0.1
        i=$((i + 1))
    done
    paced=yes
    sed -i 's/^AudioOutputMethod.*/AudioOutputMethod "pulse"/; /^AudioALSADevice/d' "$work/conf/speechd.conf"
fi

speech-dispatcher -s -t 0 -C "$work/conf" -m "$work/modules" -c unix_socket \
    -S "$work/run/socket" -P "$work/run/pid" -L "$work/log" > "$work/server.out" 2>&1 &
server=$!
i=0
until [ -S "$work/run/socket" ]; do
    if ! kill -0 "$server" 2> /dev/null || [ $i -ge 100 ]; then
        skip "speech-dispatcher did not start here: $(cat "$work/server.out")"
    fi
    sleep 0.1
    i=$((i + 1))
done
say() { timeout 30 spd-say "$@"; }
log="$work/log/vokadlo.log"

say -O > "$work/modules.txt" || fail "spd-say -O failed"
grep -qx 'vokadlo' "$work/modules.txt" || fail "module not loaded: $(cat "$work/modules.txt")"
say -o vokadlo -L | grep -q 'VEMIRuska' || fail "no voice list"

sentence="Příliš žluťoučký kůň úpěl ďábelské ódy"
say -w -o vokadlo -l cs "$sentence" || fail "spd-say failed"
grep -q "text: $sentence" "$log" || fail "the module did not get the sentence whole"
for word in příliš žluťoučký kůň úpěl ďábelské ódy; do
    grep -q "chunk [0-9]*: $word" "$log" || fail "the engine did not speak '$word'"
done

say -w -x -o vokadlo '<speak>Jedna <mark name="první"/>dva tři <mark name="druhá"/>čtyři.</speak>' \
    2> "$work/marks.txt" || fail "spd-say with marks failed"
[ "$(grep -o "reached mark '[^']*'" "$work/marks.txt" | tr '\n' '|')" = \
    "reached mark 'první'|reached mark 'druhá'|" ] || fail "marks: $(cat "$work/marks.txt")"

# A long text, stopped soon after it began: the waiting client is released at once.
long=$(i=0; while [ $i -lt 60 ]; do printf 'Slovo za slovem a zase další věta. '; i=$((i + 1)); done)
begins=$(grep -c ': begin' "$log")
say -w -o vokadlo "$long" &
speaker=$!
i=0
while [ "$(grep -c ': begin' "$log")" -le "$begins" ]; do
    [ $i -lt 100 ] || fail "the long text did not begin"
    sleep 0.1
    i=$((i + 1))
done
sleep 1
t0=$(ms)
say -S
status=0
wait $speaker || status=$?
elapsed=$(($(ms) - t0))
[ "$status" -eq 0 ] || fail "spd-say of the long text ended with status $status"
[ "$elapsed" -lt 1500 ] || fail "speech went on $elapsed ms after the stop"
grep -q ': STOP, ' "$log" || fail "the module did not stop"
[ -z "$(sed -n '/: command: STOP/,$p' "$log" | grep ': chunk ')" ] || fail "chunks after STOP"
ssip() { timeout 60 perl "$(dirname "$0")/ssip.pl" "$work/run/socket" "$@"; }
module_rss() { # KiB
    awk '/^VmRSS/ { print $2 }' "/proc/$(ps -o pid= --ppid "$server" | head -n 1 | tr -d ' ')/status"
}
# Milliseconds of the day of a log line's stamp "[hh:mm:ss.mmm]".
stamp_ms() { awk '{ split($1, t, /[^0-9]+/); print t[2] * 3600000 + t[3] * 60000 + t[4] * 1000 + t[5] }'; }

# Pause mid-paragraph, as a screen reader does: PAUSED reaches the client, resume speaks the
# rest of the text to its END, and another client's message speaks afterwards.
if [ -n "$paced" ]; then
    paragraph='<speak>První věta odstavce je tady. Druhá věta pokračuje dál a dál. Třetí věta ještě chvíli mluví. Čtvrtá věta je skoro u konce. Pátá věta je závěrečná.</speak>'
    ssip ssml "speak $paragraph" 'wait 701' 'sleep 1.5' pause 'wait 704 15' 'sleep 0.5' resume \
        'wait 705' 'wait 702 30' > "$work/pause.txt" 2>&1 || fail "pause and resume: $(cat "$work/pause.txt")"
    [ "$(grep -v '^INDEX MARK' "$work/pause.txt" | tr '\n' '|')" = "BEGIN|PAUSED|RESUMED|END|" ] ||
        fail "pause and resume events: $(tr '\n' '|' < "$work/pause.txt")"
    sed -n '/: command: PAUSE/,$p' "$log" | grep -q 'chunk [0-9]*: závěrečná' ||
        fail "the rest of the paragraph was not spoken after the resume"
    say -w -o vokadlo 'Další klient.' || fail "another client's message after the pause did not speak"
else
    echo "pause not checked: no paced sound output (PulseAudio is not installed)"
fi

# A mark name holding newlines comes back as one mark, and the protocol stays intact.
ssip ssml 'speak <speak>Jedna <mark name="x
702 END
701 BEGIN"/>dva.</speak>' 'wait 702' > "$work/newline.txt" 2>&1 ||
    fail "mark with a newline: $(cat "$work/newline.txt")"
[ "$(tr '\n' '|' < "$work/newline.txt")" = "BEGIN|INDEX MARK x 702 END 701 BEGIN|END|" ] ||
    fail "mark with a newline: $(tr '\n' '|' < "$work/newline.txt")"

# A 100 000-character word: the module stays about a second ahead of the sound it sent (its
# spelling makes 40 s of sound a chunk), and gives its memory back when the message ends.
rss_before=$(module_rss)
word=$(head -c 100000 /dev/zero | tr '\0' 'x')
lines=$(wc -l < "$log")
ssip "speak $word" 'wait 701' 'sleep 4' > /dev/null 2>&1 || fail "the long word did not begin"
say -C
i=0
until tail -n +"$lines" "$log" | grep -q ': STOP, [0-9]* ms of sound'; do
    [ $i -lt 50 ] || fail "the long word did not stop"
    sleep 0.1
    i=$((i + 1))
done
tail -n +"$lines" "$log" > "$work/long.log"
began=$(grep ': begin,' "$work/long.log" | head -n 1 | stamp_ms)
stopped=$(grep ': STOP, [0-9]* ms of sound' "$work/long.log" | head -n 1 | stamp_ms)
sound=$(grep -o 'STOP, [0-9]* ms of sound' "$work/long.log" | head -n 1 | tr -dc '0-9')
ahead=$((sound - (stopped - began)))
[ "$ahead" -le 1500 ] || fail "the module ran $ahead ms ahead of the sound on the long word"
say -w -o vokadlo 'Krátce.' || fail "a short message after the long word did not speak"
rss_after=$(module_rss)
[ -n "$sanitized" ] || [ $((rss_after - rss_before)) -le 10240 ] ||
    fail "the module's memory grew from $rss_before KiB to $rss_after KiB"

! grep -q 'Sanitizer\|runtime error' "$log" || fail "the module reported a memory error"
echo "ok (stopped after $elapsed ms; long word: $ahead ms ahead, memory $rss_before -> $rss_after KiB)"
