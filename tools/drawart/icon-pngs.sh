#!/bin/sh
# Makes the PNG sizes of the program's icon from its SVG source (resources/icon/), for
# desktops and for the window icon. The PNGs are kept in the repository, so the build
# needs no SVG renderer; run this again only after changing the SVG.
#   tools/drawart/icon-pngs.sh        (needs rsvg-convert: apt-get install librsvg2-bin)
set -eu
cd "$(dirname "$0")/../../resources/icon"
command -v rsvg-convert >/dev/null || { echo "icon-pngs: rsvg-convert is missing (librsvg2-bin)" >&2; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" org.example.qvconfig.svg -o "qvconfig-$size.png"
done
