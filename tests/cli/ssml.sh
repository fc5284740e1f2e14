#!/bin/sh
# vokadlo-say --ssml as a user writes SSML: a break is that much silence at its place, prosody's
# rate stretches its text, say-as characters spells, a document without markup speaks as the
# plain text does, and malformed SSML is still read, with one notice.
#   ssml.sh VOKADLO_SAY
set -eu
say="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VOKADLO_CONFIG_DIR="$work/config"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# The longest run of samples below 200 in magnitude, in ms.
longest_silence() {
    perl -e 'open(F, "<:raw", $ARGV[0]) or die; local $/; my $d = <F>; my @s = unpack("s<*", substr($d, 44));
             my ($run, $best) = (0, 0); for (@s) { $run = abs($_) < 200 ? $run + 1 : 0; $best = $run if $run > $best }
             printf("%.0f", $best * 1000 / 22050)' "$1"
}

"$say" --seed 1 -w "$work/plain.wav" 'Jedna dva tři.'
"$say" --ssml --seed 1 -w "$work/doc.wav" '<speak>Jedna dva tři.</speak>'
cmp -s "$work/plain.wav" "$work/doc.wav" || fail "a document without markup does not speak as its text"

printf '<speak>Jedna <break time="700ms"/> dva tři.</speak>' > "$work/break.ssml"
"$say" --ssml --seed 1 -f "$work/break.ssml" -w "$work/break.wav"
silence=$(longest_silence "$work/break.wav")
[ "$silence" -ge 675 ] && [ "$silence" -le 725 ] || fail "a 700 ms break gives $silence ms of silence"
[ "$(longest_silence "$work/plain.wav")" -lt 500 ] || fail "the text alone has a long silence"

"$say" -m --seed 1 -w "$work/slow.wav" '<speak><prosody rate="50%">Dobrý den, jak se máte?</prosody></speak>'
"$say" -m --seed 1 -w "$work/normal.wav" '<speak>Dobrý den, jak se máte?</speak>'
ratio=$(perl -e 'printf("%d", 100 * (-s $ARGV[0]) / (-s $ARGV[1]))' "$work/slow.wav" "$work/normal.wav")
[ "$ratio" -ge 170 ] && [ "$ratio" -le 260 ] || fail "rate 50 % makes the text $ratio % as long"

"$say" -m --seed 1 -w "$work/spelled.wav" --trace "$work/trace.json" \
    '<speak><say-as interpret-as="characters">ČVUT</say-as></speak>'
[ "$(grep -o '"text":"[^"]*"' "$work/trace.json" | tr '\n' ' ')" = \
    '"text":"čé " "text":"vé " "text":"u " "text":"té" ' ] ||
    fail "ČVUT is not spelled: $(grep -o '"text":"[^"]*"' "$work/trace.json" | tr '\n' ' ')"

"$say" -m --seed 1 -w "$work/malformed.wav" '<speak>Ahoj <<mark name="a"/>světe' 2> "$work/err"
[ "$(grep -c 'not well-formed' "$work/err")" -eq 1 ] || fail "notice: $(cat "$work/err")"
[ "$(wc -c < "$work/malformed.wav")" -gt 20000 ] || fail "malformed SSML is silent"
echo "ok (break: $silence ms of silence, rate 50 %: $ratio % as long)"
