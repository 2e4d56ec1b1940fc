#include "paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

Rgb rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}

Rgb mix(Rgb from, Rgb to, float amount) {
    const float t = clamp01(amount);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t};
}

Rgb lighten(Rgb colour, float amount) {
    return mix(colour, {1, 1, 1}, amount);
}
Rgb darken(Rgb colour, float amount) {
    return mix(colour, {0, 0, 0}, amount);
}

float clamp01(float value) {
    return std::min(1.0f, std::max(0.0f, value));
}

float smoothstep(float edge0, float edge1, float value) {
    const float t = clamp01((value - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

float circle_distance(float u, float v, float centre_u, float centre_v, float radius) {
    return std::hypot(u - centre_u, v - centre_v) - radius;
}

float rounded_box_distance(float u, float v, float centre_u, float centre_v, float half_width,
                           float half_height, float radius) {
    const float du = std::fabs(u - centre_u) - (half_width - radius);
    const float dv = std::fabs(v - centre_v) - (half_height - radius);
    const float outside = std::hypot(std::max(du, 0.0f), std::max(dv, 0.0f));
    const float inside = std::min(std::max(du, dv), 0.0f);
    return outside + inside - radius;
}

namespace {

// A well-mixed hash of a lattice point, in 0..1.
float lattice_value(int x, int y, unsigned seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x8da6b343u ^ static_cast<uint32_t>(y) * 0xd8163841u ^
                 seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffu) / 65535.0f;
}

int wrap(int value, int period) {
    return ((value % period) + period) % period;
}

}  // namespace

float periodic_noise(float u, float v, int period, unsigned seed) {
    const float fu = std::floor(u);
    const float fv = std::floor(v);
    const int x0 = wrap(static_cast<int>(fu), period);
    const int y0 = wrap(static_cast<int>(fv), period);
    const int x1 = wrap(x0 + 1, period);
    const int y1 = wrap(y0 + 1, period);
    const float tu = smoothstep(0, 1, u - fu);
    const float tv = smoothstep(0, 1, v - fv);
    const float top = lattice_value(x0, y0, seed) * (1 - tu) + lattice_value(x1, y0, seed) * tu;
    const float bottom = lattice_value(x0, y1, seed) * (1 - tu) + lattice_value(x1, y1, seed) * tu;
    return top * (1 - tv) + bottom * tv;
}
