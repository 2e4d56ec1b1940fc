#include "solver/plan_steps.h"

#include <utility>

StepPlan::StepPlan(const SolverBoard& board, std::vector<PlanStep> steps)
    : steps_(std::move(steps)), boxed(board.square_count(), 0), wanted(board.square_count(), 0) {}

int32_t StepPlan::packing(const std::vector<int32_t>& boxes) const {
    if (steps_.empty()) return 0;
    for (int32_t box : boxes) boxed[box] = 1;
    // How many squares the steps so far want a box on and lack one; the steps of the rounds
    // that left none lacking.
    int32_t missing = 0, done = 0;
    for (size_t step = 0; step < steps_.size(); ++step) {
        const PlanStep& next = steps_[step];
        if (next.from != SolverBoard::no_square && wanted[next.from]) {
            wanted[next.from] = 0;
            missing -= boxed[next.from] ? 0 : 1;
        }
        wanted[next.to] = 1;
        missing += boxed[next.to] ? 0 : 1;
        const bool round_ends = step + 1 == steps_.size() || steps_[step + 1].round != next.round;
        if (round_ends && missing == 0) done = static_cast<int32_t>(step) + 1;
    }
    int32_t packed = done;
    for (size_t step = static_cast<size_t>(done);
         step < steps_.size() && steps_[step].round == steps_[done].round; ++step) {
        packed += boxed[steps_[step].to];
    }
    for (const PlanStep& step : steps_) wanted[step.to] = 0;
    for (int32_t box : boxes) boxed[box] = 0;
    return packed;
}
