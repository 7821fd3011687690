#include "import/source_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "import/anki.h"
#include "import/anki_package.h"
#include "import/delimited.h"
#include "import/kvtml.h"
#include "textfile/codec.h"
#include "textfile/encodings.h"
#include "textfile/file_error.h"
#include "textfile/file_io.h"
#include "textfile/file_names.h"
#include "textfile/utf16_32.h"
#include "textfile/utf8.h"
#include "textfile/windows1252.h"

namespace listimport {

namespace {

using textfile::detail::ByteOrder;

std::string_view withoutSignature(std::string_view bytes, std::string_view signature)
{
    return bytes.starts_with(signature) ? bytes.substr(signature.size()) : bytes;
}

// The encoding the codec finds: the signature's, else UTF-16 when every other
// byte is zero, else UTF-8 when the bytes are strict UTF-8, else Windows-1252.
std::int32_t foundEncoding(std::string_view bytes)
{
    const std::int32_t signed_ = textfile::detail::DetectEncoding(bytes.substr(0, textfile::detail::kSignatureBytes));
    if (signed_ != textfile::kAnsi)
        return signed_;
    if (const auto order = textfile::detail::Utf16OrderWithoutSignature(bytes))
        return *order == ByteOrder::kLittleEndian ? textfile::kUtf16Le : textfile::kUtf16Be;
    std::u16string ignored;
    return textfile::detail::DecodeUtf8IfWellFormed(bytes, ignored) ? textfile::kUtf8 : textfile::kAnsi;
}

std::u16string decode(std::string_view bytes, std::int32_t encoding)
{
    std::u16string text;
    switch (encoding) {
        case textfile::kAnsi:
            textfile::detail::DecodeWindows1252(bytes, text);
            return text;
        case textfile::kUtf8:
            textfile::detail::DecodeUtf8(withoutSignature(bytes, "\xEF\xBB\xBF"), text);
            return text;
        case textfile::kUtf16Le:
            return textfile::detail::DecodeUtf16(withoutSignature(bytes, "\xFF\xFE"), ByteOrder::kLittleEndian);
        case textfile::kUtf16Be:
            return textfile::detail::DecodeUtf16(withoutSignature(bytes, "\xFE\xFF"), ByteOrder::kBigEndian);
        default:
            try {
                return textfile::detail::DecodeFileContent(bytes);
            } catch (const textfile::FileError& error) {
                throw ImportError(ImportError::Kind::UnknownFormat, error.what());
            }
    }
}

// Text a person wrote holds no U+0000 and few control characters.
bool looksBinary(std::u16string_view text)
{
    std::size_t controls = 0;
    for (const char16_t unit : text) {
        if (unit == 0)
            return true;
        if (unit < 0x20 && unit != u'\t' && unit != u'\r' && unit != u'\n')
            ++controls;
    }
    return controls > text.size() / 100;
}

bool looksLikeXml(std::u16string_view text)
{
    const std::size_t start = text.find_first_not_of(u"\uFEFF \t\r\n");
    return start != std::u16string_view::npos && text[start] == u'<';
}

// A file that says it is XML is read as XML only, also when it is broken.
bool declaresXml(std::u16string_view text)
{
    const std::size_t start = text.find_first_not_of(u"\uFEFF \t\r\n");
    const std::u16string_view rest = text.substr(start == std::u16string_view::npos ? text.size() : start);
    return rest.starts_with(u"<?xml") || rest.starts_with(u"<!DOCTYPE") || rest.starts_with(u"<!doctype");
}

Source readDelimitedSource(std::u16string_view text, const ReadChoices& choices)
{
    Source source;
    source.format = Format::Delimited;
    source.separator = choices.separator.value_or(0);
    if (source.separator == 0)
        source.separator = findSeparator(text);
    if (source.separator == 0)
        throw ImportError(ImportError::Kind::NoSeparator, "no line holds two fields between separators");
    std::vector<Row> rows = readDelimited(text, source.separator);
    std::size_t width = 0;
    for (const Row& row : rows)
        width = std::max<std::size_t>(width, row.width);
    if (width < 2)
        throw ImportError(ImportError::Kind::NoSeparator, "no line holds two fields between separators");
    source.headerRow = !rows.empty() && choices.headerRow.value_or(looksLikeHeader(rows.front()));
    source.columns.resize(width);
    if (source.headerRow) {
        for (const Field cell : rows.front().fields)
            source.columns[cell.column] = cell.text;
        rows.erase(rows.begin());
    }
    // The rows are the records, not copied.
    source.records = std::move(rows);
    return source;
}

Source readText(std::u16string_view text, std::int32_t encoding, const ReadChoices& choices)
{
    if (text.empty() || looksBinary(text))
        throw ImportError(ImportError::Kind::UnknownFormat, "the file holds no text");
    Source source =
        looksLikeAnki(text) ? readAnki(text, choices.separator.value_or(0)) : readDelimitedSource(text, choices);
    source.encoding = encoding;
    return source;
}

}  // namespace

Source readSourceBytes(std::string_view bytes, const ReadChoices& choices)
{
    if (bytes.size() > kMaxSourceBytes)
        throw ImportError(ImportError::Kind::TooLarge, "the file is larger than any list");
    const std::int32_t encoding = choices.encoding.value_or(foundEncoding(bytes));
    const std::u16string text = decode(bytes, encoding);
    if (looksLikeXml(text)) {
        try {
            return readKvtml(bytes);
        } catch (const ImportError& error) {
            // Text that begins with markup or a sign such as "<=" may still be
            // delimited text; when it is not, the XML's fault is the reason.
            if (error.kind() != ImportError::Kind::BrokenXml || declaresXml(text))
                throw;
            try {
                return readText(text, encoding, choices);
            } catch (const ImportError&) {
                throw error;
            }
        }
    }
    return readText(text, encoding, choices);
}

std::string readSourceFileBytes(const std::u16string& fileName)
{
    std::error_code error;
    const std::filesystem::path path(textfile::NameBytes(fileName));
    // A device or a pipe could be read for ever.
    if (std::filesystem::exists(path, error) && !textfile::IsRegularFile(fileName))
        throw ImportError(ImportError::Kind::NotAFile, "not a regular file");
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kMaxSourceBytes)
        throw ImportError(ImportError::Kind::TooLarge, "the file is larger than any list");
    try {
        return std::string(textfile::detail::ReadWholeFile(fileName).view());
    } catch (const textfile::FileError& failure) {
        throw ImportError(ImportError::Kind::Unreadable, failure.what());
    }
}

Source readSourceFile(const std::u16string& fileName, const ReadChoices& choices)
{
    if (isAnkiPackageName(fileName))
        return readAnkiPackage(fileName);
    return readSourceBytes(readSourceFileBytes(fileName), choices);
}

bool isImportFile(const std::u16string& fileName)
{
    std::u16string lower = fileName;
    for (char16_t& unit : lower)
        if (unit >= u'A' && unit <= u'Z')
            unit = static_cast<char16_t>(unit - u'A' + u'a');
    for (const std::u16string_view extension : {u".kvtml", u".csv", u".tsv", u".apkg", u".colpkg"})
        if (std::u16string_view(lower).ends_with(extension))
            return true;
    if (!std::u16string_view(lower).ends_with(u".txt"))
        return false;
    try {
        const std::string head = textfile::detail::ReadFileStart(fileName, 256);
        return looksLikeAnki(decode(head, foundEncoding(head)));
    } catch (const textfile::FileError&) {
        return false;
    }
}

}  // namespace listimport
