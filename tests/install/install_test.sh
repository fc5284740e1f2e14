#!/bin/sh
# Installs the build into a fresh prefix as a user would, then uses what was installed: the
# speaker, its manual, and libvokadlo through pkg-config with the C and Python examples.
#   install_test.sh BUILD_DIR SOURCE_DIR CC [EXTRA_CFLAGS...]
set -eu
build="$1" source="$2" cc="$3"
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
export VOKADLO_CONFIG_DIR="$work/config"

cmake --install "$build" --prefix "$prefix" > "$work/install.log"

"$prefix/bin/vokadlo-say" --version | grep -q '^vokadlo-say '
"$prefix/bin/vokadlo-say" -w "$work/say.wav" "Dobrý den"
[ "$(wc -c < "$work/say.wav")" -gt 10000 ]
"$prefix/bin/vokadlo-settings" --help > /dev/null

module="$prefix/libexec/speech-dispatcher-modules/sd_vokadlo"
if [ -e "$build/integration/speechd/sd_vokadlo" ]; then
    [ -x "$module" ]
    [ -s "$prefix/etc/speech-dispatcher/modules/vokadlo.conf" ]
    printf 'INIT\nQUIT\n' | "$module" > "$work/module.out"
    grep -q '^299' "$work/module.out"
fi

for page in vokadlo-say vokadlo-settings vokadlo; do
    [ -s "$prefix/share/man/man1/$page.1" ]
done
[ -s "$prefix/share/man/man3/vokadlo.3" ]
if command -v man > /dev/null 2>&1; then
    MANPATH="$prefix/share/man" man -P cat vokadlo-say 2> /dev/null | grep -q 'speak Czech text'
fi
[ -s "$prefix/share/doc/vokadlo/LICENSE" ]

libdir=$(dirname "$(find "$prefix" -name vokadlo.pc | head -n 1)")/..
export PKG_CONFIG_PATH="$libdir/pkgconfig"
# Only the C interface leaves the library, and it needs no sound library.
[ -s "$prefix/include/vokadlo/vokadlo.h" ]
[ "$(find "$prefix/include" -type f | wc -l)" -eq 1 ]
nm -D --defined-only "$libdir/libvokadlo.so" | awk '{ print $NF }' > "$work/symbols"
fail() { echo "install test: $1" >&2; exit 1; }
if grep -v '^vokadlo_' "$work/symbols"; then fail "libvokadlo exports the symbols above"; fi
grep -qx vokadlo_synthesize "$work/symbols"
readelf -d "$libdir/libvokadlo.so" > "$work/dynamic"
if grep -qi portaudio "$work/dynamic"; then fail "libvokadlo needs PortAudio"; fi
grep -q 'SONAME.*libvokadlo\.so\.[0-9]' "$work/dynamic"
if pkg-config --cflags vokadlo | grep -q 'std='; then fail "pkg-config gives a language standard"; fi

# shellcheck disable=SC2046
"$cc" -std=c99 -Wall -Wextra -pedantic -Werror "$@" "$source/examples/speak-to-file.c" \
    $(pkg-config --cflags --libs vokadlo) -o "$work/speak-to-file"
LD_LIBRARY_PATH="$libdir" "$work/speak-to-file" "$work/example.wav" 'Dobrý den \mrk=7\světe' \
    > "$work/marks"
grep -q '^mark 7 at sample [1-9]' "$work/marks"
[ "$(wc -c < "$work/example.wav")" -gt 10000 ]

# The Python module beside the library, run by its example (not in a sanitizer build, whose
# library an interpreter cannot load).
module=$(find "$prefix" -path '*/vokadlo/__init__.py' | head -n 1)
if [ $# -eq 0 ] && [ -n "$module" ] && command -v python3 > /dev/null 2>&1; then
    PYTHONPATH=$(dirname "$(dirname "$module")") python3 "$source/examples/speak.py" \
        "$work/python.wav" 'Dobrý den \mrk=7\světe' > "$work/python.out"
    grep -q '^mark 7 at sample [1-9]' "$work/python.out"
    [ "$(wc -c < "$work/python.wav")" -gt 10000 ]
fi
echo "installed into a fresh prefix and used: speaker, module, manuals, libvokadlo from C and Python"
