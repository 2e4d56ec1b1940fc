#pragma once

#include <string>
#include <vector>

// Solves every level of the collection files twice, each time in a program of its own run on a
// one-level file: once by this bench-solver, once by the `baseline` bench-solver, taking turns
// which goes first so that a change in the machine's load falls on both alike. `solve_arguments`
// (--find, --time, --strategy) go to both. Prints per level and in total the levels each
// solved, the positions per second of each and their ratio. 0 when every run gave its figures.
int run_side_by_side(const std::vector<std::string>& files, const std::string& baseline,
                     const std::vector<std::string>& solve_arguments);
