#!/usr/bin/env bash
# pxdtool export c over 1000 sprite files in one run, against ImageMagick doing the same
# thousand conversions as one `convert x.png x.xbm` per file (what a build script would
# otherwise run). Prints files per second for both and the ratio, measured in the same run.
#   bench/pxdtool_vs_imagemagick.sh [COUNT]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-1000}
pxdtool=build/bin/pxdtool
convert=/usr/bin/convert
python=/usr/bin/python3
[ -x "$pxdtool" ] || { [ -f build/build.ninja ] || ./scripts/build.sh; cmake --build build --target pxdtool; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/pxd" "$work/png" "$work/c"

# The same random 16 x 16 gray sprites as sprite files and as PNG pictures (Pillow).
"$python" - "$work" "$count" <<'PY'
import random, sys
from PIL import Image
work, count = sys.argv[1], int(sys.argv[2])
rng = random.Random(13)
gray = [255, 170, 85, 0]
for i in range(count):
    levels = [[rng.randrange(4) for x in range(16)] for y in range(16)]
    data = bytearray([2, 16])
    for row in levels:
        for group in (row[:8], row[8:]):
            for bit in (2, 1):  # dark plane byte, then light
                data.append(sum(0x80 >> k for k, v in enumerate(group) if v & bit))
    open(f'{work}/pxd/s{i:04}.pxd', 'wb').write(data)
    im = Image.new('L', (16, 16))
    im.putdata([gray[v] for row in levels for v in row])
    im.save(f'{work}/png/s{i:04}.png')
PY

now() { date +%s.%N; }

t0=$(now)
"$pxdtool" export c "$work"/pxd/*.pxd -o "$work/c"
t1=$(now)
for f in "$work"/png/*.png; do "$convert" "$f" "${f%.png}.xbm"; done
t2=$(now)

written=$(ls "$work/c" | wc -l)
[ "$written" -eq "$count" ] || { echo "pxdtool wrote $written of $count files" >&2; exit 1; }
awk -v n="$count" -v t0="$t0" -v t1="$t1" -v t2="$t2" 'BEGIN {
    p = t1 - t0; m = t2 - t1
    printf "pxdtool export c:         %d files in %.3f s = %.0f files/s\n", n, p, n / p
    printf "ImageMagick convert .xbm: %d files in %.3f s = %.0f files/s\n", n, m, n / m
    printf "ratio: pxdtool is %.0fx faster\n", m / p
}'
