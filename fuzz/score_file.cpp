// The score file reader on any bytes. Whatever it accepts is written, read back and written
// again: the second file must hold the same bytes as the first.
#include "fuzz_support.h"
#include "score/high_score.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string input = scratch_file("scores.xml");
    static const std::string first = scratch_file("first.xml");
    static const std::string second = scratch_file("second.xml");
    write_file(input, std::string(reinterpret_cast<const char*>(data), size));
    THighScore store;
    if (!store.read_from_file(input)) return 0;
    FUZZ_CHECK(store.write_to_file(first));
    THighScore again;
    FUZZ_CHECK(again.read_from_file(first));
    FUZZ_CHECK(again.write_to_file(second));
    FUZZ_CHECK(read_file(first) == read_file(second));
    return 0;
}
