#include "import/kvtml.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>

#include "textfile/utf8.h"
#include "textfile/windows1252.h"

namespace listimport {

namespace {

// pugixml's defaults without the document type declaration: entities a
// document declares stay unexpanded text, and nothing is fetched. Text beside
// the elements is kept, to tell a document from text that holds markup.
constexpr unsigned int kParseOptions = (pugi::parse_default & ~pugi::parse_doctype) | pugi::parse_fragment;

// How far into the file the XML declaration is looked for.
constexpr std::size_t kDeclarationBytes = 256;

// The encoding the XML declaration names, in lower case; empty when it names none.
std::string declaredEncoding(std::string_view bytes)
{
    const std::string_view head = bytes.substr(0, std::min(bytes.size(), kDeclarationBytes));
    if (!head.starts_with("<?xml"))
        return {};
    const std::string_view declaration = head.substr(0, head.find("?>"));
    std::size_t at = declaration.find("encoding");
    if (at == std::string_view::npos)
        return {};
    at = declaration.find_first_of("\"'", at);
    if (at == std::string_view::npos)
        return {};
    const std::size_t end = declaration.find(declaration[at], at + 1);
    std::string name(declaration.substr(at + 1, end == std::string_view::npos ? 0 : end - at - 1));
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// A file in one of the single-byte encodings of German and English texts, as
// UTF-8, which pugixml then reads; nothing for the encodings pugixml knows.
std::optional<std::string> asUtf8(std::string_view bytes, const std::string& encoding)
{
    std::u16string text;
    if (encoding == "windows-1252" || encoding == "cp1252" || encoding == "x-cp1252") {
        textfile::detail::DecodeWindows1252(bytes, text);
    } else if (encoding == "iso-8859-1" || encoding == "iso_8859-1" || encoding == "latin1" || encoding == "latin-1") {
        text.reserve(bytes.size());
        for (const char byte : bytes)
            text.push_back(static_cast<unsigned char>(byte));
    } else {
        return std::nullopt;
    }
    std::string utf8;
    utf8.reserve(bytes.size() + bytes.size() / 8);
    textfile::detail::AppendUtf8(text, utf8);
    return utf8;
}

// Whether the document is one element, with no text beside it.
bool isOneElement(const pugi::xml_document& document)
{
    std::size_t elements = 0;
    for (const pugi::xml_node& node : document.children()) {
        if (node.type() == pugi::node_element)
            ++elements;
        else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            return false;
    }
    return elements == 1;
}

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

void refuseTooManyColumns(const Source& source)
{
    if (source.columns.size() >= kMaxColumns)
        throw ImportError(ImportError::Kind::TooManyColumns,
                          "the file has more than " + std::to_string(kMaxColumns) + " languages");
}

void readVersion2(const pugi::xml_node& root, Source& source)
{
    source.format = Format::Kvtml2;
    std::map<long, std::size_t> columnOf;
    for (const pugi::xml_node& identifier : root.child("identifiers").children("identifier")) {
        const long id = idOf(identifier);
        if (id < 0 || columnOf.contains(id))
            continue;
        refuseTooManyColumns(source);
        columnOf[id] = source.columns.size();
        std::u16string name = childText(identifier, "name");
        if (name.empty())
            name = childText(identifier, "locale");
        source.columns.push_back(name);
    }
    for (const pugi::xml_node& entry : root.child("entries").children("entry")) {
        Record record;
        std::map<std::size_t, std::u16string> texts;  // by column
        std::u16string onlyComment;
        std::size_t sides = 0;
        for (const pugi::xml_node& translation : entry.children("translation")) {
            const long id = idOf(translation);
            if (id < 0)
                continue;
            if (!columnOf.contains(id)) {  // a language the identifiers do not name
                refuseTooManyColumns(source);
                columnOf[id] = source.columns.size();
                source.columns.emplace_back();
            }
            std::u16string text = childText(translation, "text");
            if (text.empty())
                continue;
            ++sides;
            onlyComment = childText(translation, "comment");
            texts[columnOf[id]] = std::move(text);
        }
        for (const auto& [column, text] : texts)
            record.fields.add(column, text);
        if (sides == 1)
            record.setClue(onlyComment);
        record.fields.shrink_to_fit();
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
        std::size_t width = 1;
        record.fields.add(0, childText(entry, "o"));
        for (const pugi::xml_node& translation : entry.children("t")) {
            if (width == kMaxColumns)
                throw ImportError(ImportError::Kind::TooManyColumns,
                                  "an entry has more than " + std::to_string(kMaxColumns) + " translations");
            record.fields.add(width++, ownText(translation));
        }
        if (!named) {
            source.columns.push_back(textOf(entry.child("o").attribute("l").value()));
            for (const pugi::xml_node& translation : entry.children("t"))
                source.columns.push_back(textOf(translation.attribute("l").value()));
            named = true;
        }
        source.columns.resize(std::max(source.columns.size(), width));
        record.fields.shrink_to_fit();
        source.records.push_back(std::move(record));
    }
    source.columns.resize(std::max<std::size_t>(source.columns.size(), 2));
}

}  // namespace

Source readKvtml(std::string_view bytes)
{
    pugi::xml_document document;
    const std::optional<std::string> utf8 = asUtf8(bytes, declaredEncoding(bytes));
    const std::string fixed = withDoctypeKeyword(utf8 ? std::string_view(*utf8) : bytes);
    const pugi::xml_parse_result parsed = document.load_buffer(fixed.data(), fixed.size(), kParseOptions,
                                                               utf8 ? pugi::encoding_utf8 : pugi::encoding_auto);
    if (!parsed)
        throw ImportError(ImportError::Kind::BrokenXml,
                          std::string(parsed.description()) + " at byte " + std::to_string(parsed.offset));
    if (!isOneElement(document))
        throw ImportError(ImportError::Kind::BrokenXml, "text stands beside the document's element");
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
