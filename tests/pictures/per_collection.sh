#!/usr/bin/env bash
# pushwell-pictures draws the play screen and one contact sheet for each collection file,
# named after the file, and nothing else.
# Usage: per_collection.sh <pushwell-pictures> <data gfx directory>
set -euo pipefail
pictures=$1
gfx=$2
tmp=$(mktemp -d /tmp/pushwell-pictures-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/levels" "$tmp/out"
printf "; 1\n'Lone\n#####\n#@\$.#\n#####\n\n" >"$tmp/levels/First"
printf "; 1\n'One\n######\n#@\$ .#\n######\n\n; 2\n'Two\n#####\n#.\$@#\n#####\n\n" \
    >"$tmp/levels/Second Set"
env -u DISPLAY "$pictures" "$gfx" "$tmp/out" 1 "$tmp/levels/First" "$tmp/levels/Second Set"
(cd "$tmp/out" && ls) >"$tmp/made"
printf 'collection-First.png\ncollection-Second Set.png\nplay.png\n' | diff -u - "$tmp/made"
[ "$(identify -format '%wx%h' "$tmp/out/play.png")" = 800x600 ]
echo "pushwell-pictures: the play screen and one sheet for each of 2 collections"
