#pragma once

#include "fuzz_check.h"
#include "import/conversion.h"

// What every conversion gives, whatever the source: one line per question,
// without a line break, its gaps whole (an even number of underscores, at
// least two), and a second side asked as often as the first.
inline void CheckConversions(const listimport::Source& source)
{
    using listimport::Ask;
    const std::size_t columns = source.columns.size();
    for (const Ask ask : {Ask::First, Ask::Second, Ask::Both}) {
        const listimport::Conversion result =
            listimport::convert(source, {.firstColumn = 0, .secondColumn = columns > 1 ? 1u : 0u, .ask = ask});
        for (const std::u16string& line : result.lines) {
            FUZZ_CHECK(line.find_first_of(u"\r\n") == std::u16string::npos);
            std::size_t marks = 0;
            for (const char16_t unit : line)
                marks += unit == u'_' ? 1 : 0;
            FUZZ_CHECK(marks >= 2 && marks % 2 == 0);
        }
        FUZZ_CHECK(result.lookAlikeLines <= result.lines.size());
    }
}
