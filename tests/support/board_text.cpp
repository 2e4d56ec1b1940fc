#include "support/board_text.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {
constexpr const char* cell_pieces = "!- .$*@+#";  // position = Cell value + 1
}

TPlayLevel board_from(const Picture& rows) {
    TPlayLevel level;
    level.create(rows[0].size(), rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            int code = static_cast<int>(std::string(cell_pieces).find(rows[r][c])) - 1;
            if (code == 5 || code == 6) {
                level.set_man(c, r);
                level.set_start(c, r);
            }
            level.set_cell(c, r, static_cast<Cell>(code == 5 || code == 6 ? code - 4 : code));
        }
    }
    return level;
}

Picture picture_of(const TLevel& level, int man_column, int man_row) {
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

Picture picture_of(const TLevel& level) {
    return picture_of(level, -1, -1);
}

Picture picture_of(const TPlayLevel& level) {
    return picture_of(level, level.get_man_column(), level.get_man_row());
}

Imported import_text(const std::string& text) {
    TempDir dir;
    dir.write("test", text);
    Imported in;
    testing::internal::CaptureStderr();
    in.result = in.collection.import(dir.path, "test");
    in.messages = testing::internal::GetCapturedStderr();
    return in;
}
