#!/usr/bin/env bash
# The page's transfer size: each file of a built web/ folder as it lies, and as a server sends it
# compressed with gzip (-9) and with brotli (-q 11); then the totals.
#   bench/web/sizes.sh WEB_FOLDER
set -euo pipefail
folder="${1:?usage: sizes.sh WEB_FOLDER}"
printf '%-26s %10s %10s %10s\n' file bytes gzip brotli
total=(0 0 0)
while IFS= read -r file; do
    raw=$(stat -c %s "$folder/$file")
    gz=$(gzip -9 -c "$folder/$file" | wc -c)
    br=$(brotli -q 11 -c "$folder/$file" | wc -c)
    printf '%-26s %10d %10d %10d\n' "$file" "$raw" "$gz" "$br"
    total=($((total[0] + raw)) $((total[1] + gz)) $((total[2] + br)))
# What the page loads: not the license texts, which lie beside it for the reader.
done < <(cd "$folder" && find . -type f ! -name '*.txt' -o -name items.txt | sed 's|^\./||' | sort)
printf '%-26s %10d %10d %10d\n' total "${total[@]}"
