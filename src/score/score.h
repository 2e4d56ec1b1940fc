#pragma once

#include <cstdint>
#include <map>

class TiXmlElement;

// One best result. (0, 0), and any result with 0 moves, means "no result yet".
struct TScore {
    int32_t moves = 0;
    int32_t pushes = 0;
};

inline bool operator==(const TScore& a, const TScore& b) {
    return a.moves == b.moves && a.pushes == b.pushes;
}

// Whether a solution of (moves, pushes) replaces the best result: always when there is none
// yet, otherwise only when it needs no more moves and no more pushes.
bool is_new_best(const TScore& best, int32_t moves, int32_t pushes);

// The best results of one collection, by level number.
class TCollectionScore {
  public:
    // Copies the result into `score` and returns true; false (score untouched) when absent.
    bool get_score(int32_t level, TScore& score) const;
    // Stores the result, overwriting whatever was there.
    void set_score(int32_t level, const TScore& score);

    // Fills the map from the Level children of one Collection element. Returns 1.
    int read_from_file(const TiXmlElement& element);
    // Appends one Level element per result. Returns 1.
    int write_to_file(TiXmlElement& element) const;

    const std::map<int32_t, TScore>& entries() const { return scores; }

  private:
    std::map<int32_t, TScore> scores;
};
