#include "import/kvtml.h"

#include <pugixml.hpp>

#include <map>
#include <string>

#include "textfile/utf8.h"

namespace listimport {

namespace {

// pugixml's defaults without the document type declaration: entities a
// document declares stay unexpanded text, and nothing is fetched.
constexpr unsigned int kParseOptions = pugi::parse_default & ~pugi::parse_doctype;

std::u16string textOf(const char* utf8)
{
    std::u16string text;
    textfile::detail::DecodeUtf8(utf8, text);
    return text;
}

std::u16string childText(const pugi::xml_node& node, const char* name)
{
    return textOf(node.child(name).child_value());
}

// A translation's or identifier's number, or -1.
long idOf(const pugi::xml_node& node)
{
    const pugi::xml_attribute id = node.attribute("id");
    if (!id)
        return -1;
    const long value = id.as_int(-1);
    return value >= 0 && value < 1000 ? value : -1;
}

void readVersion2(const pugi::xml_node& root, Source& source)
{
    source.format = Format::Kvtml2;
    std::map<long, std::size_t> columnOf;
    for (const pugi::xml_node& identifier : root.child("identifiers").children("identifier")) {
        const long id = idOf(identifier);
        if (id < 0 || columnOf.contains(id))
            continue;
        columnOf[id] = source.columns.size();
        std::u16string name = childText(identifier, "name");
        if (name.empty())
            name = childText(identifier, "locale");
        source.columns.push_back(name);
    }
    for (const pugi::xml_node& entry : root.child("entries").children("entry")) {
        Record record;
        record.fields.resize(source.columns.size());
        std::u16string onlyComment;
        std::size_t sides = 0;
        for (const pugi::xml_node& translation : entry.children("translation")) {
            const long id = idOf(translation);
            if (id < 0)
                continue;
            if (!columnOf.contains(id)) {  // a language the identifiers do not name
                columnOf[id] = source.columns.size();
                source.columns.emplace_back();
                record.fields.resize(source.columns.size());
            }
            std::u16string text = childText(translation, "text");
            if (text.empty())
                continue;
            ++sides;
            onlyComment = childText(translation, "comment");
            record.fields[columnOf[id]] = std::move(text);
        }
        if (sides == 1)
            record.clue = std::move(onlyComment);
        source.records.push_back(std::move(record));
    }
}

void readVersion1(const pugi::xml_node& root, Source& source)
{
    source.format = Format::Kvtml1;
    source.columns = {{}, {}};
    bool named = false;
    for (const pugi::xpath_node& found : root.select_nodes(".//e")) {
        const pugi::xml_node entry = found.node();
        Record record;
        record.fields = {childText(entry, "o"), childText(entry, "t")};
        if (!named) {
            source.columns = {textOf(entry.child("o").attribute("l").value()),
                              textOf(entry.child("t").attribute("l").value())};
            named = true;
        }
        source.records.push_back(std::move(record));
    }
}

}  // namespace

Source readKvtml(std::string_view bytes)
{
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(bytes.data(), bytes.size(), kParseOptions);
    if (!parsed)
        throw ImportError(ImportError::Kind::BrokenXml,
                          std::string(parsed.description()) + " at byte " + std::to_string(parsed.offset));
    const pugi::xml_node root = document.child("kvtml");
    if (!root)
        throw ImportError(ImportError::Kind::NotKvtml, "the XML document is no kvtml file");
    Source source;
    source.encoding = 65001;
    const std::string version = root.attribute("version").value();
    if (version.starts_with("2") || root.child("entries"))
        readVersion2(root, source);
    else
        readVersion1(root, source);
    return source;
}

}  // namespace listimport
