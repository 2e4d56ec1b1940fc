#include "solver/advisors.h"

void advise(const Features& parent, const std::vector<MeasuredChild>& children,
            std::vector<uint8_t>& advised) {
    advised.assign(children.size(), 0);
    const auto better = [&](size_t a, size_t b) {
        if (!(children[a].features == children[b].features)) {
            return children[a].features.better_than(children[b].features);
        }
        return children[a].estimate < children[b].estimate;
    };
    int64_t packer = -1, joiner = -1, clearer = -1;
    const auto offer = [&](int64_t& named, size_t c) {
        if (named < 0 || better(c, static_cast<size_t>(named))) named = static_cast<int64_t>(c);
    };
    for (size_t c = 0; c < children.size(); ++c) {
        const Features& child = children[c].features;
        if (child.packing > parent.packing) offer(packer, c);
        if (child.packing < parent.packing) continue;
        if (child.connectivity < parent.connectivity) offer(joiner, c);
        if (child.out_of_plan < parent.out_of_plan) offer(clearer, c);
    }
    for (int64_t named : {packer, joiner, clearer}) {
        if (named >= 0) advised[named] = 1;
    }
}
