#!/usr/bin/env bash
# `make install` into a DESTDIR leaves exactly the files of installed_files.txt, with working
# font links and icons of the sizes their folders name; installed under another prefix, the
# launcher imports a file and starts that installation's game.
# Usage: install_tree.sh <build dir> <file list>
set -euo pipefail
build=$1
expected=$2
tmp=$(mktemp -d /tmp/pushwell-install-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR=$tmp/dest cmake --install "$build" --prefix /usr >"$tmp/log" || fail "$(cat "$tmp/log")"
# Shipped collections are whatever levels/ holds: the list names them as levels/*, and their
# pictures as collection-*.png.
(cd "$tmp/dest" && find . ! -type d | sed 's|^\./||; s|^\(usr/share/games/pushwell/levels/\).*|\1*|
    s|^\(usr/share/doc/pushwell/pictures/collection-\).*\.png$|\1*.png|' |
    LC_ALL=C sort -u) >"$tmp/files"
diff -u "$expected" "$tmp/files" >&2 || fail "installed files differ from $expected"

root=$tmp/dest/usr
[ -x "$root/games/pushwell" ] && [ -x "$root/games/pushwell-check" ] &&
    [ -x "$root/lib/games/pushwell/pushwell" ] || fail "programs not executable"
grep -qx 'data=${PUSHWELL_DATA_DIR:-/usr/share/games/pushwell}' "$root/games/pushwell" ||
    fail "launcher does not name /usr/share/games/pushwell"
grep -qx 'check=${PUSHWELL_CHECK:-/usr/games/pushwell-check}' "$root/games/pushwell" ||
    fail "launcher does not name /usr/games/pushwell-check"
for link in vera.ttf=DejaVuSans.ttf base02.ttf=DejaVuSans-Bold.ttf; do
    [ "$(readlink "$root/share/games/pushwell/gfx/${link%=*}")" = \
        "../../../fonts/truetype/dejavu/${link#*=}" ] || fail "font link ${link%=*}"
done
for icon in "$root"/share/icons/hicolor/*/apps/pushwell.png; do
    size=$(basename "$(dirname "$(dirname "$icon")")")
    [ "$(identify -format '%wx%h' "$icon" 2>&1)" = "$size" ] || fail "$icon: $(identify "$icon" 2>&1)"
done
gzip -t "$root"/share/man/man6/*.gz "$root"/share/doc/pushwell/changelog.gz

# Under another prefix, the installed launcher finds that installation's data, binary and
# checker: given a file, it imports it and starts the game.
cmake --install "$build" --prefix "$tmp/opt" >"$tmp/log" || fail "$(cat "$tmp/log")"
code=0
printf '#####\n#@$.#\n#####\n' >"$tmp/Brought In.txt"
env -u PUSHWELL_DATA_DIR -u PUSHWELL_BINARY -u PUSHWELL_CHECK HOME="$tmp/home" \
    SDL_VIDEODRIVER=dummy timeout --preserve-status -s TERM 4 "$tmp/opt/games/pushwell" \
    "$tmp/Brought In.txt" >"$tmp/out" 2>&1 || code=$?
[ "$code" = 0 ] || fail "installed game: exit $code: $(cat "$tmp/out")"
[ -f "$tmp/home/.local/share/pushwell/levels/Brought In" ] ||
    fail "the installed launcher imported nothing: $(cat "$tmp/out")"
[ -f "$tmp/home/.local/share/pushwell/scores.xml" ] || fail "no scores.xml in the player's directory"
echo "install tree: $(wc -l <"$tmp/files") files as listed; the installed launcher imports a" \
    "file and starts the game"
