#!/usr/bin/env bash
# The generator's command line: a value that is not a number, or a room of no pieces or larger
# than the game takes, is a usage error (exit code 2), and options that no room can meet end
# with a message (exit code 1) instead of trying for ever.
# Usage: command_line.sh <pushwell-levelgen>
set -uo pipefail
tool=$1
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for options in "--count abc" "--seed 12x" "--boxes -3" "--states 99999999999999999999999" \
    "--tries 0" "--blocks -2x3" "--blocks 0x3" "--blocks 3x333" "--search deep" "--beam 0" \
    "--targets heaped" "--idle x"; do
    err=$(timeout 10 "$tool" generate $options 2>&1 >/dev/null)
    code=$?
    [ "$code" = 2 ] && [[ "$err" == usage:* ]] || fail "$options: exit $code, said '$err'"
done

for options in "--room winding" "--targets middle" "--push-weight 0" "--push-weight x" \
    "--proof-positions 0" "--min-pushes -1" "--proof-memory 0"; do
    err=$(timeout 10 "$tool" climb $options 2>&1 >/dev/null)
    code=$?
    [ "$code" = 2 ] && [[ "$err" == usage:* ]] || fail "climb $options: exit $code, said '$err'"
done

err=$(timeout 20 "$tool" generate --count 1 --pushes 5000-6000 --tries 40 2>&1 >/dev/null)
code=$?
[ "$code" = 1 ] || fail "impossible options: exit $code"
[ "$err" = "pushwell-levelgen: no level in 40 seeds up to seed 40; try other options or more --tries" ] ||
    fail "impossible options said '$err'"
echo "bad numbers are usage errors; impossible options give up after --tries seeds"

# verify is the checker's own loop: its lines and verdict words, exit code 1 unless all proven.
levels=$(mktemp)
trap 'rm -f "$levels"' EXIT
printf "; 1\n'Two\n#######\n#@ \$ .#\n#######\n\n; 2\n'Blocked\n#######\n#@\$\$..#\n#######\n\n" \
    > "$levels"
said=$(timeout 20 "$tool" verify "$levels" 2>&1)
code=$?
expected="$levels level 1 'Two: optimal 2 pushes, 3 moves: rRR
$levels level 2 'Blocked: unsolvable (1 positions searched)"
[ "$code" = 1 ] && [ "$said" = "$expected" ] || fail "verify: exit $code, said '$said'"
echo "verify proves in the checker's words"
