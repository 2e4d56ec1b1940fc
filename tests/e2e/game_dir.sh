# Sourced by the end-to-end scripts: a throw-away working directory for the game binary ($1)
# with the generated pictures and fonts of the data directory ($2, the build tree's data/) and
# one small collection.
game_binary=$(realpath "$1")
root=$2
work=$(mktemp -d /tmp/pushwell-e2e-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/gfx" "$work/levels"
# In the sanitizer build the leak checker would list its suppressions on standard error.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

link_gfx() {
    [ -e "$root/gfx/$1" ] || fail "$root/gfx/$1 is missing: the default build makes it"
    ln -sf "$root/gfx/$1" "$work/gfx/$1"
}
for f in base02.ttf vera.ttf skin50.bmp skin40.bmp skin30.bmp skin20.bmp skin12.bmp back.bmp; do
    link_gfx "$f"
done
# A step and two pushes to the right solve it.
printf "; 1\n'Three to the right\n#######\n#@ \$ .#\n#######\n\n" >"$work/levels/default"
