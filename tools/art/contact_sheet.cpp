#include "contact_sheet.h"

#include <algorithm>
#include <string>

#include "gfx/board.h"
#include "gfx/frame.h"

namespace {

// A sheet stays within this width, and takes the largest tiles with which it stays within about
// as many pixels as a large screen shows, so that a short collection is drawn larger.
constexpr int sheet_width_limit = 1600;
constexpr long sheet_pixel_limit = 1600L * 1600;
constexpr int margin = 16;          // around the boards, and between them
constexpr int heading_height = 50;  // as the game's title bar
constexpr int label_height = 22;    // above each board

void fill(SDL_Surface* surface, int x, int y, int width, int height, Uint8 grey) {
    SDL_Rect area{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(width),
                  static_cast<Uint16>(height)};
    SDL_FillRect(surface, &area, SDL_MapRGB(surface->format, grey, grey, grey));
}

// The level as the game shows it before the first move, its top-left corner at (x, y).
void draw_level(SDL_Surface* surface, const TSkin& skin, const TLevel& level, int x, int y) {
    for (int row = 0; row < level.get_height(); ++row) {
        for (int column = 0; column < level.get_width(); ++column) {
            skin.draw_tile(tile_for_cell(level, column, row), surface,
                           x + column * skin.tile_width(), y + row * skin.tile_height());
        }
    }
    const int column = level.get_start_column();
    const int row = level.get_start_row();
    const Cell man = level.get_cell(column, row) == Cell::target ? Cell::man_on_target : Cell::man;
    skin.draw_tile(static_cast<int>(man), surface, x + column * skin.tile_width(),
                   y + row * skin.tile_height());
}

int text_width(TFont& font, const std::string& text) {
    int width = 0, height = 0;
    return TTF_SizeText(font.font, text.c_str(), &width, &height) == 0 ? width : 0;
}

// "12 Coal Hole", or the number alone when the title would be wider than the board's cell.
std::string label_for(TFont& font, const TLevel& level, int cell_width) {
    const std::string number = std::to_string(level.get_number());
    std::string title = level.get_title();
    if (!title.empty() && title[0] == '\'') title.erase(0, 1);
    const std::string label = title.empty() ? number : number + "  " + title;
    return text_width(font, label) <= cell_width ? label : number;
}

// The boards in rows of equal cells, as many to a row as the width allows.
struct Layout {
    int cell_width = 0, cell_height = 0, columns = 1, width = 0, height = 0;
};

Layout layout_for(int count, int board_width, int board_height) {
    Layout layout;
    layout.cell_width = board_width;
    layout.cell_height = label_height + board_height;
    layout.columns =
        std::max(1, std::min(count, (sheet_width_limit - margin) / (layout.cell_width + margin)));
    const int rows = (count + layout.columns - 1) / layout.columns;
    layout.width = margin + layout.columns * (layout.cell_width + margin);
    layout.height = heading_height + margin + rows * (layout.cell_height + margin);
    return layout;
}

}  // namespace

SDL_Surface* draw_contact_sheet(const TLevelCollection& collection, const SheetArt& art,
                                const SDL_PixelFormat* format) {
    int widest = 1, tallest = 1;
    for (int32_t index = 0; index < collection.level_count(); ++index) {
        if (const TLevel* level = collection.get_level(index)) {
            widest = std::max<int>(widest, level->get_width());
            tallest = std::max<int>(tallest, level->get_height());
        }
    }
    const int count = std::max(1, static_cast<int>(collection.level_count()));
    int chosen = art.skin_count - 1;
    for (int i = 0; i < art.skin_count; ++i) {
        const Layout trial = layout_for(count, widest * art.skins[i].tile_width(),
                                        tallest * art.skins[i].tile_height());
        if (trial.width <= sheet_width_limit &&
            long(trial.width) * trial.height <= sheet_pixel_limit) {
            chosen = i;
            break;
        }
    }
    const TSkin& skin = art.skins[chosen];
    const Layout layout =
        layout_for(count, widest * skin.tile_width(), tallest * skin.tile_height());
    // SDL 1.2 places blits at 16-bit positions.
    if (layout.height > INT16_MAX) return nullptr;

    SDL_Surface* sheet = SDL_CreateRGBSurface(SDL_SWSURFACE, layout.width, layout.height, 32,
                                              format->Rmask, format->Gmask, format->Bmask, 0);
    if (sheet == nullptr) return nullptr;
    draw_background(sheet, art.background, heading_height, 0);
    fill(sheet, 0, 0, layout.width, heading_height, 0);
    art.heading_font->draw_blended(sheet, margin, 0, collection.get_name().c_str());
    const std::string tally = std::to_string(collection.level_count()) +
                              (collection.level_count() == 1 ? " level" : " levels");
    art.heading_font->draw_aligned(sheet, layout.width - margin, 0, grey, right, tally.c_str());

    for (int32_t index = 0; index < collection.level_count(); ++index) {
        const TLevel* level = collection.get_level(index);
        if (level == nullptr) continue;  // a level too small or too large to have a board
        const int left = margin + index % layout.columns * (layout.cell_width + margin);
        const int top =
            heading_height + margin + index / layout.columns * (layout.cell_height + margin);
        const std::string label = label_for(*art.label_font, *level, layout.cell_width);
        art.label_font->draw_aligned(sheet, left + layout.cell_width / 2, top, white, centre,
                                     label.c_str());
        // Each board sits in the middle of its cell.
        const int board_width = level->get_width() * skin.tile_width();
        const int board_height = level->get_height() * skin.tile_height();
        draw_level(sheet, skin, *level, left + (layout.cell_width - board_width) / 2,
                   top + label_height + (layout.cell_height - label_height - board_height) / 2);
    }
    return sheet;
}
