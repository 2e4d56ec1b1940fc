#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "level/collection.h"
#include "level/level.h"

using Picture = std::vector<std::string>;

// Boards as text, one string per row: '-' outside, ' ' floor, '.' target, '$' box, '*' box on
// a target, '#' wall, '!' no cell, '@' / '+' the man on floor / on a target.
constexpr const char* cell_pieces = "!- .$*@+#";  // position = Cell value + 1

inline TPlayLevel board_from(const Picture& rows) {
    TPlayLevel level;
    level.create(rows[0].size(), rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            int code = static_cast<int>(std::string(cell_pieces).find(rows[r][c])) - 1;
            if (code == 5 || code == 6) level.set_man(c, r);
            level.set_cell(c, r, static_cast<Cell>(code == 5 || code == 6 ? code - 4 : code));
        }
    }
    return level;
}

inline Picture picture_of(const TLevel& level, int man_column, int man_row) {
    Picture rows(level.get_height(), std::string(level.get_width(), '?'));
    for (int r = 0; r < level.get_height(); ++r) {
        for (int c = 0; c < level.get_width(); ++c) {
            int code = static_cast<int>(level.get_cell(c, r));
            if (c == man_column && r == man_row) code = code == 1 || code == 2 ? code + 4 : 99;
            if (code >= -1 && code <= 7) rows[r][c] = cell_pieces[code + 1];
        }
    }
    return rows;
}
inline Picture picture_of(const TLevel& level) {
    return picture_of(level, -1, -1);
}
inline Picture picture_of(const TPlayLevel& level) {
    return picture_of(level, level.get_man_column(), level.get_man_row());
}

// A fresh directory under /tmp (path ends in "/"), removed with its contents afterwards.
struct TempDir {
    std::string path;
    TempDir() {
        char name[] = "/tmp/pushwell-level-XXXXXX";
        path = std::string(mkdtemp(name)) + "/";
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    void write(const std::string& name, const std::string& text) const {
        std::ofstream(path + name, std::ios::binary) << text;
    }
};

struct Imported {
    TLevelCollection collection;
    int result = 0;
    std::string messages;  // everything the import wrote on standard error
};

inline Imported import_text(const std::string& text) {
    TempDir dir;
    dir.write("test", text);
    Imported in;
    testing::internal::CaptureStderr();
    in.result = in.collection.import(dir.path, "test");
    in.messages = testing::internal::GetCapturedStderr();
    return in;
}
