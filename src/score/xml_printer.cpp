#include "score/xml_printer.h"

#include <tinyxml.h>

#include "score/xml_name.h"

namespace {

void print_attribute(const std::string& name, const std::string& value, std::string& out) {
    out += ' ';
    out += name;
    out += "=\"";
    out += escape_attribute_value(value);
    out += '"';
}

void print_declaration(const TiXmlDeclaration& declaration, std::string& out) {
    out += "<?xml";
    if (*declaration.Version()) print_attribute("version", declaration.Version(), out);
    if (*declaration.Encoding()) print_attribute("encoding", declaration.Encoding(), out);
    if (*declaration.Standalone()) print_attribute("standalone", declaration.Standalone(), out);
    out += " ?>\n";
}

void print_element(const TiXmlElement& element, int depth, std::string& out) {
    const std::string indent(4 * depth, ' ');
    out += indent;
    out += '<';
    out += element.Value();
    for (const TiXmlAttribute* attribute = element.FirstAttribute(); attribute;
         attribute = attribute->Next()) {
        print_attribute(attribute->NameTStr(), attribute->ValueStr(), out);
    }
    if (!element.FirstChildElement()) {
        out += " />\n";
        return;
    }
    out += ">\n";
    for (const TiXmlElement* child = element.FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        print_element(*child, depth + 1, out);
    }
    out += indent;
    out += "</";
    out += element.Value();
    out += ">\n";
}

}  // namespace

std::string print_score_document(const TiXmlDocument& document) {
    std::string out;
    for (const TiXmlNode* node = document.FirstChild(); node; node = node->NextSibling()) {
        if (const TiXmlDeclaration* declaration = node->ToDeclaration()) {
            print_declaration(*declaration, out);
        } else if (const TiXmlElement* element = node->ToElement()) {
            print_element(*element, 0, out);
        }
    }
    return out;
}
