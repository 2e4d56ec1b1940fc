#pragma once

#include <string>

class TiXmlDocument;

// The text of the score file for a document built from the store: the declaration line, then
// every element on a line of its own, indented four spaces per level of nesting, values in
// double quotes, childless elements closed by " />", and a line feed after every line. Only
// the declaration and elements are printed: the store builds nothing else.
std::string print_score_document(const TiXmlDocument& document);
