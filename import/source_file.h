#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "import/source.h"

// Finding what a file is and reading it as a list source.
namespace listimport {

// What the user settled where the file alone does not tell.
struct ReadChoices {
    // One of textfile's kAnsi, kUtf8, kUtf16Le, kUtf16Be; none: by the file.
    std::optional<std::int32_t> encoding = std::nullopt;
    // Delimited text and Anki notes; none: by the file.
    std::optional<char16_t> separator = std::nullopt;
    // Delimited text: whether the first row names the columns; none: guessed.
    std::optional<bool> headerRow = std::nullopt;
};

// The largest source read: far beyond any list, and well within memory.
inline constexpr std::uintmax_t kMaxSourceBytes = 64 * 1024 * 1024;

// Reads a file's bytes as a list source. Throws ImportError.
Source readSourceBytes(std::string_view bytes, const ReadChoices& choices = {});

// The file's bytes, read once and only read; a file larger than
// kMaxSourceBytes is refused unread. Throws ImportError.
std::string readSourceFileBytes(const std::u16string& fileName);

// Reads the file; it is opened for reading only. An Anki package (.apkg,
// .colpkg) is read as import/anki_package.h says, whatever its size.
// Throws ImportError.
Source readSourceFile(const std::u16string& fileName, const ReadChoices& choices = {});

// Whether a file named so is read by the import rather than loaded as a list:
// .kvtml, .csv and .tsv files, Anki packages, and .txt files that begin as an
// Anki export.
bool isImportFile(const std::u16string& fileName);

}  // namespace listimport
