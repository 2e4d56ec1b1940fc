#include "level/collection.h"

#include <cerrno>
#include <iostream>

#include "level/text_file.h"

std::string import_message(const std::string& file_name, const LevelDiagnostic& diagnostic) {
    return "TLevelCollection.import: " + file_name + ": level " + std::to_string(diagnostic.level) +
           ": " + diagnostic.fault.words() + "\n";
}

int TLevelCollection::import(const std::string& directory, const std::string& file_name) {
    std::string text;
    std::vector<std::string> messages;
    const int result = load(directory, file_name, text, messages);
    // Every fault a flushed line of its own.
    for (const std::string& message : messages) std::cerr << message << std::flush;
    return result;
}

int TLevelCollection::load(const std::string& directory, const std::string& file_name,
                           std::string& text, std::vector<std::string>& messages) {
    clear_levels();
    messages.clear();
    const std::string path = directory + file_name;
    const Outcome<int> read = read_text_file(path, text);
    if (!read && read.error() == EFBIG) {
        // Refused before it is read: one line naming the file, then as if it did not open.
        messages.push_back("TLevelCollection.import: " + file_name + ": " + read.words() + "\n");
        return -1;
    }
    if (!read) {
        messages.push_back("Error: Could not open level file ( " + path + ")\n");
        return -1;
    }
    ParsedCollection parsed = parse_collection(text);
    for (const LevelDiagnostic& diagnostic : parsed.diagnostics)
        messages.push_back(import_message(file_name, diagnostic));
    return take(file_name, std::move(parsed));
}

int TLevelCollection::take(const std::string& file_name, ParsedCollection parsed) {
    clear_levels();
    name = file_name;
    levels = std::move(parsed.levels);
    return parsed.diagnostics.empty() ? 0 : -2;
}

void TLevelCollection::clear_levels() {
    while (!levels.empty()) levels.pop_back();
}

const TLevel* TLevelCollection::get_level(int32_t index) const {
    if (index < 0 || index >= level_count()) return nullptr;
    const TLevel* level = levels[index].get();
    return level->has_grid() ? level : nullptr;
}

int import_path(TLevelCollection& collection, const std::string& path) {
    std::string text;
    std::vector<std::string> messages;
    const int result = load_path(collection, path, text, messages);
    for (const std::string& message : messages) std::cerr << message << std::flush;
    return result;
}

int load_path(TLevelCollection& collection, const std::string& path, std::string& text,
              std::vector<std::string>& messages) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return collection.load("", path, text, messages);
    return collection.load(path.substr(0, slash + 1), path.substr(slash + 1), text, messages);
}
