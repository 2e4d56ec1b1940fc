#include "sheets.h"

#include "level/cell.h"
#include "tiles.h"

namespace {

constexpr int sheet_columns = 6;
constexpr int sheet_rows = 2;

// Enough samples that even the 12-pixel tiles average about a hundred points per pixel.
int samples_for(int tile_size) {
    return tile_size >= 30 ? 6 : 10;
}

}  // namespace

Raster draw_skin_sheet(int tile_size) {
    Raster sheet(sheet_columns * tile_size, sheet_rows * tile_size);
    const Cell layout[sheet_rows][sheet_columns] = {
        {Cell::floor, Cell::target, Cell::box, Cell::box_on_target, Cell::man, Cell::man_on_target},
        {Cell::wall, Cell::wall_join_right, Cell::wall_join_both, Cell::wall_join_left,
         Cell::outside, Cell::outside}};
    const float pixel = 1.0f / tile_size;
    for (int row = 0; row < sheet_rows; ++row) {
        for (int column = 0; column < sheet_columns; ++column) {
            const int code = static_cast<int>(layout[row][column]);
            paint_square(
                sheet, column * tile_size, row * tile_size, tile_size, samples_for(tile_size),
                [code, pixel](float u, float v) { return tile_picture(code, u, v, pixel); });
        }
    }
    return sheet;
}

Raster draw_background_texture(int size) {
    Raster texture(size, size);
    const Rgb deep = rgb(15, 17, 23);
    const Rgb light = rgb(28, 31, 40);
    // Whole periods of noise across the square make its edges meet their opposites.
    paint_square(texture, 0, 0, size, 3, [deep, light](float u, float v) {
        const float cloud = 0.55f * periodic_noise(u * 4, v * 4, 4, 41) +
                            0.3f * periodic_noise(u * 9, v * 9, 9, 42) +
                            0.15f * periodic_noise(u * 23, v * 23, 23, 43);
        return mix(deep, light, smoothstep(0.2f, 0.8f, cloud));
    });
    return texture;
}
