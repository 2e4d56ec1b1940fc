#include "level_check.h"

#include <iomanip>
#include <sstream>
#include <vector>

#include "file/atomic_file.h"
#include "in_order.h"
#include "level/collection.h"
#include "level/floor_measures.h"
#include "level/layout_checks.h"
#include "level/level_text_convert.h"
#include "level/solution_measures.h"
#include "level_file_reading.h"
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

void write_tsv_line(std::ostream& out, const std::string& path, const TLevel* level, int32_t number,
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
        << '\t' << result.path;
    // What the solution shown asks of the player, as players count it.
    if (solved) {
        const SolutionMeasures measures = measure_solution(result.path);
        out << '\t' << measures.box_changes << '\t' << measures.sessions << '\t'
            << measures.box_lines;
        // How much of the floor the solution puts to use; a solution that replayed always
        // measures.
        FloorMeasures floor;
        if (level != nullptr && measure_floor(*level, result.path, floor)) {
            out << '\t' << floor.floor << '\t' << floor.boxes << '\t' << std::setprecision(2)
                << floor.floor_per_box() << '\t' << floor.idle;
        } else {
            out << "\t\t\t\t";
        }
        out << '\n';
    } else {
        out << "\t\t\t\t\t\t\t\n";
    }
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

// A level the game takes but that cannot be played as meant is not searched at all: the
// search would only call it unsolvable. In a tab-separated line the reason takes the place of
// the solution.
void write_fault(std::ostream& out, bool tsv, const std::string& path, int32_t number,
                 const std::string& title, const std::string& fault) {
    if (tsv) {
        out << without_tabs(path) << '\t' << number << '\t' << without_tabs(title)
            << "\tfaulty\t\t\t\t0\t0.000\t" << fault << "\t\t\t\n";
    } else {
        out << path << " level " << number << (title.empty() ? "" : " " + title)
            << ": faulty: " << fault << '\n';
    }
}

// What the game's import would misread in the file's text: reported once per file.
bool report_file_faults(const std::string& path, const std::string& text, std::ostream& out) {
    const std::vector<std::string> faults = file_layout_faults(text);
    for (const std::string& fault : faults) out << path << ": faulty: " << fault << '\n';
    return faults.empty();
}

}  // namespace

namespace {

// One file as read before its levels are proven: what the import would say of it is held back
// and said in the file's turn, so that the output reads file after file whatever the threads do.
struct LoadedFile {
    std::string path;
    TLevelCollection collection;
    std::string text;
    std::vector<std::string> import_messages;
    int imported = 0;
};

// Everything said of a file before its first level: the import's messages and verdict, its
// level count when there is none, what the game would misread in its text. False when the file
// is not proven whole by this alone.
bool announce_file(const LoadedFile& file, const CheckOptions& options, std::ostream& out,
                   std::ostream& err) {
    for (const std::string& message : file.import_messages) err << message << std::flush;
    if (file.imported != 0) {
        err << file.path << ": not checked: "
            << (file.imported == -1 ? "the file could not be opened" : "the game rejects this file")
            << std::endl;
        return false;
    }
    if (file.collection.level_count() == 0 && !options.tsv) out << file.path << ": no levels\n";
    const bool sound = report_file_faults(file.path, file.text, options.tsv ? err : out);
    out.flush();
    return sound;
}

// One level proven (or found faulty) and written as its line; `proven` says whether it counts
// as proven solvable.
std::string prove_level(const LoadedFile& file, int32_t index, const CheckOptions& options,
                        bool& proven) {
    const TLevel* level = file.collection.get_level(index);
    SolveResult result;
    std::string title;
    std::string fault;
    if (level == nullptr) {
        result.status = SolveStatus::invalid;
        result.reason = "the level has no board";
    } else {
        title = level->get_title();
        fault = level_layout_fault(*level);
        if (fault.empty()) {
            result = options.find ? find_level_solution(*level, options.optimise, options.limits)
                                  : solve_level(*level, options.optimise, options.limits);
        }
    }
    std::ostringstream line;
    if (!fault.empty()) {
        write_fault(line, options.tsv, file.path, index + 1, title, fault);
    } else if (options.tsv) {
        write_tsv_line(line, file.path, level, index + 1, title, result);
    } else {
        write_line(line, file.path, index + 1, title, result, options.optimise);
    }
    proven = fault.empty() &&
             (result.status == SolveStatus::solved || result.status == SolveStatus::found);
    return line.str();
}

}  // namespace

bool check_level_files(const std::vector<std::string>& paths, const CheckOptions& options,
                       std::ostream& out, std::ostream& err) {
    std::vector<LoadedFile> files(paths.size());
    // Every level of every file is one task, so that the threads are kept busy across files.
    std::vector<std::pair<size_t, int32_t>> tasks;
    for (size_t f = 0; f < paths.size(); ++f) {
        LoadedFile& file = files[f];
        file.path = paths[f];
        file.imported = load_path(file.collection, file.path, file.text, file.import_messages);
        if (file.imported != 0) continue;
        for (int32_t index = 0; index < file.collection.level_count(); ++index)
            tasks.emplace_back(f, index);
    }
    bool all_proven = true;
    size_t announced = 0;
    const auto announce_up_to = [&](size_t last) {
        for (; announced <= last && announced < files.size(); ++announced)
            all_proven = announce_file(files[announced], options, out, err) && all_proven;
    };
    std::vector<uint8_t> proven(tasks.size(), 0);
    const auto prove = [&](int32_t task) {
        bool level_proven = false;
        const auto [f, index] = tasks[static_cast<size_t>(task)];
        std::string line = prove_level(files[f], index, options, level_proven);
        proven[static_cast<size_t>(task)] = level_proven ? 1 : 0;
        return line;
    };
    const auto emit = [&](int32_t task, const std::string& line) {
        announce_up_to(tasks[static_cast<size_t>(task)].first);
        out << line << std::flush;
    };
    run_in_order(static_cast<int32_t>(tasks.size()), options.jobs, prove, emit);
    announce_up_to(files.size());
    for (const uint8_t level_proven : proven) all_proven = all_proven && level_proven != 0;
    return all_proven;
}

bool convert_level_file(const std::string& in_path, const std::string& out_path, std::ostream& out,
                        std::ostream& err) {
    std::string text;
    const std::string unread = read_level_file(in_path, text);
    if (!unread.empty()) {
        err << in_path << ": " << unread << std::endl;
        return false;
    }
    ConvertReport report;
    const std::string converted = convert_level_text(text, report);
    if (!report.error.empty() || report.levels_read == 0) {
        err << in_path << ": " << (report.error.empty() ? "no levels found" : report.error)
            << "; nothing written" << std::endl;
        return false;
    }
    if (!write_file_atomically(out_path, converted)) {
        err << out_path << ": cannot be written" << std::endl;
        return false;
    }
    for (const std::string& change : report.changes) out << change << '\n';
    if (report.changes.empty()) out << "nothing to change: copied as it is\n";
    for (const std::string& level : report.left_out) out << "left out " << level << '\n';
    bool sound = report.left_out.empty();
    // The game's own importer has the last word on what was written.
    TLevelCollection collection;
    if (import_path(collection, out_path) != 0) {
        err << out_path << ": the game reports faults in this file" << std::endl;
        sound = false;
    }
    for (int32_t index = 0; index < collection.level_count(); ++index) {
        const TLevel* level = collection.get_level(index);
        if (level == nullptr) continue;
        const std::string fault = level_layout_fault(*level);
        if (fault.empty()) continue;
        write_fault(out, false, out_path, index + 1, level->get_title(), fault);
        sound = false;
    }
    out << "wrote " << out_path << ": " << collection.level_count() << " levels\n";
    out.flush();
    return sound;
}
