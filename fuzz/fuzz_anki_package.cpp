// Anki packages in any bytes: reading fails with an ImportError or gives a
// source whose cards each lie in one of its decks and whose every conversion
// holds (import_check.h); the private temporary folder is gone either way.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "import/anki_package.h"
#include "import_check.h"

namespace {

// A folder of this process's own: the package goes in, the reader's
// temporary folder goes in through TMPDIR, and nothing else may stay.
const std::filesystem::path& workFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "fuzz_anki_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        std::filesystem::create_directory(std::filesystem::path(pattern) / "tmp");
        setenv("TMPDIR", (std::filesystem::path(pattern) / "tmp").c_str(), 1);
        return std::filesystem::path(pattern);
    }();
    static const bool cleanedAtExit = [] {
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        });
        return true;
    }();
    (void)cleanedAtExit;
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path package = workFolder() / "input.apkg";
    std::ofstream(package, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const std::string name = package.string();
    try {
        const listimport::Source source = listimport::readAnkiPackage(std::u16string(name.begin(), name.end()));
        FUZZ_CHECK(!source.decks.empty());
        for (const listimport::Record& record : source.records)
            FUZZ_CHECK(record.deck < source.decks.size());
        CheckConversions(source);
    } catch (const listimport::ImportError&) {
    }
    FUZZ_CHECK(std::filesystem::is_empty(workFolder() / "tmp"));
    return 0;
}
