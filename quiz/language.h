#pragma once

#include <utility>

namespace quiz {

// The languages the program speaks: its interface and the texts of a round.
enum class Language { German, English };

// Every language, for the places that go through all of them.
inline constexpr Language kLanguages[] = {Language::German, Language::English};

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
        return english;  // not reached: every language is handled above
    }
};

}  // namespace quiz
