#pragma once

#include <string>

// What a solution asks of the player, counted as players count it, from its move letters alone
// (l r u d a step, L R U D a push; anything else is passed over).
struct SolutionMeasures {
    int moves = 0;
    int pushes = 0;
    // Pushes whose box is not the one pushed before. A push moves the same box as the push
    // before when the box stands where that push left it; the first push changes nothing.
    int box_changes = 0;
    // Runs of pushes with no step of the man between them.
    int sessions = 0;
    // Runs of pushes of one box in one direction, with no other push between them (the man may
    // walk in between).
    int box_lines = 0;
};

SolutionMeasures measure_solution(const std::string& letters);
