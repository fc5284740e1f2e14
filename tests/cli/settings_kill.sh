#!/bin/sh
# vokadlo-settings set killed with SIGKILL at any moment leaves the settings file whole: the old
# one or the new one, never a part. A megabyte of other lines makes every write take a while.
set -eu
settings="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VOKADLO_CONFIG_DIR="$work"

"$settings" set Speed_Position 120
{ cat "$work/settings.reg"; printf '; %01000000d\n' 0; } > "$work/old.reg"
cp "$work/old.reg" "$work/settings.reg"
"$settings" set Speed_Position 130
cp "$work/settings.reg" "$work/new.reg"
cmp -s "$work/old.reg" "$work/new.reg" && exit 1

killed=0
for delay in 0 0.001 0.002 0.003 0.004 0.005 0.006 0.008 0.01 0.012 0.015 0.02 0.03 0.05; do
    for round in 1 2; do
        cp "$work/old.reg" "$work/settings.reg"
        "$settings" set Speed_Position 130 &
        pid=$!
        sleep "$delay"
        if kill -KILL "$pid" 2>/dev/null; then
            killed=$((killed + 1))
        fi
        { wait "$pid"; } 2>/dev/null || true
        cmp -s "$work/settings.reg" "$work/old.reg" || cmp -s "$work/settings.reg" "$work/new.reg" || {
            echo "settings.reg is neither the old nor the new file after a kill at $delay s"
            exit 1
        }
    done
done
[ "$killed" -gt 0 ]
echo "settings kill: $killed writers killed, the file whole every time"
