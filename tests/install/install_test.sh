#!/bin/sh
# Installs the build into a fresh prefix as a user would, then uses what was installed: the
# speaker, its manual, and libvokadlo through pkg-config with the example program.
#   install_test.sh BUILD_DIR SOURCE_DIR CXX [EXTRA_CXX_FLAGS...]
set -eu
build="$1" source="$2" cxx="$3"
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
if command -v man > /dev/null 2>&1; then
    MANPATH="$prefix/share/man" man -P cat vokadlo-say 2> /dev/null | grep -q 'speak Czech text'
fi
[ -s "$prefix/share/doc/vokadlo/LICENSE" ]

libdir=$(dirname "$(find "$prefix" -name vokadlo.pc | head -n 1)")/..
export PKG_CONFIG_PATH="$libdir/pkgconfig"
# shellcheck disable=SC2046
"$cxx" "$@" "$source/examples/speak-to-file.cpp" $(pkg-config --cflags --libs vokadlo) \
    -o "$work/speak-to-file"
LD_LIBRARY_PATH="$libdir" "$work/speak-to-file" "$work/example.wav" 'Dobrý den \mrk=7\světe' \
    > "$work/marks"
grep -qx 'bookmark 7' "$work/marks"
[ "$(wc -c < "$work/example.wav")" -gt 10000 ]
echo "installed into a fresh prefix and used: speaker, module, manuals, libvokadlo and its example"
