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

# A FIFO, a device or a store over 1 MiB is never opened: status 1 naming it, for list and set.
for kind in fifo device large; do
    store="$work/$kind/settings.reg"
    mkdir "$work/$kind"
    case $kind in
    fifo) mkfifo "$store" ;;
    device) ln -s /dev/zero "$store" ;;
    large) head -c 1100000 /dev/zero | tr '\0' ';' > "$store" ;;
    esac
    for command in list "set Speed_Position 120"; do
        status=0
        timeout 10 "$settings" --config-dir "$work/$kind" $command > /dev/null 2> "$work/err" ||
            status=$?
        [ "$status" -eq 1 ] && grep -q 'settings.reg: ' "$work/err"
    done
done
[ "$(head -c 8 "$work/large/settings.reg")" = ';;;;;;;;' ]

# A store that is a symbolic link stays one; its target gets the values, also from the engine.
mkdir "$work/linked"
echo REGEDIT4 > "$work/linked/target.reg"
ln -s target.reg "$work/linked/settings.reg"
"$settings" --config-dir "$work/linked" set Speed_Position 120
"$say" --config-dir "$work/linked" -w "$work/s.wav" "ahoj"
[ -L "$work/linked/settings.reg" ]
grep -q '"Speed_Position"="120"' "$work/linked/target.reg"
grep -q '"Values_Changed"=dword:00000000' "$work/linked/target.reg"

# Refused: the flag as anything but 0 or 1, an unknown name (unless --force), a listing that
# cannot be written, an empty folder name.
for bad in "set Values_Changed 5" "set Spped_Position 1" "--config-dir '' list"; do
    status=0
    eval "\"\$settings\" $bad" 2> "$work/err" || status=$?
    [ "$status" -eq 2 ]
done
grep -q 'empty name' "$work/err"
"$settings" set Spped_Position 1 2>&1 | grep -q 'Speed_Position'
"$settings" set Spped_Position 1 --force
status=0
"$settings" list > /dev/full 2> "$work/err" || status=$?
[ "$status" -eq 1 ] && grep -q 'standard output' "$work/err"
echo "settings tool: defaults, ranges, check, unreadable, FIFO and linked stores, refusals"
