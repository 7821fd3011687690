#include "quiz/text_folding.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include <climits>

namespace quiz {

namespace {

std::u32string code_points(std::u16string_view text)
{
    std::u32string points;
    points.reserve(text.size());
    // A lone surrogate stands for itself.
    for (std::size_t i = 0; i < text.size();) {
        UChar32 c = 0;
        U16_NEXT(text.data(), i, text.size(), c);
        points.push_back(static_cast<char32_t>(c));
    }
    return points;
}

bool is_ascii(std::u16string_view text)
{
    char16_t any = 0;
    for (const char16_t unit : text)
        any |= unit;
    return any < 0x80;
}

// Latin letters that carry their mark in themselves, so that no decomposition
// takes it off, as they stand after case folding.
bool append_latin_base(char32_t c, std::u32string& out)
{
    switch (c) {
        case 0xE6:  // æ
            out += U"ae";
            return true;
        case 0x153:  // œ
            out += U"oe";
            return true;
        case 0xFE:  // þ
            out += U"th";
            return true;
        case 0xF0:   // ð
        case 0x111:  // đ
            out.push_back(U'd');
            return true;
        case 0xF8:  // ø
            out.push_back(U'o');
            return true;
        case 0x127:  // ħ
            out.push_back(U'h');
            return true;
        case 0x131:  // dotless i
            out.push_back(U'i');
            return true;
        case 0x138:  // kra
            out.push_back(U'k');
            return true;
        case 0x142:  // ł
            out.push_back(U'l');
            return true;
        case 0x167:  // ŧ
            out.push_back(U't');
            return true;
        default:
            return false;
    }
}

constexpr std::size_t kPageBits = 8;
constexpr std::size_t kPages = (0x10FFFF >> kPageBits) + 1;

}  // namespace

bool is_space(char32_t c)
{
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0x1680 || (c >= 0x2000 && c <= 0x200B) || c == 0x2028 ||
           c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

bool is_word_char(char32_t c)
{
    if (c < 0x80)
        return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
    if (c > 0xFFFF)
        return true;
    if (is_space(c))
        return false;
    return (U_GET_GC_MASK(static_cast<UChar32>(c)) & (U_GC_P_MASK | U_GC_S_MASK)) == 0;
}

std::u32string comparable_text(std::u16string_view text)
{
    if (is_ascii(text))  // nothing to leave out, nothing to compose
        return code_points(text);

    std::u16string kept;
    kept.reserve(text.size());
    const std::u32string points = code_points(text);
    for (const char32_t c : points) {
        if (u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
            continue;
        if (U_IS_BMP(c)) {
            kept.push_back(static_cast<char16_t>(c));
        } else {
            kept.push_back(U16_LEAD(c));
            kept.push_back(U16_TRAIL(c));
        }
    }

    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status) || kept.size() > static_cast<std::size_t>(INT32_MAX))
        return code_points(kept);
    const icu::UnicodeString source(false, kept.data(), static_cast<int32_t>(kept.size()));
    if (nfc->spanQuickCheckYes(source, status) == source.length() || U_FAILURE(status))
        return code_points(kept);
    status = U_ZERO_ERROR;
    const icu::UnicodeString composed = nfc->normalize(source, status);
    if (U_FAILURE(status))
        return code_points(kept);
    return code_points(std::u16string_view(composed.getBuffer(), static_cast<std::size_t>(composed.length())));
}

bool is_umlaut(char32_t c) { return c == 0xE4 || c == 0xF6 || c == 0xFC || c == 0xC4 || c == 0xD6 || c == 0xDC; }

LetterFolder::LetterFolder() = default;
LetterFolder::~LetterFolder() = default;

void LetterFolder::append(char32_t c, std::u32string& out)
{
    if (c < 0x80) {
        out.push_back(c >= U'A' && c <= U'Z' ? c + 0x20 : c);
        return;
    }
    if (c > 0x10FFFF) {
        out.push_back(c);
        return;
    }
    if (pages_.empty())
        pages_.resize(kPages);
    std::unique_ptr<Entry[]>& page = pages_[c >> kPageBits];
    if (!page)
        page = std::make_unique<Entry[]>(std::size_t{1} << kPageBits);
    Entry& entry = page[c & ((1u << kPageBits) - 1)];
    if (entry.length == 0xFFFFFFFF) {
        entry.offset = static_cast<std::uint32_t>(folded_.size());
        fold(c, folded_);
        entry.length = static_cast<std::uint32_t>(folded_.size() - entry.offset);
    }
    out.append(folded_, entry.offset, entry.length);
}

void LetterFolder::fold(char32_t c, std::u32string& out) const
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* caseFold = icu::Normalizer2::getNFKCCasefoldInstance(status);
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString folded;
    if (U_SUCCESS(status))
        folded = nfd->normalize(caseFold->normalize(icu::UnicodeString(static_cast<UChar32>(c)), status), status);
    if (U_FAILURE(status)) {
        out.push_back(c);
        return;
    }
    for (int32_t i = 0; i < folded.length(); i = folded.moveIndex32(i, 1)) {
        const auto point = static_cast<char32_t>(folded.char32At(i));
        if (u_charType(static_cast<UChar32>(point)) == U_NON_SPACING_MARK || !is_word_char(point))
            continue;
        if (!append_latin_base(point, out))
            out.push_back(point);
    }
}

}  // namespace quiz
