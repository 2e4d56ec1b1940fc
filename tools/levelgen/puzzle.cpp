#include "puzzle.h"

#include <algorithm>

void Puzzle::reset(int new_width, int new_height, Square fill) {
    width = new_width;
    height = new_height;
    const auto size = static_cast<size_t>(width * height);
    squares.assign(size, fill);
    targets.assign(size, false);
    boxes.assign(size, false);
    man = -1;
}

int Puzzle::count_boxes() const {
    return static_cast<int>(std::count(boxes.begin(), boxes.end(), true));
}

int Puzzle::count_targets() const {
    return static_cast<int>(std::count(targets.begin(), targets.end(), true));
}
