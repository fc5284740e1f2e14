#!/bin/sh
# sd_vokadlo in a private Speech Dispatcher, as a user reaches it with spd-say: the module is
# loaded from the documented AddModule line, every Czech letter reaches the engine, the marks
# of an SSML message come back to the client in order, and STOP ends speech at once.
#
# The server runs from a temporary folder with its own configuration, socket and logs, without
# autospawn, and plays into ALSA's discarding "null" device. Skipped (status 77) only when
# Speech Dispatcher is not installed or cannot start here.
set -eu
module="$1"
conf="$2"
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
# The server ends its module when it goes; a module whose server was killed sees its input end.
cleanup() {
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
! grep -q 'Sanitizer\|runtime error' "$log" || fail "the module reported a memory error"
echo "ok (stopped after $elapsed ms)"
