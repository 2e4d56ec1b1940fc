#include "score/score.h"

#include <tinyxml.h>

#include <string>

#include "score/xml_number.h"

bool is_new_best(const TScore& best, int32_t moves, int32_t pushes) {
    return best.moves == 0 || (moves <= best.moves && pushes <= best.pushes);
}

bool TCollectionScore::get_score(int32_t level, TScore& score) const {
    const auto found = scores.find(level);
    if (found == scores.end()) return false;
    score = found->second;
    return true;
}

void TCollectionScore::set_score(int32_t level, const TScore& score) {
    scores[level] = score;
}

int TCollectionScore::read_from_file(const TiXmlElement& element) {
    for (const TiXmlElement* level = element.FirstChildElement("Level"); level;
         level = level->NextSiblingElement("Level")) {
        const char* nr = level->Attribute("nr");
        const char* moves = level->Attribute("moves");
        const char* pushes = level->Attribute("pushes");
        // A level line missing one of its counts cannot be trusted as a best result.
        if (!nr || !moves || !pushes) continue;
        set_score(read_xml_int(nr), TScore{read_xml_int(moves), read_xml_int(pushes)});
    }
    return 1;
}

int TCollectionScore::write_to_file(TiXmlElement& element) const {
    for (const auto& [level, score] : scores) {
        TiXmlElement line("Level");
        line.SetAttribute("nr", level);
        line.SetAttribute("moves", score.moves);
        line.SetAttribute("pushes", score.pushes);
        element.InsertEndChild(line);
    }
    return 1;
}
