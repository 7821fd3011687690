#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quiz {

// Blanks, tabs, line breaks and the other spaces of Unicode.
bool is_space(char32_t c);

// Whether the character belongs to a word: letters, marks and numbers of
// every script, and every character above the basic plane. Blanks,
// punctuation and symbols end a word.
bool is_word_char(char32_t c);

// The text as both verdicts see it: its code points with the characters that
// are never seen (zero-width joiner and space, direction marks, soft hyphen
// and the other default-ignorable code points) left out, then composed (NFC),
// so that a letter stored as one character or as a base and its marks is the
// same. A lone surrogate stands for itself.
std::u32string comparable_text(std::u16string_view text);

// The German umlauts ä, ö, ü in either case.
bool is_umlaut(char32_t c);

// Folds the letters of words for the comparison that ignores case and
// diacritics: compatibility forms and case folded (NFKC_Casefold), then
// decomposed with the nonspacing marks left out, in every script. The few
// Latin letters whose mark is part of the letter (ø, đ, ł, ħ, ...) count as
// their base letter, æ and œ as two letters. What folding leaves that is no
// part of a word (the fraction slash of ½) is dropped.
class LetterFolder {
public:
    LetterFolder();
    ~LetterFolder();
    LetterFolder(const LetterFolder&) = delete;
    LetterFolder& operator=(const LetterFolder&) = delete;

    // Appends the character as it counts when case and diacritics are ignored.
    void append(char32_t c, std::u32string& out);

private:
    void fold(char32_t c, std::u32string& out) const;

    // Each character is folded once per folder: a page of 256 entries per
    // block of code points met, each entry an offset and length in `folded_`.
    struct Entry {
        std::uint32_t offset = 0;
        std::uint32_t length = 0xFFFFFFFF;  // not folded yet
    };
    std::vector<std::unique_ptr<Entry[]>> pages_;
    std::u32string folded_;
};

}  // namespace quiz
