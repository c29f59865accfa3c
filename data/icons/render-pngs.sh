#!/usr/bin/env bash
# Renders the scalable icon into the fixed sizes that are committed beside it
# (hicolor/NxN/apps/), for desktops that want bitmaps and for the program's
# own window icon, and the Windows icon ($icon.ico) built from them. Run it
# again after editing the SVG.
set -euo pipefail
cd "$(dirname "$0")"
source ../../scripts/deps.sh
ensure_packages librsvg2-bin

icon=org.example.Quillday
for size in 16 32 48 64 128 256; do
    folder="hicolor/${size}x${size}/apps"
    mkdir -p "$folder"
    rsvg-convert --width "$size" --height "$size" "$icon.svg" --output "$folder/$icon.png"
done

# The Windows program's icon: the sizes Explorer and the taskbar ask for.
ensure_packages imagemagick
convert hicolor/{16x16,32x32,48x48,256x256}/apps/"$icon.png" "$icon.ico"
