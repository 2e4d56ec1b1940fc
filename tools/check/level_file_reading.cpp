#include "level_file_reading.h"

#include <cerrno>
#include <filesystem>

#include "level/text_file.h"

std::string read_level_file(const std::string& path, std::string& text) {
    // Not a regular file (a directory, a device that never ends): nothing to convert.
    std::error_code status_error;
    if (!std::filesystem::is_regular_file(path, status_error)) return "cannot be read";
    const Outcome<int> read = read_text_file(path, text);
    if (read) return "";
    return read.error() == EFBIG ? read.words() : "cannot be read";
}
