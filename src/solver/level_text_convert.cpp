#include "solver/level_text_convert.h"

namespace {
enum class Reading { between_levels, title, after_header, in_map };

std::string unify_line_ends(const std::string& text, ConvertChanges& changes) {
    std::string unified;
    unified.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            unified += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++changes.crlf_line_ends;
        } else {
            unified += '\n';
            ++changes.lone_cr_line_ends;
        }
    }
    return unified;
}

void floor_for_map_signs(std::string& row, ConvertChanges& changes) {
    for (char& c : row) {
        if (c == '-') {
            c = ' ';
            ++changes.dashes;
        } else if (c == '_') {
            c = ' ';
            ++changes.underscores;
        }
    }
}
}  // namespace

std::string convert_level_text(const std::string& text, ConvertChanges& changes) {
    changes = ConvertChanges();
    const std::string unified = unify_line_ends(text, changes);
    std::string converted;
    converted.reserve(unified.size() + 1);
    Reading reading = Reading::between_levels;
    size_t start = 0;
    while (start < unified.size()) {
        size_t end = unified.find('\n', start);
        const bool terminated = end != std::string::npos;
        if (!terminated) end = unified.size();
        std::string line = unified.substr(start, end - start);
        switch (reading) {
            case Reading::between_levels:
                if (!line.empty() && line[0] == ';') reading = Reading::title;
                break;
            case Reading::title:
                reading = Reading::after_header;
                break;
            case Reading::after_header:
            case Reading::in_map:
                if (!line.empty()) {
                    floor_for_map_signs(line, changes);
                    reading = Reading::in_map;
                } else if (reading == Reading::in_map) {
                    reading = Reading::between_levels;
                }
                break;
        }
        converted += line;
        if (terminated) converted += '\n';
        start = end + 1;
    }
    // The last map must end in an empty line too, or its level may be dropped.
    if (reading == Reading::in_map) {
        if (converted.back() != '\n') {
            converted += '\n';
            changes.added_final_line_feed = true;
        }
        converted += '\n';
        changes.added_final_empty_line = true;
    }
    return converted;
}

std::vector<std::string> ConvertChanges::describe() const {
    std::vector<std::string> lines;
    if (crlf_line_ends > 0)
        lines.push_back("changed " + std::to_string(crlf_line_ends) + " CR LF line ends to LF");
    if (lone_cr_line_ends > 0)
        lines.push_back("changed " + std::to_string(lone_cr_line_ends) +
                        " lone CR line ends to LF");
    if (dashes > 0)
        lines.push_back("changed " + std::to_string(dashes) + " '-' in map rows to floor ' '");
    if (underscores > 0)
        lines.push_back("changed " + std::to_string(underscores) + " '_' in map rows to floor ' '");
    if (added_final_line_feed)
        lines.push_back("added the missing line feed after the last map row");
    if (added_final_empty_line) lines.push_back("added the missing empty line after the last map");
    return lines;
}
