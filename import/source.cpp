#include "import/source.h"

#include <algorithm>

namespace listimport {

const std::u16string* fieldIn(const Fields& fields, std::size_t column)
{
    const auto found = std::lower_bound(fields.begin(), fields.end(), column,
                                        [](const Field& field, std::size_t wanted) { return field.column < wanted; });
    return found != fields.end() && found->column == column ? &found->text : nullptr;
}

}  // namespace listimport
