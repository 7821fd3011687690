#pragma once

#include <cstdint>
#include <string>

#include "textfile/encodings.h"
#include "textfile/file_error.h"

// Whole files as the content of a multi-line text field.
namespace textfile {

// The file's text decoded as ReadTextFile does, cut at its first U+0000, with every line
// break (CR LF, lone CR, lone LF, U+2028) made CR LF.
std::u16string ReadTextLines(const std::u16string& fileName);

// Replaces the file by `text`: kUtf8 with its signature, kAnsi as Windows-1252. The other
// encodings are written as WriteTextFile writes them with a signature. No name is refused.
void SaveTextLines(const std::u16string& text, const std::u16string& fileName, std::int32_t encoding);

// Makes the folder and every missing folder above it. Throws FileError "Cannot create folder
// ..." naming the first folder that could not be made and the system's reason.
void MakeFolders(const std::u16string& folder);

}  // namespace textfile
