#include "score/high_score.h"

#include <sys/stat.h>
#include <tinyxml.h>

#include <algorithm>
#include <cstring>

#include "file/atomic_file.h"
#include "score/score_text.h"
#include "score/xml_name.h"
#include "score/xml_printer.h"

bool ByteOrder::operator()(const std::string& a, const std::string& b) const {
    // memcmp compares bytes as unsigned values; on a tie the shorter name comes first.
    const int order = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    return order != 0 ? order < 0 : a.size() < b.size();
}

bool THighScore::get_score(const std::string& collection, int32_t level, TScore& score) const {
    const auto found = store.find(collection);
    return found != store.end() && found->second->get_score(level, score);
}

void THighScore::set_score(const std::string& collection, int32_t level, const TScore& score) {
    std::unique_ptr<TCollectionScore>& entry = store[collection];
    if (!entry) entry = std::make_unique<TCollectionScore>();
    entry->set_score(level, score);
}

int THighScore::read_from_file(const std::string& file_name) {
    // Read by us and checked before the parser sees it: a damaged file must not make the
    // parser read past its buffer or recurse without end. Only a regular file is read: a pipe
    // of that name would keep the game waiting.
    struct stat status;
    if (stat(file_name.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return 0;
    std::string text;
    if (!read_score_text(file_name, text)) return 0;
    TiXmlDocument document;
    if (!parse_score_text(document, &text[0], text.size() - score_text_padding)) return 0;

    // Collected apart and entered only at the end, so that the store stays as it was should
    // the file turn out unusable.
    std::map<std::string, std::unique_ptr<TCollectionScore>, ByteOrder> loaded;
    for (const TiXmlNode* node = document.FirstChild("Collection"); node;
         node = node->NextSibling("Collection")) {
        // A comment whose text is "Collection" answers to the name too.
        const TiXmlElement* element = node->ToElement();
        if (!element) continue;
        const char* name = element->Attribute("name");
        if (!name || !*name) continue;
        auto collection = std::make_unique<TCollectionScore>();
        collection->read_from_file(*element);
        // A later element of the same name replaces the earlier one whole.
        loaded[restore_name_bytes(name)] = std::move(collection);
    }
    for (auto& [name, collection] : loaded) store[name] = std::move(collection);
    return 1;
}

int THighScore::write_to_file(const std::string& file_name) const {
    TiXmlDocument document;
    document.InsertEndChild(TiXmlDeclaration("1.0", "UTF-8", ""));
    for (const auto& [name, collection] : store) {
        // Named after insertion: the parser's copy of an element would cut a name at a NUL.
        TiXmlElement* element = document.InsertEndChild(TiXmlElement("Collection"))->ToElement();
        element->SetAttribute("name", name);
        collection->write_to_file(*element);
    }
    // The document is printed by our own loop: the parser's printer switches to single quotes
    // for some names and cannot write bytes that are not UTF-8 so that they read back.
    return write_file_atomically(file_name, print_score_document(document)) ? 1 : 0;
}
