#pragma once

// The small toolbox the art is painted with: colours, shape distances and tileable noise.
// Everything works in tile units (0..1 across a tile), so one design serves every tile size.

struct Rgb {
    float r = 0, g = 0, b = 0;
};

// A colour from 8-bit channels.
Rgb rgb(int r, int g, int b);
Rgb mix(Rgb from, Rgb to, float amount);
Rgb lighten(Rgb colour, float amount);  // towards white
Rgb darken(Rgb colour, float amount);   // towards black

float clamp01(float value);
float smoothstep(float edge0, float edge1, float value);

// Signed distances: negative inside the shape, positive outside.
float circle_distance(float u, float v, float centre_u, float centre_v, float radius);
float rounded_box_distance(float u, float v, float centre_u, float centre_v, float half_width,
                           float half_height, float radius);

// Smooth value noise in 0..1 that repeats every `period` units in both directions, so a
// texture made of it tiles without seams. `seed` picks an independent pattern.
float periodic_noise(float u, float v, int period, unsigned seed);
