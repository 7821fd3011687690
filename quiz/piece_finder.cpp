#include "quiz/piece_finder.h"

#include <algorithm>
#include <array>
#include <random>

namespace quiz {

namespace {

// Simple tabulation hashing: one table of random words per byte of the key,
// filled once per run. Linear probing with it takes a constant number of
// probes on average for any set of keys.
class TabulationHash {
public:
    TabulationHash()
    {
        std::random_device device;
        std::mt19937_64 random((static_cast<std::uint64_t>(device()) << 32) ^ device());
        for (auto& table : tables_)
            for (std::uint64_t& entry : table)
                entry = random();
    }

    std::uint64_t operator()(std::uint64_t key) const
    {
        std::uint64_t hash = 0;
        for (const auto& table : tables_) {
            hash ^= table[key & 0xFF];
            key >>= 8;
        }
        return hash;
    }

private:
    // The keys use 53 bits: a node number and a 21-bit symbol.
    std::array<std::array<std::uint64_t, 256>, 7> tables_{};
};

const TabulationHash& tabulation_hash()
{
    static const TabulationHash hash;
    return hash;
}

constexpr std::uint64_t kEmpty = ~std::uint64_t{0};

std::uint64_t key_of(std::uint32_t node, char32_t symbol) { return (std::uint64_t{node} << 21) | symbol; }

}  // namespace

// ---------------------------------------------------------------- transitions

void PieceFinder::Transitions::reserve(std::size_t entries)
{
    std::size_t capacity = 16;
    int shift = 60;
    while (capacity < 2 * entries) {
        capacity *= 2;
        --shift;
    }
    if (capacity <= keys_.size())
        return;
    std::vector<std::uint64_t> keys(capacity, kEmpty);
    std::vector<std::uint32_t> targets(capacity, 0);
    keys.swap(keys_);
    targets.swap(targets_);
    shift_ = shift;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == kEmpty)
            continue;
        const std::size_t at = slot(keys[i]);
        keys_[at] = keys[i];
        targets_[at] = targets[i];
    }
}

std::size_t PieceFinder::Transitions::slot(std::uint64_t key) const
{
    const std::size_t mask = keys_.size() - 1;
    std::size_t at = static_cast<std::size_t>(tabulation_hash()(key) >> shift_);
    while (keys_[at] != kEmpty && keys_[at] != key)
        at = (at + 1) & mask;
    return at;
}

std::uint32_t PieceFinder::Transitions::get(std::uint32_t node, char32_t symbol) const
{
    if (keys_.empty())
        return kNone;
    const std::size_t at = slot(key_of(node, symbol));
    return keys_[at] == kEmpty ? kNone : targets_[at];
}

void PieceFinder::Transitions::put(std::uint32_t node, char32_t symbol, std::uint32_t target)
{
    if (2 * (used_ + 1) > keys_.size())
        reserve(std::max<std::size_t>(used_ + 1, 2 * used_));
    const std::uint64_t key = key_of(node, symbol);
    const std::size_t at = slot(key);
    if (keys_[at] == kEmpty)
        ++used_;
    keys_[at] = key;
    targets_[at] = target;
}

// ---------------------------------------------------------------- the automaton

// Most nodes have one child (a piece's letters one after the other), which is
// kept beside the node itself; only the others go to the hash table.
std::uint32_t PieceFinder::child(std::uint32_t node, char32_t symbol) const
{
    if (first_symbol_[node] == symbol)
        return first_child_[node];
    return more_children_[node] ? more_.get(node, symbol) : kNone;
}

void PieceFinder::add_child(std::uint32_t node, char32_t symbol, std::uint32_t target)
{
    if (first_child_[node] == kNone) {
        first_symbol_[node] = symbol;
        first_child_[node] = target;
    } else {
        more_children_[node] = 1;
        more_.put(node, symbol, target);
    }
}

std::size_t PieceFinder::add(std::u32string_view piece)
{
    std::uint32_t node = kRoot;
    for (const char32_t symbol : piece) {
        std::uint32_t next = child(node, symbol);
        if (next == kNone) {
            next = static_cast<std::uint32_t>(parent_.size());
            parent_.push_back(node);
            symbol_.push_back(symbol);
            depth_.push_back(depth_[node] + 1);
            piece_.push_back(kNone);
            first_symbol_.push_back(kNoSymbol);
            first_child_.push_back(kNone);
            more_children_.push_back(0);
            add_child(node, symbol, next);
        }
        node = next;
    }
    if (piece_[node] == kNone) {
        piece_[node] = static_cast<std::uint32_t>(wanted_.size());
        wanted_.push_back(0);
    }
    return piece_[node];
}

void PieceFinder::want(std::size_t piece, int wanted) { wanted_[piece] = std::max(wanted_[piece], wanted); }

std::uint32_t PieceFinder::find_set(std::uint32_t node)
{
    while (set_parent_[node] != node) {
        set_parent_[node] = set_parent_[set_parent_[node]];
        node = set_parent_[node];
    }
    return node;
}

// The node is no longer an open piece: from now on its set answers for the
// nearest open piece further along its failure chain.
void PieceFinder::join_to_failure(std::uint32_t node)
{
    std::uint32_t a = find_set(node);
    std::uint32_t b = find_set(failure_[node]);
    if (a == b)
        return;
    const std::uint32_t label = set_label_[b];
    if (set_rank_[a] < set_rank_[b])
        std::swap(a, b);
    set_parent_[b] = a;
    if (set_rank_[a] == set_rank_[b])
        ++set_rank_[a];
    set_label_[a] = label;
}

void PieceFinder::find(std::u32string_view text)
{
    const std::size_t nodes = parent_.size();
    places_.assign(wanted_.size(), {});

    // Failure links, in the order of depth so that a node's parent's link is
    // known before its own.
    std::vector<std::uint32_t> byDepth(nodes);
    {
        std::vector<std::uint32_t> count(nodes + 1, 0);
        for (const std::uint32_t depth : depth_)
            ++count[depth + 1];
        for (std::size_t d = 1; d < count.size(); ++d)
            count[d] += count[d - 1];
        for (std::uint32_t node = 0; node < nodes; ++node)
            byDepth[count[depth_[node]]++] = node;
    }
    failure_.assign(nodes, kRoot);
    for (const std::uint32_t node : byDepth) {
        if (node == kRoot || parent_[node] == kRoot)
            continue;
        const char32_t symbol = symbol_[node];
        std::uint32_t fallback = failure_[parent_[node]];
        std::uint32_t target = child(fallback, symbol);
        while (target == kNone && fallback != kRoot) {
            fallback = failure_[fallback];
            target = child(fallback, symbol);
        }
        failure_[node] = target == kNone ? kRoot : target;
    }

    // Every node that ends no piece points on along its failure link at once.
    set_parent_.resize(nodes);
    set_rank_.assign(nodes, 0);
    set_label_.resize(nodes);
    std::size_t open = 0;
    for (std::uint32_t node = 0; node < nodes; ++node) {
        set_parent_[node] = node;
        set_label_[node] = node;
    }
    for (std::uint32_t node = 1; node < nodes; ++node) {
        if (piece_[node] != kNone && wanted_[piece_[node]] > 0)
            ++open;
        else
            join_to_failure(node);
    }

    std::vector<std::size_t> freeFrom(wanted_.size(), 0);
    std::uint32_t state = kRoot;
    for (std::size_t i = 0; i < text.size() && open > 0; ++i) {
        const char32_t symbol = text[i];
        std::uint32_t target = child(state, symbol);
        while (target == kNone && state != kRoot) {
            state = failure_[state];
            target = child(state, symbol);
        }
        state = target == kNone ? kRoot : target;
        if (symbol != kWordBoundary)
            continue;
        for (std::uint32_t node = set_label_[find_set(state)]; node != kRoot;
             node = set_label_[find_set(failure_[node])]) {
            const std::uint32_t piece = piece_[node];
            const std::size_t begin = i + 1 - depth_[node];
            if (begin < freeFrom[piece])
                continue;  // overlaps the last place of the same piece
            places_[piece].push_back({begin, i + 1});
            freeFrom[piece] = i;
            if (places_[piece].size() == static_cast<std::size_t>(wanted_[piece])) {
                join_to_failure(node);
                --open;
            }
        }
    }
}

}  // namespace quiz
