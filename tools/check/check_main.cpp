// pushwell-check: proves the levels of level files, converts a level file to the game's format,
// or imports level files into the player's collections. See check_usage() for the command line.
#include <iostream>
#include <string>
#include <vector>

#include "check_options.h"
#include "import_collection.h"
#include "level_check.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    CheckOptions options;
    std::string error;
    if (!parse_check_options(arguments, options, error)) {
        std::cerr << "pushwell-check: " << error << "\n\n" << check_usage();
        return 2;
    }
    if (options.help) {
        std::cout << check_usage();
        return 0;
    }
    if (options.import) {
        const ImportPlaces places = import_places(options.files[0], options.files[1]);
        bool all_whole = true;
        for (size_t i = 2; i < options.files.size(); ++i) {
            const ImportResult result = import_collection(places, options.files[i]);
            (result.imported ? std::cout : std::cerr) << result.line << std::endl;
            all_whole = result.complete && all_whole;
        }
        return all_whole ? 0 : 1;
    }
    if (options.convert) {
        return convert_level_file(options.files[0], options.files[1], std::cout, std::cerr) ? 0 : 1;
    }
    return check_level_files(options.files, options, std::cout, std::cerr) ? 0 : 1;
}
