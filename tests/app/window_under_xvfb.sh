#!/bin/sh
# The window as a person meets it: started under Xvfb it shows "Orvent Vokadlo"; F4 says the
# sample text, which shows the chunk in LabelSay and draws its wave; Esc closes the window,
# which leaves vokadlo.ini with the placement and the 17 properties at their design values and
# writes nothing else (the open dialog, never shown, leaves no settings of its own). Started
# again and shrunk to 200x150 (Xvfb has no window manager to keep the minimum), the window
# grows back to a size that shows its controls, and that size is what it stores.
#
#   window_under_xvfb.sh VOKADLO SCREEN_PROBE
set -eu
vokadlo=$1
probe=$2
for tool in xvfb-run xdotool; do
    if ! command -v $tool >/dev/null 2>&1; then
        echo "SKIP: $tool is missing (scripts/install-deps installs xvfb and xdotool)"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Under LeakSanitizer: what D-Bus and fontconfig keep for the program's life is no leak of ours.
LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS

cat >"$work/session.sh" <<'SESSION'
set -eu
vokadlo=$1 probe=$2 work=$3
fail() { echo "FAIL: $*"; cat "$work/log"; exit 1; }

start() {
    XDG_CONFIG_HOME="$work/xdg" "$vokadlo" --config-dir "$work/config" >"$work/log" 2>&1 &
    pid=$!
    win=""
    for _ in $(seq 1 100); do
        win=$(xdotool search --name '^Orvent Vokadlo$' 2>/dev/null | head -n 1) || true
        [ -n "$win" ] && break
        sleep 0.1
    done
    [ -n "$win" ] || fail "no window with the caption Orvent Vokadlo"
    sleep 1
}
escape() {
    xdotool key --clearmodifiers Escape
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        fail "Esc did not close the window"
    fi
    wait "$pid" || fail "the window exited with an error"
}

start
eval "$(xdotool getwindowgeometry --shell "$win")"
"$probe" grab "$work/before.png"
xdotool windowfocus --sync "$win"
xdotool key --clearmodifiers F4
sleep 2
"$probe" grab "$work/after.png"

# LabelSay stands right of the three buttons below the menu; the wave fills the lower half.
label=$("$probe" changed "$work/before.png" "$work/after.png" $((X + 135)) "$Y" 240 80)
wave=$("$probe" newblack "$work/before.png" "$work/after.png" "$X" $((Y + HEIGHT / 2)) \
    "$WIDTH" $((HEIGHT / 2)))
echo "LabelSay: $label pixels changed; wave: $wave new black pixels"
[ "$label" -gt 20 ] || fail "LabelSay did not change"
[ "$wave" -gt 300 ] || fail "no wave was drawn"

escape
cp "$work/config/vokadlo.ini" "$work/first.ini"
[ ! -e "$work/xdg/QtProject.conf" ] || fail "the window wrote settings besides vokadlo.ini"

start
xdotool windowsize "$win" 200 150
sleep 1
eval "$(xdotool getwindowgeometry --shell "$win")"
echo "shrunk to 200x150, the window is ${WIDTH}x$HEIGHT"
[ "$WIDTH" -ge 500 ] && [ "$HEIGHT" -ge 300 ] || fail "the window stayed too small"
xdotool windowfocus --sync "$win"
escape
grep -qxF "NormPos=130,135,$((130 + WIDTH)),$((135 + HEIGHT))" "$work/config/vokadlo.ini" ||
    fail "the stored size is not ${WIDTH}x$HEIGHT"
SESSION

# A server number of its own, so that tests run side by side do not meet on the same display;
# no reset when the last client leaves, so that the second start finds the server.
xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 1024x768x24 -noreset" sh "$work/session.sh" "$vokadlo" "$probe" "$work"

ini="$work/first.ini"
[ -f "$ini" ] || { echo "FAIL: no vokadlo.ini was written"; exit 1; }
missing=0
for line in "[TFormSayText]" "FormVersion=0" "Flags=0" "ShowCmd=1" "MinMaxPos=-1,-1,-1,-1" \
    "NormPos=130,135,879,659" "Visible=0" "PageControl1_ActivePage=TabSheet1" \
    "RychlostHlasu_Position=120" "Vlny_Checked=True" "Volume_Position=50000" \
    "VyskaIntonace_Position=0" "RandomLen_Position=15" "TrackSaySpaceLen_Position=50" \
    "TeckaLen_Position=500" "TypHlasu_ItemIndex=3" "TrackTon_Position=0" \
    "TrackTonLo_Position=0" "Zpev_Text=ó" "IntonaceCheckBox_Checked=False" \
    "IntonaceLinear_Checked=False" "[TFormSayText.MemoSay_Lines]" "Count=32"; do
    if ! grep -qxF "$line" "$ini"; then
        echo "FAIL: vokadlo.ini lacks the line $line"
        missing=1
    fi
done
for key in PixelsPerInch Panel1_Height; do
    grep -qE "^$key=[0-9]+\$" "$ini" || { echo "FAIL: vokadlo.ini lacks $key"; missing=1; }
done
[ $missing -eq 0 ] || { cat "$ini"; exit 1; }
echo "PASS: the window said the sample text and saved its 17 properties"
