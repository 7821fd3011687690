#include "import/kvtml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
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

// The text an element holds itself, without that of the elements inside it
// (kvtml 1.0 puts a word's conjugation or comparison before the word).
std::u16string ownText(const pugi::xml_node& element)
{
    std::u16string text;
    for (const pugi::xml_node& part : element.children())
        if (part.type() == pugi::node_pcdata || part.type() == pugi::node_cdata)
            text += textOf(part.value());
    return text;
}

std::u16string childText(const pugi::xml_node& node, const char* name) { return ownText(node.child(name)); }

// Older writers spell the document type declaration in lower case, which XML
// does not allow; it is only skipped, so its keyword is put right first.
std::string withDoctypeKeyword(std::string_view bytes)
{
    std::string fixed(bytes);
    const std::size_t prolog = std::min<std::size_t>(fixed.size(), 4096);
    for (std::size_t at = fixed.find("<!", 0); at != std::string::npos && at + 9 <= prolog;
         at = fixed.find("<!", at + 2)) {
        std::string keyword = fixed.substr(at + 2, 7);
        for (char& c : keyword)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (keyword == "DOCTYPE") {
            fixed.replace(at + 2, 7, keyword);
            break;
        }
    }
    return fixed;
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
    bool named = false;
    // The entries are the document's own <e> elements; the articles and
    // conjugations have <e> elements of their own.
    for (const pugi::xml_node& entry : root.children("e")) {
        Record record;
        record.fields.push_back(childText(entry, "o"));
        for (const pugi::xml_node& translation : entry.children("t"))
            record.fields.push_back(ownText(translation));
        if (!named) {
            source.columns.push_back(textOf(entry.child("o").attribute("l").value()));
            for (const pugi::xml_node& translation : entry.children("t"))
                source.columns.push_back(textOf(translation.attribute("l").value()));
            named = true;
        }
        source.columns.resize(std::max(source.columns.size(), record.fields.size()));
        source.records.push_back(std::move(record));
    }
    source.columns.resize(std::max<std::size_t>(source.columns.size(), 2));
}

}  // namespace

Source readKvtml(std::string_view bytes)
{
    pugi::xml_document document;
    const std::string fixed = withDoctypeKeyword(bytes);
    const pugi::xml_parse_result parsed = document.load_buffer(fixed.data(), fixed.size(), kParseOptions);
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
