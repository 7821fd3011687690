#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "quiz/piece_finder.h"

namespace {

using quiz::kWordBoundary;
using quiz::Place;

// Each piece looked for at every boundary in the order of the text, the next
// place of the same piece no earlier than the boundary where the last ended.
std::vector<Place> search_naively(std::u32string_view text, std::u32string_view piece, int wanted)
{
    std::vector<Place> places;
    std::size_t freeFrom = 0;
    for (std::size_t end = piece.size(); end <= text.size() && static_cast<int>(places.size()) < wanted; ++end) {
        const std::size_t begin = end - piece.size();
        if (text[end - 1] == kWordBoundary && begin >= freeFrom && text.substr(begin, piece.size()) == piece) {
            places.push_back({begin, end});
            freeFrom = end - 1;
        }
    }
    return places;
}

// Words of one to three letters of a two-letter alphabet, so that pieces
// overlap, nest and repeat as often as they can.
std::u32string random_words(std::mt19937& random, int words, bool cuts)
{
    std::u32string text(1, kWordBoundary);
    for (int w = 0; w < words; ++w) {
        for (int n = std::uniform_int_distribution<int>(1, 3)(random); n > 0; --n)
            text.push_back(std::uniform_int_distribution<int>(0, 1)(random) ? U'a' : U'b');
        if (cuts || w + 1 == words)
            text.push_back(kWordBoundary);
    }
    return text;
}

// The automaton against the naive search, on many small random cases: every
// place, in order, up to the number wanted, for every piece.
TEST(PieceFinder, FindsWhatANaiveSearchFinds)
{
    std::mt19937 random(20261207);
    for (int round = 0; round < 400; ++round) {
        quiz::PieceFinder finder;
        std::vector<std::u32string> pieces;
        std::vector<std::size_t> numbers;
        std::vector<int> wanted;
        const int count = std::uniform_int_distribution<int>(1, 12)(random);
        for (int p = 0; p < count; ++p) {
            pieces.push_back(random_words(random, std::uniform_int_distribution<int>(1, 4)(random), round % 3 != 0));
            numbers.push_back(finder.add(pieces.back()));
            wanted.push_back(std::uniform_int_distribution<int>(0, 5)(random));
            finder.want(numbers.back(), wanted.back());
        }
        const std::u32string text = random_words(random, std::uniform_int_distribution<int>(1, 60)(random), true);
        finder.find(text);
        for (int p = 0; p < count; ++p) {
            int most = 0;  // the same piece added twice wants the larger number
            for (int q = 0; q < count; ++q)
                if (numbers[q] == numbers[p])
                    most = std::max(most, wanted[q]);
            ASSERT_EQ(finder.places(numbers[p]), search_naively(text, pieces[p], most)) << "round " << round;
        }
    }
}

}  // namespace
