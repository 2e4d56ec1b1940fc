#!/usr/bin/env bash
# The game is offered for text files but never becomes their default: among text editors in an
# applications folder, the cache that desktops without a default of their own go by (xdg-mime
# takes its first entry) still lists an editor first, whatever its name.
# Usage: text_default.sh <dist dir>
set -euo pipefail
dist=$1
tmp=$(mktemp -d /tmp/pushwell-mime-XXXXXX)
trap 'rm -rf "$tmp"' EXIT

cp "$dist"/*.desktop "$tmp/"
for editor in org.example.editor vim xed; do
    printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s %%F\nMimeType=text/plain;\n' \
        "$editor" "$editor" >"$tmp/$editor.desktop"
done
update-desktop-database "$tmp"
entry=$(grep '^text/plain=' "$tmp/mimeinfo.cache")
[[ "$entry" == "text/plain=org.example.editor.desktop;vim.desktop;xed.desktop;zz-pushwell-open.desktop;" ]] ||
    { echo "FAIL: $entry" >&2; exit 1; }
echo "text default: $entry"
