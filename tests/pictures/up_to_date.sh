#!/usr/bin/env bash
# The README's pictures in docs/pictures are, byte for byte, the ones the build drew.
# Usage: up_to_date.sh <built pictures> <committed pictures>
set -euo pipefail
built=$1
committed=$2
stale=()
for picture in "$built"/*.png "$committed"/*.png; do
    name=$(basename "$picture")
    cmp -s "$built/$name" "$committed/$name" || stale+=("$name")
done
if [ ${#stale[@]} -gt 0 ]; then
    echo "FAIL: docs/pictures differs from the pictures the build draws:" \
        "$(printf '%s\n' "${stale[@]}" | sort -u | tr '\n' ' ')" >&2
    echo "Run \`make pictures\` and commit docs/pictures." >&2
    exit 1
fi
echo "docs/pictures: $(ls "$built"/*.png | wc -l) pictures as the build draws them"
