#include "level/collection.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string_view>

namespace {

// The whole file in memory, read straight into one buffer: map rows are then views into it
// instead of copies. False when the file cannot be opened or read (a directory, say).
bool read_whole_file(const std::string& path, std::string& contents) {
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return false;
    struct stat status;
    // One byte more than the file's size lets the read that meets the end need no regrowth.
    const bool sized = fstat(descriptor, &status) == 0 && status.st_size > 0;
    contents.resize(sized ? static_cast<size_t>(status.st_size) + 1 : size_t{1} << 16);
    size_t filled = 0;
    for (;;) {
        if (filled == contents.size()) contents.resize(contents.size() * 2);
        const ssize_t got = read(descriptor, &contents[filled], contents.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            close(descriptor);
            return false;
        }
        if (got == 0) break;
        filled += static_cast<size_t>(got);
    }
    close(descriptor);
    contents.resize(filled);
    return true;
}

// Hands out the lines of a text one by one. A line ends at a line feed; the text after the
// last line feed is a line of its own, so a file ending in a line feed ends in an empty line.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text(text) {}
    // Takes the next line; false (and the line untouched) once every line has been taken.
    bool next(std::string_view& line) {
        if (done) return false;
        const char* start = text.data() + position;
        const void* line_feed = std::memchr(start, '\n', text.size() - position);
        if (line_feed == nullptr) {
            line = text.substr(position);
            done = true;
        } else {
            const size_t length = static_cast<const char*>(line_feed) - start;
            line = text.substr(position, length);
            position += length + 1;
        }
        return true;
    }

  private:
    std::string_view text;
    size_t position = 0;
    bool done = false;
};

// What a map piece other than wall or floor stands for; code no_cell for a bad byte.
struct PieceMeaning {
    Cell code;
    bool sets_start;
    int men;
    int boxes;
    int targets;
};

PieceMeaning meaning_of(char piece) {
    switch (piece) {
        case '$':
            return {Cell::box, false, 0, 1, 0};
        case '*':
            return {Cell::box_on_target, false, 0, 1, 1};
        case '.':
            return {Cell::target, false, 0, 0, 1};
        case '@':
            return {Cell::floor, true, 1, 0, 0};
        case '+':
            return {Cell::target, true, 1, 0, 1};
        default:
            return {Cell::no_cell, false, 0, 0, 0};
    }
}

// The cell of each byte that is wall or floor; no_cell for every other byte.
struct PlainPieces {
    Cell codes[256];
    constexpr PlainPieces() : codes() {
        for (Cell& code : codes) code = Cell::no_cell;
        codes[static_cast<unsigned char>('#')] = Cell::wall;
        codes[static_cast<unsigned char>(' ')] = Cell::floor;
    }
    Cell operator[](unsigned char piece) const { return codes[piece]; }
};
constexpr PlainPieces plain_pieces;

// Reports one fault of a level on standard error, as one flushed line.
void report(const std::string& file_name, const TLevel& level, const std::string& what) {
    std::cerr << "TLevelCollection.import: " + file_name + ": level " +
                     std::to_string(level.get_number()) + ": " + what + "\n"
              << std::flush;
}

// The rows of one level's map as they are read. Rows past the largest board are counted but
// not kept: such a level is refused whole, so only its size matters.
struct MapRows {
    std::vector<std::string_view> rows;
    size_t width = 0;
    size_t height = 0;

    void start(std::string_view line) {
        rows.clear();
        width = 0;
        height = 0;
        add(line);
    }
    void add(std::string_view line) {
        ++height;
        width = std::max(width, line.size());
        if (height <= static_cast<size_t>(max_board_side)) rows.push_back(line);
    }
    bool too_large() const {
        return width > static_cast<size_t>(max_board_side) ||
               height > static_cast<size_t>(max_board_side);
    }
};

// Checks the rows read for one level, reports its faults and fills its board. Returns the
// number of faults found. `codes` is room for one row of cells, kept between levels.
int build_level(TLevel& level, const MapRows& map, const std::string& file_name,
                std::vector<Cell>& codes) {
    // One long line must not make the game ask for gigabytes: the board is never made.
    if (map.too_large()) {
        report(file_name, level,
               "level is larger than " + std::to_string(max_board_side) + " x " +
                   std::to_string(max_board_side));
        return 1;
    }
    const std::vector<std::string_view>& rows = map.rows;
    const int32_t width = static_cast<int32_t>(map.width);
    const int32_t height = static_cast<int32_t>(map.height);
    // Too small a board cannot be made; the level stays without one and is never played.
    if (level.create(width, height) != 0) {
        report(file_name, level, "level is smaller than 3 x 3");
        return 1;
    }
    int errors = 0;
    int men = 0;
    int boxes = 0;
    int targets = 0;
    auto report_bad_piece = [&](int32_t r) {
        report(file_name, level, "error on line " + std::to_string(r + 1));
        return 1;
    };
    for (int32_t r = 0; r < height; ++r) {
        const std::string_view row = rows[r];
        const int32_t length = static_cast<int32_t>(row.size());
        codes.resize(length);
        Cell* const out = codes.data();
        // Pieces before the row's first wall are bad: they stand outside the level.
        const size_t first_wall = std::min(row.find('#'), row.size());
        for (int32_t c = 0; c < length; ++c) {
            const char piece = row[c];
            // Walls and floor make up most of a map, mixed at random: looking them up instead
            // of testing for them keeps the reader from stalling on every wrong guess.
            const Cell plain = plain_pieces[static_cast<unsigned char>(piece)];
            out[c] = plain;
            if (plain != Cell::no_cell) continue;
            const PieceMeaning meaning = meaning_of(piece);
            if (static_cast<size_t>(c) > first_wall && meaning.code != Cell::no_cell) {
                men += meaning.men;
                boxes += meaning.boxes;
                targets += meaning.targets;
                if (meaning.sets_start) level.set_start(c, r);
                out[c] = meaning.code;
            } else {
                errors += report_bad_piece(r);
            }
        }
        // A row must be closed by a wall. A piece that is bad only for ending the row still
        // counted as what it is above, and is reported once.
        if (length > 0 && codes[length - 1] != Cell::wall && codes[length - 1] != Cell::no_cell) {
            codes[length - 1] = Cell::no_cell;
            errors += report_bad_piece(r);
        }
        level.set_row(r, codes.data(), length);
    }
    if (men != 1) {
        report(file_name, level, "there must be one guy");
        ++errors;
    }
    if (targets != boxes) {
        report(file_name, level, "number of targets does not match number of boxes");
        ++errors;
    }
    if (boxes == 0) {
        report(file_name, level, "has no boxes");
        ++errors;
    }
    level.mark_outside();
    // A gap in the wall lets the outside reach the man: he could step out but never be
    // brought back by undo, so such a level cannot be played.
    if (men == 1 &&
        level.get_cell(level.get_start_column(), level.get_start_row()) == Cell::outside) {
        report(file_name, level, "the man is outside the walls");
        ++errors;
    }
    return errors;
}

}  // namespace

int TLevelCollection::import(const std::string& directory, const std::string& file_name) {
    clear_levels();
    const std::string path = directory + file_name;
    std::string contents;
    if (!read_whole_file(path, contents)) {
        std::cerr << "Error: Could not open level file ( " << path << ")\n" << std::flush;
        return -1;
    }
    name = file_name;

    enum class State { between_levels, after_header, in_map };
    State state = State::between_levels;
    int32_t level_count = 0;
    int errors = 0;
    std::unique_ptr<TLevel> level;
    MapRows map;
    std::vector<Cell> row_codes;  // one row's cells, reused from level to level
    auto finish_level = [&]() {
        errors += build_level(*level, map, name, row_codes);
        levels.push_back(std::move(level));
    };

    LineReader reader(contents);
    std::string_view line;
    while (reader.next(line)) {
        switch (state) {
            case State::between_levels:
                if (line.empty() || line[0] != ';') break;
                level = std::make_unique<TLevel>();
                level->set_number(++level_count);
                // The line after a header is always taken; only an apostrophe makes it a title.
                if (reader.next(line) && !line.empty() && line[0] == '\'') {
                    level->set_title(std::string(line));
                }
                state = State::after_header;
                break;
            case State::after_header:
                if (line.empty()) break;
                map.start(line);
                state = State::in_map;
                break;
            case State::in_map:
                if (line.empty()) {
                    finish_level();
                    state = State::between_levels;
                } else {
                    map.add(line);
                }
                break;
        }
    }
    // A map that runs up to the end of the file is as much a level as one closed by an
    // empty line; a header with no map after it makes none.
    if (state == State::in_map) finish_level();
    return errors > 0 ? -2 : 0;
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
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return collection.import("", path);
    return collection.import(path.substr(0, slash + 1), path.substr(slash + 1));
}
