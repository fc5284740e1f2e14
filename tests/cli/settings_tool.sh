#!/bin/sh
# vokadlo-settings as a user meets it: a first set leaves speech audible, values outside the
# tools' ranges are refused, get and list give the engine's own value for what is not stored,
# check names the value that stops the engine's reading, and list says why a store cannot be
# read.
set -eu
settings="$1" say="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VOKADLO_CONFIG_DIR="$work"

[ "$("$settings" get Volume_Position)" = '"30" (default: not stored; the engine uses this value)' ]
"$settings" set Speed_Position 130
# A lone value with the flag raised would read the missing volume as 0: silence.
"$say" -w "$work/s.wav" "ahoj"
peak=$(od -An -v -td2 -j 44 "$work/s.wav" | tr -s ' ' '\n' | tr -d - | sort -n | tail -n 1)
[ "$peak" -gt 1000 ]

if "$settings" set Speed_Position 5000 2> "$work/err"; then exit 1; fi
grep -q '10..1000' "$work/err"
"$settings" set Speed_Position 5000 --force
"$settings" list | grep -q '^Echo_delay_Position = "12"'

"$settings" set Pith_Position - --force
if "$settings" check > "$work/check"; then exit 1; fi
grep -q "^Pith_Position: '-' is not a valid integer value" "$work/check"
"$say" --verbose -w "$work/s.wav" "ahoj" 2>&1 >/dev/null | grep -q 'read up to Pith_Position'

# A store that cannot be read is not listed as if it were empty.
mkdir -p "$work/unreadable/settings.reg"
status=0
"$settings" --config-dir "$work/unreadable" list > /dev/null 2> "$work/err" || status=$?
[ "$status" -eq 1 ]
grep -q 'settings.reg: ' "$work/err"
echo "settings tool: defaults, ranges, check, unreadable store"
