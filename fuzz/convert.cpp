// The level converter on any bytes, and the importer on what it makes of them: whatever the
// converter writes must be read by the game's importer without a single fault.
#include "fuzz_support.h"
#include "level/level_text_convert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConvertReport report;
    const std::string converted =
        convert_level_text(std::string_view(reinterpret_cast<const char*>(data), size), report);
    TLevelCollection collection;
    const int imported = import_quietly(collection, converted);
    FUZZ_CHECK(!report.error.empty() || imported == 0);
    return 0;
}
