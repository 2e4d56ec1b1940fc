#include "import_collection.h"

#include <filesystem>
#include <fstream>
#include <map>

#include "file/atomic_file.h"
#include "level/collection.h"
#include "level/collection_scan.h"
#include "level/level_text_convert.h"
#include "level_file_reading.h"

namespace fs = std::filesystem;

namespace {

// Long enough for any collection's name, short enough for a column of the collection chooser.
constexpr size_t max_name_bytes = 40;
// Past this many clashes something is wrong with the directory, not with the name.
constexpr int max_suffix = 999;

// The earlier imports: collection file name -> the absolute path of the file it came from.
using ImportRecord = std::map<std::string, std::string>;

ImportRecord read_record(const std::string& path) {
    ImportRecord record;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const size_t tab = line.find('\t');
        if (tab != std::string::npos) record[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return record;
}

// Keeps only the imports whose file is still in the levels directory. A record that cannot be
// written costs only the next import of these files its replacing: they get new names.
void write_record(const ImportPlaces& places, const ImportRecord& record) {
    std::string text;
    for (const auto& [name, source] : record) {
        std::error_code error;
        if (fs::is_regular_file(fs::symlink_status(fs::path(places.levels) / name, error)))
            text += name + '\t' + source + '\n';
    }
    write_file_atomically(places.record, text);
}

// The game lists only so many collections, the first ones its directory listing gives.
bool beyond_game_list(const std::string& levels) {
    std::error_code error;
    int count = 0;
    for (fs::directory_iterator entry(levels, error), end; !error && entry != end;
         entry.increment(error)) {
        count += entry->is_regular_file(error) ? 1 : 0;
    }
    return count > max_collections;
}

bool has_entry(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// The identity of a source file across imports: its absolute path, links resolved. A path
// holding a tab or a line end cannot be recorded; such a file is imported afresh each time.
std::string source_identity(const std::string& file) {
    std::error_code error;
    fs::path path = fs::canonical(file, error);
    if (error) path = fs::absolute(file, error).lexically_normal();
    const std::string identity = path.string();
    return identity.find_first_of("\t\n\r") == std::string::npos ? identity : std::string();
}

std::string numbered(const std::string& base, int number) {
    return number == 1 ? base : base + ' ' + std::to_string(number);
}

// The name the file's collection goes under, and whether it replaces the earlier import of the
// same file: a name of its own import is taken again, else the first name no shipped
// collection and no file of the player's holds.
std::string choose_name(const ImportPlaces& places, const ImportRecord& record,
                        const std::string& base, const std::string& source, bool& replaces) {
    replaces = false;
    std::string free_name;
    for (int number = 1; number <= max_suffix; ++number) {
        const std::string name = numbered(base, number);
        if (has_entry(fs::path(places.shipped) / name)) continue;
        const fs::path path = fs::path(places.levels) / name;
        if (!has_entry(path)) {
            if (free_name.empty()) free_name = name;
            continue;
        }
        const auto earlier = record.find(name);
        std::error_code error;
        if (!source.empty() && earlier != record.end() && earlier->second == source &&
            fs::is_regular_file(fs::symlink_status(path, error))) {
            replaces = true;
            return name;
        }
    }
    return free_name;
}

std::string left_out_list(const ConvertReport& report) {
    std::string list;
    for (const std::string& level : report.left_out) list += (list.empty() ? "" : "; ") + level;
    return list;
}

ImportResult failed(const std::string& file, const std::string& why) {
    return {false, false, file + ": " + why + "; nothing imported"};
}

}  // namespace

ImportPlaces import_places(const std::string& levels, const std::string& shipped) {
    const fs::path directory = fs::absolute(levels).lexically_normal();
    const fs::path home =
        directory.has_filename() ? directory.parent_path() : directory.parent_path().parent_path();
    return {levels, shipped, (home / ".imported").string()};
}

std::string collection_file_name(std::string_view wanted) {
    std::string name;
    for (const char c : wanted) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ' ' || c == '\t') {
            if (!name.empty() && name.back() != ' ') name += ' ';
        } else if (byte >= 0x20 && byte != 0x7f && !(name.empty() && c == '.')) {
            name += c == '/' ? '-' : c;
        }
    }
    if (name.size() > max_name_bytes) {
        size_t end = max_name_bytes;
        // A UTF-8 continuation byte belongs to the character before it.
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xc0) == 0x80) --end;
        name.resize(end);
    }
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

ImportResult import_collection(const ImportPlaces& places, const std::string& file) {
    std::string text;
    const std::string unread = read_level_file(file, text);
    if (!unread.empty()) return failed(file, unread);
    ConvertReport report;
    const std::string converted = convert_level_text(text, report);
    if (!report.error.empty()) return failed(file, report.error);
    if (report.levels_read == 0) return failed(file, "no levels found");
    if (report.levels_written == 0)
        return failed(file, "every level was left out: " + left_out_list(report));

    std::string base = collection_file_name(report.collection_name);
    if (base.empty()) base = collection_file_name(fs::path(file).stem().string());
    if (base.empty()) base = "Imported";
    const std::string source = source_identity(file);
    ImportRecord record = read_record(places.record);
    bool replaces = false;
    const std::string name = choose_name(places, record, base, source, replaces);
    if (name.empty()) return failed(file, "no free name left for \"" + base + "\"");
    const std::string path = (fs::path(places.levels) / name).string();
    if (!write_file_atomically(path, converted)) return failed(file, "cannot write " + path);
    if (!source.empty()) record[name] = source;
    write_record(places, record);

    // The game's own importer has the last word on what it will list.
    TLevelCollection collection;
    const bool sound = import_path(collection, path) == 0;
    const int32_t levels = collection.level_count();
    ImportResult result{true, sound && report.left_out.empty(), file + ": "};
    result.line += std::to_string(levels) + (levels == 1 ? " level" : " levels") +
                   " imported as \"" + name + "\" into " + path +
                   (replaces ? ", replacing the earlier import of this file" : "");
    if (!report.left_out.empty()) result.line += "; left out " + left_out_list(report);
    if (!sound) result.line += "; the game reports faults in it (above)";
    if (beyond_game_list(places.levels)) {
        result.line += "; the game lists only " + std::to_string(max_collections) +
                       " collections: move some out of " + places.levels + " to see them all";
    }
    return result;
}
