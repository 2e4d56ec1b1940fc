#include "level_file_reading.h"

#include <filesystem>
#include <fstream>
#include <sstream>

bool read_level_file(const std::string& path, std::string& text) {
    std::error_code status_error;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream read;
    if (!std::filesystem::is_regular_file(path, status_error) || !in ||
        !(read << in.rdbuf() || in.peek() == std::ifstream::traits_type::eof()))
        return false;
    text = read.str();
    return true;
}
