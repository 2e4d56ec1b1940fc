#include "app/layout.h"

#include <algorithm>

namespace {

// The chooser keeps this band at the top of the play area for its heading.
constexpr int chooser_heading_band = 100;
constexpr int side_margin = 20;

}  // namespace

ScreenPoint title_menu_origin(int width, int height, int title_height, int status_height) {
    ScreenPoint origin;
    origin.x = std::max(width / 2 - 200, side_margin);
    origin.y = std::max((height - title_height - status_height) / 2 + title_height - 110,
                        title_height + 20);
    return origin;
}

ChooserLayout chooser_layout(int width, int height, int title_height, int status_height,
                             int entries) {
    ChooserLayout layout;
    const int play_height = height - title_height - status_height;
    layout.rows = (play_height - chooser_heading_band) / list_row_pitch;
    if (layout.rows <= 0) layout.rows = 1;
    // No entries still make one (empty) column, so that nothing is divided by zero.
    layout.columns = std::max(entries / layout.rows + (entries % layout.rows != 0 ? 1 : 0), 1);
    layout.column_width = std::min((width - 2 * side_margin) / layout.columns, width / 3);
    layout.left = std::max((width - layout.column_width * layout.columns) / 2, side_margin);
    layout.top = std::max((play_height - layout.rows * list_row_pitch - chooser_heading_band) / 2 +
                              title_height + chooser_heading_band,
                          title_height + 20);
    return layout;
}

ScreenPoint chooser_entry_position(const ChooserLayout& layout, int index) {
    ScreenPoint position;
    position.x = layout.left + (index / layout.rows) * layout.column_width;
    position.y = layout.top + (index % layout.rows) * list_row_pitch;
    return position;
}

ScreenPoint help_origin(int width, int height, int title_height, int status_height) {
    ScreenPoint origin;
    origin.x = width / 2;
    origin.y = std::max((height - title_height - status_height) / 2 + title_height - 90,
                        title_height + 70);
    return origin;
}
