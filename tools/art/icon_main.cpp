// Draws the game's desktop icon at every size of the hicolor theme:
// pushwell-icons <directory> writes <directory>/<N>x<N>/apps/pushwell.png.
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "level/cell.h"
#include "paint.h"
#include "png.h"
#include "tiles.h"

namespace {

// One wooden box on the game's floor, in a rounded square that is transparent outside. Each
// pixel averages samples x samples points; the share of points inside the square is its alpha.
std::vector<uint8_t> draw_icon(int size) {
    const int samples = 4;
    const float pixel = 1.0f / size;
    std::vector<uint8_t> rgba;
    rgba.reserve(size_t(size) * size * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgb sum;
            int inside = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const float u = (x + (sx + 0.5f) / samples) * pixel;
                    const float v = (y + (sy + 0.5f) / samples) * pixel;
                    if (rounded_box_distance(u, v, 0.5f, 0.5f, 0.5f, 0.5f, 0.18f) > 0) continue;
                    // The tile is drawn a little larger than the square so the box fills it.
                    const Rgb colour =
                        tile_picture(static_cast<int>(Cell::box), (u - 0.5f) * 0.92f + 0.5f,
                                     (v - 0.5f) * 0.92f + 0.5f, pixel);
                    sum.r += colour.r;
                    sum.g += colour.g;
                    sum.b += colour.b;
                    ++inside;
                }
            }
            const float share = inside ? 1.0f / inside : 0.0f;
            for (float channel : {sum.r * share, sum.g * share, sum.b * share}) {
                rgba.push_back(static_cast<uint8_t>(std::lround(clamp01(channel) * 255)));
            }
            rgba.push_back(static_cast<uint8_t>(inside * 255 / (samples * samples)));
        }
    }
    return rgba;
}

bool make_directory(const std::string& path) {
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pushwell-icons <directory>\n");
        return 2;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::string folder = std::string(argv[1]) + "/" + name;
        const std::string path = folder + "/apps/pushwell.png";
        if (!make_directory(argv[1]) || !make_directory(folder) ||
            !make_directory(folder + "/apps") ||
            !write_png_rgba(draw_icon(size), size, size, path)) {
            std::fprintf(stderr, "pushwell-icons: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
