#include "level_check.h"

#include <iomanip>
#include <sstream>
#include <vector>

#include "file/atomic_file.h"
#include "in_order.h"
#include "level/collection.h"
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
        << '\t' << result.path;
    // What the solution shown asks of the player, as players count it.
    if (solved) {
        const SolutionMeasures measures = measure_solution(result.path);
        out << '\t' << measures.box_changes << '\t' << measures.sessions << '\t'
            << measures.box_lines << '\n';
    } else {
        out << "\t\t\t\n";
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

bool check_level_file(const std::string& path, const CheckOptions& options, std::ostream& out,
                      std::ostream& err) {
    TLevelCollection collection;
    std::string text;
    const int imported = import_path(collection, path, text);
    if (imported != 0) {
        err << path << ": not checked: "
            << (imported == -1 ? "the file could not be opened" : "the game rejects this file")
            << std::endl;
        return false;
    }
    if (collection.level_count() == 0 && !options.tsv) out << path << ": no levels\n";
    bool all_proven = report_file_faults(path, text, options.tsv ? err : out);
    // Each level is proven on its own, into its own line; the lines come out in level order.
    std::vector<uint8_t> proven(static_cast<size_t>(collection.level_count()), 0);
    const auto prove = [&](int32_t index) {
        const TLevel* level = collection.get_level(index);
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
                result = options.find
                             ? find_level_solution(*level, options.optimise, options.limits)
                             : solve_level(*level, options.optimise, options.limits);
            }
        }
        std::ostringstream line;
        if (!fault.empty()) {
            write_fault(line, options.tsv, path, index + 1, title, fault);
        } else if (options.tsv) {
            write_tsv_line(line, path, index + 1, title, result);
        } else {
            write_line(line, path, index + 1, title, result, options.optimise);
        }
        proven[static_cast<size_t>(index)] =
            fault.empty() &&
            (result.status == SolveStatus::solved || result.status == SolveStatus::found);
        return line.str();
    };
    run_in_order(collection.level_count(), options.jobs, prove,
                 [&](int32_t, const std::string& line) { out << line << std::flush; });
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
