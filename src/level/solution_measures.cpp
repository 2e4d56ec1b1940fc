#include "level/solution_measures.h"

#include "level/directions.h"
#include "level/move_letters.h"

SolutionMeasures measure_solution(const std::string& letters) {
    // The man's square relative to his start is all we need to tell boxes apart: a box is
    // known by the square it was left on.
    SolutionMeasures measures;
    int column = 0, row = 0;
    int last_box_column = 0, last_box_row = 0, last_direction = -1;  // -1: no push yet
    bool pushing = false;
    for (const char letter : letters) {
        int d = 0;
        bool push = false;
        if (!read_move_letter(letter, d, push)) continue;
        ++measures.moves;
        column += step_columns[d];
        row += step_rows[d];
        if (!push) {
            pushing = false;
            continue;
        }
        ++measures.pushes;
        if (!pushing) ++measures.sessions;
        pushing = true;
        // The man now stands where the box stood before this push.
        const bool same_box =
            last_direction >= 0 && column == last_box_column && row == last_box_row;
        if (last_direction >= 0 && !same_box) ++measures.box_changes;
        if (!same_box || d != last_direction) ++measures.box_lines;
        last_box_column = column + step_columns[d];
        last_box_row = row + step_rows[d];
        last_direction = d;
    }
    return measures;
}
