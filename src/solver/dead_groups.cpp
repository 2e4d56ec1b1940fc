#include "solver/dead_groups.h"

#include <algorithm>

void DeadGroups::add(const std::vector<int32_t>& boxes, std::vector<uint8_t> squares) {
    Group group{{0, 0, 0, 0}, static_cast<int32_t>(boxes.size()), -1};
    std::copy(boxes.begin(), boxes.end(), group.boxes);
    if (!squares.empty()) {
        group.man = static_cast<int32_t>(man_squares.size());
        man_squares.push_back(std::move(squares));
    }
    if (filed.empty()) filed.resize(static_cast<size_t>(square_count));
    const int32_t index = static_cast<int32_t>(groups.size());
    groups.push_back(group);
    for (int32_t box : boxes) filed[box].push_back(index);
}

bool DeadGroups::covers(const std::vector<int32_t>& boxes) const {
    for (const Group& group : groups) {
        if (group.man >= 0) continue;
        if (std::includes(boxes.begin(), boxes.end(), group.boxes, group.boxes + group.count))
            return true;
    }
    return false;
}

void DeadGroups::reset(int32_t squares) {
    groups.clear();
    man_squares.clear();
    filed.clear();
    square_count = squares;
}

int64_t DeadGroups::memory_bytes() const {
    int64_t bytes = static_cast<int64_t>(groups.size() * (sizeof(Group) + 4 * sizeof(int32_t)) +
                                         filed.size() * sizeof(filed.front()));
    for (const std::vector<uint8_t>& squares : man_squares) {
        bytes += static_cast<int64_t>(squares.size());
    }
    return bytes;
}
