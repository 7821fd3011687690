#pragma once

#include <cstddef>
#include <cstdlib>
#include <iterator>
#include <utility>

namespace quiz {

// The languages the program speaks: its interface and the texts of a round.
enum class Language { German, English };

// Every language, for the places that go through all of them.
inline constexpr Language kLanguages[] = {Language::German, Language::English};

// What a function returns for a value that names no language.
inline constexpr std::size_t kNoLanguage = static_cast<std::size_t>(-1);

// Where `language` stands in kLanguages, for tables that hold one entry per
// language. A language added to the enum fails the build here (the switch has
// no default, and -Wswitch is an error) until it has its place; the checks
// below then fail until kLanguages lists it.
constexpr std::size_t languageIndex(Language language)
{
    switch (language) {
        case Language::German:
            return 0;
        case Language::English:
            return 1;
    }
    return kNoLanguage;
}

namespace detail {

constexpr bool listsEveryLanguageInOrder()
{
    for (std::size_t i = 0; i < std::size(kLanguages); ++i)
        if (languageIndex(kLanguages[i]) != i)
            return false;
    // The enum counts from zero, so the value after the last one listed must
    // name no language.
    return languageIndex(static_cast<Language>(std::size(kLanguages))) == kNoLanguage;
}

}  // namespace detail

static_assert(detail::listsEveryLanguageInOrder(), "kLanguages must list every Language, in the order of the enum");

// Ends the program after a switch that names every language: a value that
// reaches this is no language, and no language may stand in for it.
[[noreturn]] inline void noSuchLanguage() { std::abort(); }

// One thing (a text, a picture's name, a web address) in every language. A
// language added to the enum fails the build in the switch below, which has no
// default; once the language has its member here and in the constructor,
// every table entry that does not give it its own fails too.
template <typename T>
struct PerLanguage {
    T german;
    T english;

    constexpr PerLanguage(T german_, T english_) : german(std::move(german_)), english(std::move(english_)) {}

    constexpr const T& in(Language language) const
    {
        switch (language) {
            case Language::German:
                return german;
            case Language::English:
                return english;
        }
        noSuchLanguage();
    }
};

}  // namespace quiz
