#pragma once

// The tutorial and the two smallest collections we ship: 98 levels, each proven in well under a
// second. The tests that prove or search levels take these, not the whole library.
inline const char* const first_collections[] = {"default", "Nooks", "Pantries"};
