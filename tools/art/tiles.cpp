#include "tiles.h"

#include <algorithm>
#include <cmath>

#include "level/cell.h"

namespace {

// One palette for the whole set: cool slate for the building, warm wood for the boxes, coral
// for the targets, green for a box that is home, blue for the man.
const Rgb floor_colour = rgb(58, 63, 77);
const Rgb grout_colour = rgb(32, 34, 43);
const Rgb target_colour = rgb(240, 88, 74);
const Rgb wall_colour = rgb(104, 117, 150);
const Rgb outline_colour = rgb(18, 20, 28);

struct BoxPalette {
    Rgb frame, panel, edge;
};
const BoxPalette wooden_box{rgb(170, 104, 42), rgb(218, 154, 76), rgb(70, 38, 14)};
const BoxPalette box_at_home{rgb(36, 156, 96), rgb(104, 224, 148), rgb(10, 58, 34)};
const Rgb home_glow = rgb(110, 240, 160);

// Lines never get thinner than a fraction of a pixel, or they vanish on the 12-pixel tiles.
float line(float wanted, float pixel, float least_pixels) {
    return std::max(wanted, least_pixels * pixel);
}

Rgb floor_picture(float u, float v, float pixel) {
    const float grout = line(0.02f, pixel, 0.5f);
    const float edge = std::min(std::min(u, v), std::min(1 - u, 1 - v));
    if (edge < grout) return grout_colour;
    // Periodic over one tile, so neighbouring floor tiles meet without a seam in the texture.
    const float grain =
        0.6f * periodic_noise(u * 4, v * 4, 4, 11) + 0.4f * periodic_noise(u * 8, v * 8, 8, 12);
    Rgb colour = mix(darken(floor_colour, 0.1f), lighten(floor_colour, 0.05f), grain);
    // A soft raised slab: lit from the top left.
    const float bevel = line(0.07f, pixel, 1.0f);
    if (std::min(u, v) < grout + bevel) colour = lighten(colour, 0.06f);
    if (std::min(1 - u, 1 - v) < grout + bevel) colour = darken(colour, 0.12f);
    return colour;
}

Rgb target_picture(float u, float v, float pixel) {
    Rgb colour = floor_picture(u, v, pixel);
    const float distance = std::hypot(u - 0.5f, v - 0.5f);
    colour = mix(colour, target_colour, 0.3f * (1 - smoothstep(0.12f, 0.48f, distance)));
    const float ring_inner = 0.255f;
    const float ring_outer = ring_inner + line(0.11f, pixel, 1.3f);
    if (distance > ring_inner && distance < ring_outer) {
        // Lit from the top left, like everything else.
        const float light = 0.5f - 0.5f * ((u - 0.5f) + (v - 0.5f)) / distance * 0.7f;
        return mix(darken(target_colour, 0.15f), lighten(target_colour, 0.3f), light);
    }
    if (distance < line(0.085f, pixel, 0.7f)) return lighten(target_colour, 0.35f);
    return colour;
}

// A distance to the man's figure: head, body, arms and legs.
float man_distance(float u, float v) {
    const float head = circle_distance(u, v, 0.5f, 0.26f, 0.15f);
    const float body = rounded_box_distance(u, v, 0.5f, 0.56f, 0.17f, 0.16f, 0.08f);
    const float arms = std::min(rounded_box_distance(u, v, 0.3f, 0.57f, 0.055f, 0.14f, 0.05f),
                                rounded_box_distance(u, v, 0.7f, 0.57f, 0.055f, 0.14f, 0.05f));
    const float legs = std::min(rounded_box_distance(u, v, 0.42f, 0.78f, 0.07f, 0.11f, 0.05f),
                                rounded_box_distance(u, v, 0.58f, 0.78f, 0.07f, 0.11f, 0.05f));
    return std::min(std::min(head, body), std::min(arms, legs));
}

Rgb with_man(Rgb under, float u, float v, float pixel) {
    const float shadow = std::hypot((u - 0.5f) / 0.27f, (v - 0.89f) / 0.07f) - 1;
    under = darken(under, 0.5f * (1 - smoothstep(-0.3f, 0.6f, shadow)));
    const float distance = man_distance(u, v);
    const float outline = line(0.03f, pixel, 0.6f);
    if (distance > outline) return under;
    if (distance > 0) return outline_colour;

    // Soft round shading: each part lighter towards its upper left.
    if (circle_distance(u, v, 0.5f, 0.26f, 0.15f) <= 0) {
        if (v < 0.19f || (v < 0.24f && std::fabs(u - 0.5f) > 0.11f)) {
            return mix(rgb(120, 78, 44), rgb(70, 42, 22), (v - 0.11f) / 0.14f);  // hair
        }
        const bool eye = circle_distance(u, v, 0.445f, 0.28f, 0.024f) < 0 ||
                         circle_distance(u, v, 0.555f, 0.28f, 0.024f) < 0;
        if (eye) return outline_colour;
        const float light = std::hypot(u - 0.45f, v - 0.22f) / 0.2f;
        return mix(rgb(255, 222, 188), rgb(214, 160, 120), light);
    }
    if (v > 0.7f && std::fabs(u - 0.5f) < 0.15f) {
        return mix(rgb(60, 74, 128), rgb(32, 40, 80), (v - 0.7f) / 0.19f);  // trousers
    }
    const float light = clamp01(std::hypot(u - 0.4f, v - 0.42f) / 0.35f);
    return mix(rgb(96, 170, 255), rgb(36, 86, 196), light);  // shirt and sleeves
}

Rgb with_box(Rgb under, float u, float v, float pixel, const BoxPalette& palette) {
    const float half = 0.38f;
    const float shadow = rounded_box_distance(u, v, 0.54f, 0.56f, half, half, 0.08f);
    under = darken(under, 0.55f * (1 - smoothstep(-0.04f, 0.08f, shadow)));
    const float distance = rounded_box_distance(u, v, 0.5f, 0.5f, half, half, 0.07f);
    const float outline = line(0.03f, pixel, 0.6f);
    if (distance > 0) return under;
    if (distance > -outline) return palette.edge;

    const float light = clamp01(0.5f - 0.9f * ((u - 0.5f) + (v - 0.5f)) / 2 / half);
    const float frame = line(0.09f, pixel, 1.2f);
    const float panel_half = half - outline - frame;
    const bool in_panel = std::fabs(u - 0.5f) < panel_half && std::fabs(v - 0.5f) < panel_half;
    const float seam = line(0.012f, pixel, 0.45f);
    if (!in_panel) {
        // The frame's inner edge casts a thin dark line onto the panel's rim.
        const bool rim =
            std::fabs(u - 0.5f) < panel_half + seam && std::fabs(v - 0.5f) < panel_half + seam;
        if (rim) return palette.edge;
        return mix(darken(palette.frame, 0.15f), lighten(palette.frame, 0.25f), light);
    }
    // A diagonal brace from the lower left to the upper right, edged like the frame.
    const float across = std::fabs((u - 0.5f) + (v - 0.5f)) / std::sqrt(2.0f);
    const float brace = line(0.065f, pixel, 0.8f);
    if (across < brace) {
        if (across > brace - seam) return palette.edge;
        return mix(darken(palette.frame, 0.1f), lighten(palette.frame, 0.3f), light);
    }
    // Three planks with wood grain running along them.
    const float plank = (v - (0.5f - panel_half)) / (2 * panel_half) * 3;
    if (std::fabs(plank - std::round(plank)) * (2 * panel_half) / 3 < seam && plank > 0.5f &&
        plank < 2.5f) {
        return darken(palette.panel, 0.35f);
    }
    const float grain = periodic_noise(u * 3, v * 28, 3, 21);
    const Rgb panel = mix(palette.panel, darken(palette.panel, 0.12f), grain);
    return mix(darken(panel, 0.12f), lighten(panel, 0.12f), light);
}

Rgb with_home_glow(Rgb under, float u, float v) {
    const float distance = rounded_box_distance(u, v, 0.5f, 0.5f, 0.38f, 0.38f, 0.07f);
    return mix(under, home_glow, 0.7f * (1 - smoothstep(0.0f, 0.12f, distance)));
}

// A stone wall of two courses of bricks. A side joined to the next wall piece has no bevel
// and no edge, and its bricks run on, so a horizontal run reads as one wall.
Rgb wall_picture(float u, float v, float pixel, bool joined_left, bool joined_right) {
    const float mortar = line(0.022f, pixel, 0.5f);
    const float bevel = line(0.085f, pixel, 1.4f);
    const float edge = line(0.022f, pixel, 0.6f);
    const float open = 2;  // a joined side is far from any edge
    const float top = v;
    const float bottom = 1 - v;
    const float left = joined_left ? open : u;
    const float right = joined_right ? open : 1 - u;
    const float nearest = std::min(std::min(top, bottom), std::min(left, right));
    if (nearest < edge) return outline_colour;

    const float grain = 0.65f * periodic_noise(u * 4, v * 4, 4, 31) +
                        0.35f * periodic_noise(u * 10, v * 10, 10, 32);
    Rgb colour = mix(darken(wall_colour, 0.12f), lighten(wall_colour, 0.06f), grain);
    const bool upper_course = v < 0.5f;
    const float course_v = upper_course ? v / 0.5f : (v - 0.5f) / 0.5f;
    // Each brick slightly rounded: light on its upper part, shade on its lower part.
    colour = mix(lighten(colour, 0.08f), darken(colour, 0.14f), course_v);

    const bool bed_joint = std::fabs(v - 0.5f) < mortar;
    const bool head_joint = upper_course
                                ? std::fabs(u - 0.5f) < mortar
                                : (joined_left && u < mortar) || (joined_right && 1 - u < mortar);
    if (bed_joint || head_joint) colour = darken(wall_colour, 0.5f);

    if (nearest < bevel) {
        if (nearest == top) return lighten(colour, 0.32f);
        if (nearest == left) return lighten(colour, 0.18f);
        if (nearest == right) return darken(colour, 0.28f);
        return darken(colour, 0.38f);
    }
    return colour;
}

}  // namespace

Rgb tile_picture(int code, float u, float v, float pixel) {
    switch (static_cast<Cell>(code)) {
        case Cell::floor:
            return floor_picture(u, v, pixel);
        case Cell::target:
            return target_picture(u, v, pixel);
        case Cell::box:
            return with_box(floor_picture(u, v, pixel), u, v, pixel, wooden_box);
        case Cell::box_on_target:
            // The glow, not the hidden ring, says the box is home.
            return with_box(with_home_glow(floor_picture(u, v, pixel), u, v), u, v, pixel,
                            box_at_home);
        case Cell::man:
            return with_man(floor_picture(u, v, pixel), u, v, pixel);
        case Cell::man_on_target:
            return with_man(target_picture(u, v, pixel), u, v, pixel);
        case Cell::wall:
            return wall_picture(u, v, pixel, false, false);
        case Cell::wall_join_right:
            return wall_picture(u, v, pixel, false, true);
        case Cell::wall_join_both:
            return wall_picture(u, v, pixel, true, true);
        case Cell::wall_join_left:
            return wall_picture(u, v, pixel, true, false);
        default:
            return {};
    }
}
