#pragma once

#include <SDL.h>

#include "gfx/font.h"
#include "gfx/skin.h"
#include "level/collection.h"

// What a contact sheet is drawn with: the game's skins (largest tiles first), its background
// texture (or null), a font for the heading and one for the level labels.
struct SheetArt {
    const TSkin* skins = nullptr;
    int skin_count = 0;
    SDL_Surface* background = nullptr;
    TFont* heading_font = nullptr;
    TFont* label_font = nullptr;
};

// Every level of a collection at its start, drawn small in rows under the collection's name,
// each labelled with its number and title: a new 32-bit surface in `format` (the caller frees
// it), or null when it cannot be made.
SDL_Surface* draw_contact_sheet(const TLevelCollection& collection, const SheetArt& art,
                                const SDL_PixelFormat* format);
