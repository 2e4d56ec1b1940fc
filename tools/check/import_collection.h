#pragma once

#include <string>
#include <string_view>

// Where `pushwell import` puts collections: the player's levels directory, the shipped one whose
// names stay the shipped collections', and the record of earlier imports. The record lives
// outside levels/, since the game reads every file there as a collection.
struct ImportPlaces {
    std::string levels;
    std::string shipped;
    std::string record;
};

// The places for a player's levels directory: the record is ".imported" beside it.
ImportPlaces import_places(const std::string& levels, const std::string& shipped);

// What importing one file did.
struct ImportResult {
    bool imported = false;  // a collection was written to the levels directory
    bool complete = false;  // every level of the file is in it
    std::string line;       // for the player: where it went, how many levels, what was left out
};

// Converts the collection file `file` into the player's levels directory, under the name the
// file gives its collection (else its file name without the extension). A name taken by a
// shipped collection or by a file of the player's gets " 2", " 3"...; the earlier import of the
// same file under that name is replaced.
ImportResult import_collection(const ImportPlaces& places, const std::string& file);

// A collection name made fit to be a file name and still read as the name: control characters
// dropped, blanks run together, '/' made '-', no leading '.', no more than 40 bytes (never
// cutting a character in two). Empty when nothing is left.
std::string collection_file_name(std::string_view wanted);
