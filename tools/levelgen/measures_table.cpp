#include "measures_table.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

std::vector<std::string> split_tabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) fields.push_back(field);
    // getline drops a last empty field.
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

// An empty field (no solution, so no count) reads as 0; anything else must be a whole number.
template <typename Number>
bool read_number(const std::string& text, Number& value) {
    if (text.empty()) {
        value = 0;
        return true;
    }
    char* end = nullptr;
    errno = 0;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || number < 0) return false;
    value = static_cast<Number>(number);
    return static_cast<long long>(value) == number;
}

}  // namespace

std::optional<MeasuredLevel> read_measures_line(const std::string& line) {
    const std::vector<std::string> fields = split_tabs(line);
    if (fields.size() != 17) return std::nullopt;
    MeasuredLevel level;
    level.file = fields[0];
    level.title = fields[2];
    level.result = fields[3];
    level.solution = fields[9];
    const bool numbers =
        read_number(fields[1], level.level) && read_number(fields[4], level.moves) &&
        read_number(fields[5], level.pushes) && read_number(fields[6], level.bound) &&
        read_number(fields[7], level.positions) && read_number(fields[10], level.box_changes) &&
        read_number(fields[11], level.sessions) && read_number(fields[12], level.box_lines) &&
        read_number(fields[13], level.floor) && read_number(fields[14], level.boxes) &&
        read_number(fields[16], level.idle);
    if (!numbers || level.level < 1) return std::nullopt;
    return level;
}

std::vector<MeasuredLevel> read_measures_table(std::istream& in) {
    std::vector<MeasuredLevel> levels;
    std::string line;
    while (std::getline(in, line)) {
        if (auto level = read_measures_line(line)) levels.push_back(std::move(*level));
    }
    return levels;
}

double difficulty(const MeasuredLevel& level) {
    return level.pushes + 2.0 * level.box_changes +
           10.0 * std::log10(1.0 + static_cast<double>(level.positions));
}

std::string collection_name(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
