// The level converter on any bytes, and the importer on what it makes of them.
#include "fuzz_support.h"
#include "solver/level_text_convert.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConvertChanges changes;
    const std::string converted =
        convert_level_text(std::string(reinterpret_cast<const char*>(data), size), changes);
    changes.describe();
    TLevelCollection collection;
    import_quietly(collection, converted);
    return 0;
}
