// Delimited text and Anki notes in any bytes: reading either fails with an ImportError or
// gives a source whose every conversion holds (import_check.h).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "import/delimited.h"
#include "import/source_file.h"
#include "import_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // XML goes to the kvtml target.
    if (!bytes.empty() && bytes.front() == '<')
        return 0;
    try {
        CheckConversions(listimport::readSourceBytes(bytes));
    } catch (const listimport::ImportError&) {
    }
    // Each separator the user may choose.
    for (const char16_t separator : listimport::kSeparators) {
        try {
            CheckConversions(listimport::readSourceBytes(bytes, {.encoding = 0, .separator = separator}));
        } catch (const listimport::ImportError&) {
        }
    }
    return 0;
}
