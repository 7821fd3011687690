// kvtml in any bytes: reading fails with an ImportError or gives a source whose every
// conversion holds (import_check.h); no entity is expanded, so no field grows past the input.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "import/kvtml.h"
#include "import_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const listimport::Source source = listimport::readKvtml(bytes);
        for (const listimport::Record& record : source.records)
            for (const listimport::Field field : record.fields)
                FUZZ_CHECK(field.text.size() <= size);
        CheckConversions(source);
    } catch (const listimport::ImportError&) {
    }
    return 0;
}
