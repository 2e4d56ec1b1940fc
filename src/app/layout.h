#pragma once

// Where the menu screens put their content in a window of width x height pixels, between a
// title bar and a status bar of the given heights. Pure arithmetic, so that the figures can be
// checked without a window.

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Top-left corner of "Start Game"; the other items of the title menu hang below it.
ScreenPoint title_menu_origin(int width, int height, int title_height, int status_height);

// The collection chooser's grid of names.
struct ChooserLayout {
    int rows = 1;  // names per column
    int columns = 1;
    int column_width = 0;
    int left = 0;  // left edge of the first column
    int top = 0;   // top of the first row
};

ChooserLayout chooser_layout(int width, int height, int title_height, int status_height,
                             int entries);
// Top-left corner of entry `index`: names run down a column, then on to the next column.
ScreenPoint chooser_entry_position(const ChooserLayout& layout, int index);

// The help page: x is the centre line between key names and their meanings, y the top of the
// first line.
ScreenPoint help_origin(int width, int height, int title_height, int status_height);

// Row pitch of the collection chooser and of the help page.
constexpr int list_row_pitch = 25;
