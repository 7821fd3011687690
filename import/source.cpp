#include "import/source.h"

#include <algorithm>

namespace listimport {

namespace {

// A field's head: its column, and its length in two units.
constexpr std::size_t kHeadUnits = 3;
constexpr unsigned kUnitBits = 16;
constexpr std::size_t kUnitMask = 0xFFFF;

std::size_t lengthAt(std::u16string_view head)
{
    return static_cast<std::size_t>(head[1]) | (static_cast<std::size_t>(head[2]) << kUnitBits);
}

}  // namespace

Field Fields::Iterator::operator*() const
{
    return {.column = rest_[0], .text = rest_.substr(kHeadUnits, lengthAt(rest_))};
}

Fields::Iterator& Fields::Iterator::operator++()
{
    rest_.remove_prefix(kHeadUnits + lengthAt(rest_));
    return *this;
}

Fields& Fields::operator=(const Fields& other)
{
    if (this == &other)
        return *this;
    size_ = 0;
    reallocate(other.size_);
    std::copy_n(other.packed_.get(), other.size_, packed_.get());
    size_ = other.size_;
    return *this;
}

void Fields::reallocate(std::size_t capacity)
{
    auto moved = std::make_unique_for_overwrite<char16_t[]>(capacity);
    std::copy_n(packed_.get(), size_, moved.get());
    packed_ = std::move(moved);
    capacity_ = static_cast<std::uint32_t>(capacity);
}

void Fields::add(std::size_t column, std::u16string_view text)
{
    if (text.empty())
        return;
    const std::size_t size = size_ + kHeadUnits + text.size();
    if (size > capacity_)
        reallocate(std::max(size, std::size_t{capacity_} * 2));
    char16_t* at = packed_.get() + size_;
    *at++ = static_cast<char16_t>(column);
    *at++ = static_cast<char16_t>(text.size() & kUnitMask);
    *at++ = static_cast<char16_t>((text.size() >> kUnitBits) & kUnitMask);
    std::copy(text.begin(), text.end(), at);
    size_ = static_cast<std::uint32_t>(size);
}

void Fields::shrink_to_fit()
{
    if (capacity_ > size_)
        reallocate(size_);
}

std::u16string_view Fields::in(std::size_t column) const
{
    for (const Field field : *this) {
        if (field.column == column)
            return field.text;
        if (field.column > column)
            break;
    }
    return {};
}

}  // namespace listimport
