#include "level/move_letters.h"

#include <cstring>

#include "level/rules.h"

namespace {
// By direction index.
constexpr char step_letters[] = "lrud";
constexpr char push_letters[] = "LRUD";
}  // namespace

char move_letter(int direction_index, bool push) {
    return (push ? push_letters : step_letters)[direction_index];
}

bool read_move_letter(char letter, int& direction_index, bool& push) {
    if (letter == '\0') return false;
    for (const char* letters : {step_letters, push_letters}) {
        const char* found = std::strchr(letters, letter);
        if (found == nullptr) continue;
        direction_index = static_cast<int>(found - letters);
        push = letters == push_letters;
        return true;
    }
    return false;
}

bool play_moves(TPlayLevel& level, std::string_view path) {
    for (const char letter : path) {
        int direction = 0;
        bool push = false;
        if (!read_move_letter(letter, direction, push)) return false;
        if (move(level, direction_code(direction)) != (push ? move_push : move_step)) return false;
    }
    return true;
}

bool replay_moves(const TLevel& level, std::string_view path, int32_t& moves, int32_t& pushes) {
    TPlayLevel play;
    play.copy_from(level);
    moves = 0;
    pushes = 0;
    if (!play_moves(play, path)) return false;
    moves = static_cast<int32_t>(path.size());
    for (const char letter : path) pushes += letter >= 'A' && letter <= 'Z' ? 1 : 0;
    return play.is_solved();
}
