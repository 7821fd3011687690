#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quiz {

// Stands between the words of a text as the piece finder sees it, and at both
// ends. It lies beyond the last code point, so no character is ever taken for it.
inline constexpr char32_t kWordBoundary = 0x110000;

// Where a piece stands in the text: `begin` is its opening boundary, `end` one
// past its closing boundary.
struct Place {
    std::size_t begin = 0;
    std::size_t end = 0;

    bool operator==(const Place&) const = default;
};

// Finds many pieces in one text in a single pass, each a given number of times
// at most, the places of one piece never overlapping: after each place the
// next one of the same piece may begin at the boundary where it ended, no
// earlier. Every piece begins and ends with kWordBoundary, and a text holds a
// boundary wherever a piece may begin or end, so that a piece can only be
// found as a whole run of words.
//
// One Aho-Corasick automaton holds all pieces. Why the work is linear in the
// length of the pieces plus the text, whatever they hold:
// - Building the trie and its failure links is linear in the pieces, and
//   walking the text is linear in the text: each step follows at most as many
//   failure links as earlier steps went deeper.
// - Pieces are reported only after a boundary of the text. The pieces ending
//   there are the ones on the failure chain of the current node, and more of
//   them end there than there are places to count (the gaps "a", "a a", ...
//   in "a a a a"). The chain is therefore walked through a union-find
//   structure that skips every node that is not an open piece: a piece that
//   has all the places it wants is joined to its failure link and never
//   visited again. Each piece visited is then either counted (at most
//   `wanted` times) or it overlaps its own last place; such an overlapping
//   place ends within the piece's length after the place counted, so each
//   count brings at most `length` of them: in all no more than the total
//   length of the pieces times their wanted counts, which is the length of the
//   line the gaps come from.
// - Finding a union-find set costs an inverse-Ackermann amount (union by
//   rank, path halving), and a transition is found in a hash table whose hash
//   is drawn at random once per run (simple tabulation), so no text can make
//   its probes long.
class PieceFinder {
public:
    // Adds a piece to look for and returns its number; the same piece added
    // again keeps its number. The empty piece is never found.
    std::size_t add(std::u32string_view piece);

    // Looks for the piece at least `wanted` times (at first: never).
    void want(std::size_t piece, int wanted);

    std::size_t size() const { return wanted_.size(); }

    // Looks for all pieces in the text; call once, after the last add.
    void find(std::u32string_view text);

    // The places found for a piece, in the order of the text.
    const std::vector<Place>& places(std::size_t piece) const { return places_[piece]; }

private:
    class Transitions {
    public:
        void reserve(std::size_t entries);
        std::uint32_t get(std::uint32_t node, char32_t symbol) const;
        void put(std::uint32_t node, char32_t symbol, std::uint32_t target);

    private:
        std::size_t slot(std::uint64_t key) const;

        std::vector<std::uint64_t> keys_;
        std::vector<std::uint32_t> targets_;
        std::size_t used_ = 0;
        int shift_ = 64;
    };

    std::uint32_t child(std::uint32_t node, char32_t symbol) const;
    void add_child(std::uint32_t node, char32_t symbol, std::uint32_t target);
    std::uint32_t find_set(std::uint32_t node);
    void join_to_failure(std::uint32_t node);

    static constexpr std::uint32_t kRoot = 0;
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;
    static constexpr char32_t kNoSymbol = 0xFFFFFFFF;

    std::vector<char32_t> first_symbol_{kNoSymbol};
    std::vector<std::uint32_t> first_child_{kNone};
    std::vector<std::uint8_t> more_children_{0};
    Transitions more_;
    std::vector<std::uint32_t> parent_{kNone};
    std::vector<char32_t> symbol_{0};
    std::vector<std::uint32_t> depth_{0};
    std::vector<std::uint32_t> piece_{kNone};
    std::vector<std::uint32_t> failure_;
    // Union-find over the nodes: a set is a node that is an open piece (or the
    // root) with the nodes whose failure chains lead to it past closed ones.
    std::vector<std::uint32_t> set_parent_;
    std::vector<std::uint8_t> set_rank_;
    std::vector<std::uint32_t> set_label_;

    std::vector<int> wanted_;
    std::vector<std::vector<Place>> places_;
};

}  // namespace quiz
