#!/bin/sh
# sd_vokadlo as the Speech Dispatcher server drives it, over a pipe: the replies and events of a
# session in their order, index marks from SSML, AUDIO data that decodes to what it declares,
# STOP answered at once, PAUSE at the server's next mark, an empty message begun and ended.
set -eu
module="$1"
conf="$2"
here=$(dirname "$0")
work=$(mktemp -d)
pid=""
cleanup() {
    exec 3>&- 2>/dev/null || true
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export VOKADLO_CONFIG_DIR="$work/config"

fail() {
    echo "FAIL: $*"
    echo "--- events"
    perl "$here/events.pl" < "$work/out" || true
    echo "--- module log"
    cat "$work/log"
    exit 1
}
ms() { echo $(($(date +%s%N) / 1000000)); }
events() { perl "$here/events.pl" < "$work/out"; }
# Waits (up to 10 s) until the output has `count` lines that match `pattern`.
wait_for() {
    pattern=$1 count=${2:-1} deadline=$(($(ms) + 10000))
    while [ "$(events | grep -c -- "$pattern")" -lt "$count" ]; do
        [ "$(ms)" -lt "$deadline" ] || fail "no '$pattern' (#$count)"
        sleep 0.01
    done
}
send() { printf '%s\n' "$@" >&3; }

mkfifo "$work/in"
"$module" "$conf" < "$work/in" > "$work/out" 2> "$work/log" &
pid=$!
exec 3> "$work/in"

send INIT
wait_for '^299 OK LOADED SUCCESSFULLY'
send AUDIO audio_output_method=server . LOGLEVEL log_level=5 . "LIST VOICES"
wait_for '^200 OK VOICE LIST SENT'
send SET rate=0 pitch=0 volume=100 voice=MALE1 synthesis_voice=NULL language=cs \
    punctuation_mode=none spelling_mode=off cap_let_recogn=none .
wait_for '^203 OK SETTINGS RECEIVED'

# Czech letters, two marks of a client and one of the server's, references, a doubled dot.
send SPEAK '<speak>Příliš žluťoučký kůň úpěl ďábelské ódy.<mark name="__spd_id_0"/> Jedna' \
    '<mark name="první"/>dva &amp; tři <mark name="druhá"/>&lt;čtyři&gt;</speak>' '..' .
wait_for '^702 END'
events > "$work/first"
expected=$(printf '%s\n' '299-Vokadlo' '299 OK' '207 OK' '203 OK' '207 OK' '203 OK' \
    '200-VEMIRa	cs	none' '200-VEMIRuska	cs	none' '200-VEMIR	cs	none' '200 OK' \
    '203 OK' '203 OK' '202 OK' '200 OK SPEAKING' '701 BEGIN' '700-__spd_id_0' '700 INDEX' \
    '700-první' '700 INDEX' '700-druhá' '700 INDEX' '702 END')
echo "$expected" > "$work/expected"
awk 'NR == FNR { want[++n] = $0; next }
     !/^705 AUDIO/ { if (index($0, want[++i]) != 1) { print "expected \"" want[i] "\", got \"" $0 "\""; exit 1 } }
     END { if (i != n) { print "got " i " of " n " replies"; exit 1 } }' "$work/expected" "$work/first" > "$work/diff" ||
    fail "$(cat "$work/diff")"
grep -q '^BAD AUDIO' "$work/first" && fail "malformed AUDIO"
# Sound before the first mark, between the marks, and after the last one.
awk '/^705 AUDIO/ { a = 1 } /^700-/ { if (!a) exit 1; a = 0 } /^702 END/ { exit !a }' \
    "$work/first" || fail "a mark without sound around it"
for word in příliš žluťoučký kůň úpěl ďábelské ódy; do
    grep -q "chunk [0-9]*: $word" "$work/log" || fail "the engine did not get '$word'"
done
grep -q 'text: .*<čtyři> \.$' "$work/log" || fail "references or the doubled dot not decoded"

# STOP while a long text is being spoken: answered at once, nothing after it.
long=$(i=0; while [ $i -lt 60 ]; do printf 'Slovo za slovem a zase další věta. '; i=$((i + 1)); done)
before=$(events | wc -l)
send SET rate=50 . SPEAK "$long" .
wait_for '^701 BEGIN' 2
sleep 0.3
t0=$(ms)
send STOP
while ! events | grep -q '^703 STOP'; do
    [ $(($(ms) - t0)) -lt 5000 ] || fail "no 703 STOP"
done
elapsed=$(($(ms) - t0))
# The module answers within a few milliseconds; this shell's polling adds its own delay on a
# loaded machine, so the test only asserts that STOP cuts the text short (it would run for
# minutes) and prints what it measured.
echo "STOP answered after $elapsed ms (as seen through the test's polling)"
[ "$elapsed" -lt 1000 ] || fail "STOP answered after $elapsed ms"
sleep 0.3
[ "$(events | tail -n 1)" = "703 STOP" ] || fail "events after 703 STOP"
[ "$(events | tail -n +"$before" | grep -c '^705 AUDIO')" -gt 0 ] || fail "no sound before STOP"

# PAUSE stops at the server's next mark: that mark, then 704 PAUSE.
marked=$(i=0; while [ $i -lt 30 ]; do printf 'Věta číslo %s.<mark name="__spd_id_%s"/> ' $i $i; i=$((i + 1)); done)
send SET rate=0 . SPEAK "<speak>$marked</speak>" .
wait_for '^701 BEGIN' 3
sleep 0.3
send PAUSE
wait_for '^704 PAUSE'
sleep 0.3
events | tail -n 3 | head -n 1 | grep -q '^700-__spd_id_' || fail "PAUSE not at a mark"
[ "$(events | tail -n 1)" = "704 PAUSE" ] || fail "events after 704 PAUSE"

# The settings' ends, also from values beyond 64 bits (saturated, never wrapped): the quick high
# voice type, and silence that is silent (the engine's volume 0 would mean full scale).
before=$(events | wc -l)
send SET rate=99999999999999999999 pitch=100 volume=-99999999999999999999 \
    synthesis_voice=VEMIRuska . SPEAK 'Ticho.' .
wait_for '^702 END' 2
grep -q 'voice VEMIRuska, speed 22.0 %, pitch shift -3, output volume silent' "$work/log" ||
    fail "rate, pitch, volume 1e20, 100, -1e20: $(grep 'output volume' "$work/log" | tail -n 1)"
events | tail -n +"$before" | grep '^705 AUDIO' > "$work/quiet"
[ -s "$work/quiet" ] && ! grep -qv ' 0$' "$work/quiet" || fail "volume -100 is not silent"
before=$(events | wc -l)
send SET rate=-100 pitch=-100 volume=0 synthesis_voice=NULL voice=FEMALE1 . SPEAK 'Nahlas.' .
wait_for '^702 END' 3
events | tail -n +"$before" | grep '^705 AUDIO' | grep -qv ' 0$' || fail "volume 0 is silent"
grep -q 'voice VEMIRa, speed 159.5 %, pitch shift 2, output volume 45078' "$work/log" ||
    fail "rate, pitch, volume -100, -100, 0: $(grep 'output volume' "$work/log" | tail -n 1)"

# Nothing to say is still a message that begins and ends.
send SPEAK '<speak> </speak>' .
wait_for '^702 END' 4
[ "$(events | tail -n 3 | tr '\n' '|')" = "200 OK SPEAKING|701 BEGIN|702 END|" ] ||
    fail "empty message: $(events | tail -n 3 | tr '\n' '|')"

send QUIT
wait_for '^210 OK QUIT'
exec 3>&-
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "exit status $status"
echo ok
