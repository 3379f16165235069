#!/usr/bin/env bash
# Writes app/icons/vemparo.ico, the icon of the Windows resource, from the
# 16 and 32 px PNGs that render.sh makes: 32 x 32 in 2 colours, 32 x 32 and
# 16 x 16 in 16, each with a 1-bit mask. Run it after render.sh and commit the
# result; only a Windows build uses it.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

install_packages imagemagick icoutils

icons="$repo_root/packaging/icons"
ico="$repo_root/app/icons/vemparo.ico"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# An antialiased render has too many colours and a soft edge for an old
# palette image: reduce it to a 1-bit alpha and 16 colours without dithering,
# or to black and one colour, white.
opaque_edge=(-channel A -threshold 50% +channel)
convert "$icons/vemparo-32.png" "${opaque_edge[@]}" -colorspace Gray -threshold 60% "$work/32-2.png"
convert "$icons/vemparo-32.png" "${opaque_edge[@]}" +dither -colors 16 "$work/32-16.png"
convert "$icons/vemparo-16.png" "${opaque_edge[@]}" +dither -colors 16 "$work/16-16.png"
icotool --create --output="$ico" -b 1 "$work/32-2.png" -b 4 "$work/32-16.png" -b 4 "$work/16-16.png"

# Where an image still has too many colours, icotool writes it in full colour
# without a word; the depths show it.
depths=$(icotool --list "$ico" | sed -n 's/.*--bit-depth=\([0-9]*\).*/\1/p' | paste -sd ' ')
if [ "$depths" != "1 4 4" ]; then
    echo "$ico has images of depths $depths, not 1 4 4" >&2
    exit 1
fi
