#!/usr/bin/env bash
# Proves every shipped level with the checker's default limits (ten seconds and 1024 MB for the
# proof: --find gives the proof a fifth of --time), then looks for any solution in the other 40
# seconds where the optimum is not proven; the tutorial first and the rest by name.
#   write:   keeps the results as docs/measures.tsv and writes the table's summary as
#            docs/levels.md. It never reorders a collection: players' best results are kept by
#            level number, so a collection is put in order once, by `pushwell-levelgen order`,
#            before it first ships.
#   compare: holds the results to docs/measures.tsv: a level proven optimal there must be proven
#            again with the same pushes, any other must at least be solved. Moves and positions
#            may differ: they follow the finding searches, which may meet the proof's bound
#            sooner with another solution of as few pushes.
# Usage: measure_library.sh BUILD_DIR write|compare
set -euo pipefail
build=$(cd "$1" && pwd)
mode=$2
cd "$(dirname "$0")/../.."
export LC_ALL=C
files=(levels/default)
for file in levels/*; do
    [ "$file" = levels/default ] || files+=("$file")
done
results=$(mktemp)
trap 'rm -f "$results"' EXIT
# Exit code 1 only says that some levels are solved but not proven optimal.
"$build/pushwell-check" --tsv --find --time 50 "${files[@]}" >"$results" || [ $? = 1 ]

case $mode in
write)
    cp "$results" docs/measures.tsv
    "$build/pushwell-levelgen" summary docs/measures.tsv >docs/levels.md
    ;;
compare)
    awk -F'\t' '
        NR == FNR { kept[$1 FS $2] = $0; next }
        {
            key = $1 FS $2
            split(kept[key], was, FS)
            if (!(key in kept)) { print key ": not in docs/measures.tsv"; bad++ }
            else if (was[4] == "optimal" && ($4 != "optimal" || $6 != was[6])) {
                print key ": " $4 ", " $5 " moves, " $6 " pushes, " $8 " positions; the table says " \
                    was[4] ", " was[5] ", " was[6] ", " was[8]
                bad++
            } else if ($4 != "optimal" && $4 != "solved") { print key ": " $4; bad++ }
            levels++; optimal += $4 == "optimal"
            delete kept[key]
        }
        END {
            for (key in kept) { print key ": in docs/measures.tsv but not shipped"; bad++ }
            printf "%d levels, %d proven optimal, %d solved; %d differ from docs/measures.tsv\n",
                levels, optimal, levels - optimal, bad
            exit bad > 0
        }' docs/measures.tsv "$results"
    ;;
*)
    echo "usage: measure_library.sh BUILD_DIR write|compare" >&2
    exit 2
    ;;
esac
