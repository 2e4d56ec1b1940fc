#include "level_file_reading.h"

#include <filesystem>

#include "level/text_file.h"

bool read_level_file(const std::string& path, std::string& text) {
    // Not a regular file (a directory, a device that never ends): nothing to convert.
    std::error_code status_error;
    return std::filesystem::is_regular_file(path, status_error) && read_text_file(path, text);
}
