#pragma once

#include <string>

#include "score/high_score.h"

// What the start of a run found in the score file. It decides what the end of the run must do
// before it writes: a file that exists but could not be read is kept, never overwritten.
enum class ScoreFileState { missing, loaded, unreadable };

// Reads the score file into the store, silently. A missing or empty file is `missing`.
ScoreFileState load_score_file(THighScore& store, const std::string& path);

// Writes the store at the end of a run. An unreadable file found at the start, and still
// unreadable, is first moved aside to the first free name of path + ".bak", path + ".bak.1",
// ..., with one line on standard error. A failure to save is reported with one line on standard
// error. Returns 1 when the results were saved, 0 otherwise.
int save_score_file(const THighScore& store, const std::string& path, ScoreFileState state);
