#include "textfile/codec.h"

#include <array>

#include "textfile/code_units.h"
#include "textfile/encodings.h"
#include "textfile/file_error.h"
#include "textfile/line_breaks.h"
#include "textfile/utf16_32.h"
#include "textfile/utf7.h"
#include "textfile/utf8.h"
#include "textfile/windows1252.h"

namespace textfile::detail {
namespace {

using namespace std::string_view_literals;

constexpr std::size_t kShortestSignature = 2;

struct Signature {
    std::int32_t encoding;
    std::string_view bytes;
};

// In the order in which they are tested: FF FE 00 00 must win over FF FE.
constexpr std::array<Signature, 6> kSignatures = {{
    {kUtf8, "\xEF\xBB\xBF"sv},
    {kUtf7, "+/v8"sv},
    {kUtf32Le, "\xFF\xFE\0\0"sv},
    {kUtf32Be, "\0\0\xFE\xFF"sv},
    {kUtf16Le, "\xFF\xFE"sv},
    {kUtf16Be, "\xFE\xFF"sv},
}};

std::string_view SignatureOf(std::int32_t encoding)
{
    for (const Signature& signature : kSignatures) {
        if (signature.encoding == encoding)
            return signature.bytes;
    }
    return {};
}

// Lists made with today's editors are UTF-8 without a signature; a Windows-1252 text with
// umlauts is practically never well-formed UTF-8. UTF-16 saved without its signature holds
// a zero in every other byte, which UTF-8 would take for U+0000 after each letter.
std::u16string DecodeWithoutSignature(std::string_view bytes, BreakWatch* watch)
{
    if (const auto order = Utf16OrderWithoutSignature(bytes)) {
        if (watch != nullptr)
            watch->NotShown();
        return DecodeUtf16(bytes, *order);
    }
    std::u16string text;
    if (DecodeUtf8IfWellFormed(bytes, text, watch))
        return text;
    if (watch != nullptr)
        *watch = BreakWatch{};
    DecodeWindows1252(bytes, text, watch);
    return text;
}

// The signature "+/v8" is the start of a Base64 run holding U+FEFF. Usually a "-" closes
// it, but when the text starts with a character that needs none (a space, an umlaut), the
// run goes on into the text. Decoding the whole file and dropping the U+FEFF reads both.
std::u16string DecodeUtf7File(std::string_view bytes)
{
    std::u16string text = DecodeUtf7(bytes);
    if (!text.empty() && text.front() == kByteOrderMark)
        text.erase(0, 1);
    return text;
}

// With a signature, U+FEFF and the text are encoded in one run, so that the signature's
// last digit carries the first two bits of the text's first unit. Those are zero below
// U+4000; from there on the signature would no longer read "+/v8", so a "-" closes its run
// before the text instead.
void AppendUtf7WithSignature(std::u16string_view text, std::string& bytes)
{
    constexpr char16_t kFirstUnitChangingTheSignature = 0x4000;
    constexpr std::string_view kClosedSignature = "+/v8-";
    if (!text.empty() && text.front() >= kFirstUnitChangingTheSignature) {
        bytes += kClosedSignature;
        AppendUtf7(text, bytes);
        return;
    }
    std::u16string withMark(1, kByteOrderMark);
    withMark += text;
    AppendUtf7(withMark, bytes);
}

}  // namespace

std::int32_t DetectEncoding(std::string_view head)
{
    if (head.size() < kShortestSignature)
        return kAnsi;
    for (const Signature& signature : kSignatures) {
        if (head.starts_with(signature.bytes))
            return signature.encoding;
    }
    return kAnsi;
}

std::u16string DecodeFileContent(std::string_view bytes, BreakWatch* watch)
{
    const std::int32_t encoding = DetectEncoding(bytes.substr(0, kSignatureBytes));
    if (encoding == kAnsi)
        return DecodeWithoutSignature(bytes, watch);
    const std::string_view body = bytes.substr(SignatureOf(encoding).size());
    if (encoding == kUtf8) {
        std::u16string text;
        DecodeUtf8(body, text, watch);
        return text;
    }
    // The other decoders show their units to no watch.
    if (watch != nullptr)
        watch->NotShown();
    switch (encoding) {
        case kUtf7:
            return DecodeUtf7File(bytes);
        case kUtf16Le:
            return DecodeUtf16(body, ByteOrder::kLittleEndian);
        case kUtf16Be:
            return DecodeUtf16(body, ByteOrder::kBigEndian);
        case kUtf32Le:
            return DecodeUtf32(body, ByteOrder::kLittleEndian);
        default:
            return DecodeUtf32(body, ByteOrder::kBigEndian);
    }
}

bool IsKnownEncoding(std::int32_t encoding)
{
    return encoding == kAnsi || encoding == kUtf7NoSignature || !SignatureOf(encoding).empty();
}

std::string EncodeFileContent(std::u16string_view text, std::int32_t encoding, bool withSignature)
{
    if (!IsKnownEncoding(encoding))
        throw FileError("Unknown text encoding " + std::to_string(encoding));
    std::string bytes;
    if (withSignature && encoding != kUtf7)
        bytes = SignatureOf(encoding);
    switch (encoding) {
        case kUtf8:
            AppendUtf8(text, bytes);
            break;
        case kUtf7:
            if (withSignature) {
                AppendUtf7WithSignature(text, bytes);
            } else {
                AppendUtf7(text, bytes);
            }
            break;
        case kUtf7NoSignature:
            AppendUtf7(text, bytes);
            break;
        case kUtf16Le:
            AppendUtf16(text, ByteOrder::kLittleEndian, bytes);
            break;
        case kUtf16Be:
            AppendUtf16(text, ByteOrder::kBigEndian, bytes);
            break;
        case kUtf32Le:
            AppendUtf32(text, ByteOrder::kLittleEndian, bytes);
            break;
        case kUtf32Be:
            AppendUtf32(text, ByteOrder::kBigEndian, bytes);
            break;
        default:
            AppendWindows1252(text, bytes);
            break;
    }
    return bytes;
}

}  // namespace textfile::detail
