#include "level/collection_scan.h"

#include <dirent.h>
#include <sys/stat.h>

CollectionScan scan_collections(const std::string& directory) {
    CollectionScan scan;
    scan.spare = std::make_unique<TLevelCollection>();
    DIR* listing = opendir(directory.c_str());
    if (listing == nullptr) return scan;
    while (const dirent* entry = readdir(listing)) {
        // Once the list is full, later files are not even read, so they cannot report faults.
        if (static_cast<int>(scan.collections.size()) >= max_collections) break;
        const std::string entry_name = entry->d_name;
        struct stat status;
        // stat follows links: a link to a file is imported under the link's name, a link to
        // nowhere fails here and is passed over with directories and devices.
        if (stat((directory + entry_name).c_str(), &status) != 0) continue;
        if (!S_ISREG(status.st_mode)) continue;
        if (scan.spare->import(directory, entry_name) != 0) continue;
        if (entry_name == "default") scan.default_collection = scan.spare.get();
        scan.collections.push_back(std::move(scan.spare));
        scan.spare = std::make_unique<TLevelCollection>();
    }
    closedir(listing);
    return scan;
}
