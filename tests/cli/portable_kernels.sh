#!/bin/sh
# The AVX2 kernels give exactly the portable kernels' bytes: the benchmark text with a ten-tap
# echo, once each way (VOKADLO_PORTABLE_KERNELS forces the portable ones); a sanitized build,
# twenty times slower, takes its first 8 KiB.
#   portable_kernels.sh VOKADLO_SAY TEXT [sanitized]
set -eu
say="$1" text="$2" sanitized="${3:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VOKADLO_CONFIG_DIR="$work"
if [ -n "$sanitized" ]; then
    head -c 8192 "$text" > "$work/text.txt"
    text="$work/text.txt"
fi
run() {
    "$say" --seed 5 --echo-tracks 10 --echo-delay 300 --echo-volume 90 -f "$text" -w - | cksum
}
fast=$(run)
portable=$(VOKADLO_PORTABLE_KERNELS=1 run)
[ "$fast" = "$portable" ] || { echo "AVX2: $fast, portable: $portable" >&2; exit 1; }
echo "portable kernels: the same bytes as AVX2 ($fast)"
