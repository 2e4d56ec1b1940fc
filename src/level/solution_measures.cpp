#include "solution_measures.h"

#include <cstring>

SolutionMeasures measure_solution(const std::string& letters) {
    // The man's square relative to his start is all we need to tell boxes apart: a box is
    // known by the square it was left on.
    static const char steps[] = "lrud";
    static const int columns[] = {-1, 1, 0, 0};
    static const int rows[] = {0, 0, -1, 1};
    SolutionMeasures measures;
    int column = 0, row = 0;
    int last_box_column = 0, last_box_row = 0, last_direction = -1;  // -1: no push yet
    bool pushing = false;
    for (const char letter : letters) {
        const bool push = letter >= 'A' && letter <= 'Z';
        const char lower = push ? static_cast<char>(letter - 'A' + 'a') : letter;
        const char* found = lower == '\0' ? nullptr : std::strchr(steps, lower);
        if (found == nullptr) continue;
        const int d = static_cast<int>(found - steps);
        ++measures.moves;
        column += columns[d];
        row += rows[d];
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
        last_box_column = column + columns[d];
        last_box_row = row + rows[d];
        last_direction = d;
    }
    return measures;
}
