#include "solver/level_check.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <sstream>

#include "level/collection.h"
#include "solver/level_text_convert.h"
#include "solver/solver.h"

namespace {
const char* result_word(SolveStatus status) {
    switch (status) {
        case SolveStatus::solved:
            return "optimal";
        case SolveStatus::found:
            return "solved";
        case SolveStatus::unsolvable:
            return "unsolvable";
        case SolveStatus::unknown:
            return "unknown";
        case SolveStatus::invalid:
            break;
    }
    return "invalid";
}

// A title may hold tabs; in a tab-separated line they would shift the columns.
std::string without_tabs(std::string text) {
    for (char& c : text) {
        if (c == '\t') c = ' ';
    }
    return text;
}

void write_tsv_line(std::ostream& out, const std::string& path, int32_t number,
                    const std::string& title, const SolveResult& result) {
    const bool solved = result.status == SolveStatus::solved || result.status == SolveStatus::found;
    out << without_tabs(path) << '\t' << number << '\t' << without_tabs(title) << '\t'
        << result_word(result.status) << '\t';
    if (solved) out << result.moves;
    out << '\t';
    if (solved) out << result.pushes;
    out << '\t';
    if (solved || result.status == SolveStatus::unknown) out << result.bound;
    out << '\t' << result.positions << '\t' << std::fixed << std::setprecision(3) << result.seconds
        << '\t' << result.path << '\n';
}

void write_line(std::ostream& out, const std::string& path, int32_t number,
                const std::string& title, const SolveResult& result, Optimise optimise) {
    out << path << " level " << number;
    if (!title.empty()) out << ' ' << title;
    out << ": ";
    const char* counted = optimise == Optimise::pushes ? "pushes" : "moves";
    switch (result.status) {
        case SolveStatus::solved:
        case SolveStatus::found:
            out << result_word(result.status) << ' ';
            if (optimise == Optimise::pushes) {
                out << result.pushes << " pushes, " << result.moves << " moves";
            } else {
                out << result.moves << " moves, " << result.pushes << " pushes";
            }
            if (result.status == SolveStatus::found) {
                out << " (at least " << result.bound << ' ' << counted << ')';
            }
            out << ": " << result.path;
            break;
        case SolveStatus::unsolvable:
            out << "unsolvable (" << result.positions << " positions searched)";
            break;
        case SolveStatus::unknown:
            out << "unknown (" << result.reason << " limit reached after " << std::fixed
                << std::setprecision(1) << result.seconds << " s; at least " << result.bound << ' '
                << counted << "; " << result.positions << " positions)";
            break;
        case SolveStatus::invalid:
            out << "not checked (" << result.reason << ")";
            break;
    }
    out << '\n';
}
}  // namespace

bool check_level_file(const std::string& path, const CheckOptions& options, std::ostream& out,
                      std::ostream& err) {
    TLevelCollection collection;
    const int imported = import_path(collection, path);
    if (imported != 0) {
        err << path << ": not checked: "
            << (imported == -1 ? "the file could not be opened" : "the game rejects this file")
            << std::endl;
        return false;
    }
    if (collection.level_count() == 0 && !options.tsv) out << path << ": no levels\n";
    bool all_proven = true;
    for (int32_t index = 0; index < collection.level_count(); ++index) {
        const TLevel* level = collection.get_level(index);
        SolveResult result;
        std::string title;
        if (level == nullptr) {
            result.status = SolveStatus::invalid;
            result.reason = "the level has no board";
        } else {
            title = level->get_title();
            result = options.find ? find_level_solution(*level, options.optimise, options.limits)
                                  : solve_level(*level, options.optimise, options.limits);
        }
        if (options.tsv) {
            write_tsv_line(out, path, index + 1, title, result);
        } else {
            write_line(out, path, index + 1, title, result, options.optimise);
        }
        out.flush();
        all_proven = all_proven &&
                     (result.status == SolveStatus::solved || result.status == SolveStatus::found);
    }
    return all_proven;
}

bool convert_level_file(const std::string& in_path, const std::string& out_path, std::ostream& out,
                        std::ostream& err) {
    std::error_code status_error;
    std::ifstream in(in_path, std::ios::binary);
    std::ostringstream read;
    if (!std::filesystem::is_regular_file(in_path, status_error) || !in ||
        !(read << in.rdbuf() || in.peek() == std::ifstream::traits_type::eof())) {
        err << in_path << ": cannot be read" << std::endl;
        return false;
    }
    const std::string text = read.str();
    ConvertChanges changes;
    const std::string converted = convert_level_text(text, changes);
    // Written beside the target first, so that a failed write never leaves half a file, even
    // when OUT is IN.
    const std::string partial = out_path + ".partial";
    {
        std::ofstream written(partial, std::ios::binary | std::ios::trunc);
        written << converted;
        written.close();
        if (!written) {
            err << out_path << ": cannot be written" << std::endl;
            std::remove(partial.c_str());
            return false;
        }
    }
    if (std::rename(partial.c_str(), out_path.c_str()) != 0) {
        err << out_path << ": cannot be written" << std::endl;
        std::remove(partial.c_str());
        return false;
    }
    const std::vector<std::string> described = changes.describe();
    for (const std::string& line : described) out << line << '\n';
    if (described.empty()) out << "nothing to change: copied as it is\n";
    out << "wrote " << out_path << '\n';
    out.flush();
    TLevelCollection collection;
    if (import_path(collection, out_path) != 0) {
        err << out_path << ": the game still reports faults in this file" << std::endl;
        return false;
    }
    return true;
}
