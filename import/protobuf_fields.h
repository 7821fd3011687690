#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string_view>

// Anki keeps a package's version and a note type's settings as small protobuf
// messages; the import needs a few of their fields, read here by number.
namespace listimport {

struct ProtobufFields {
    // Varint fields; a number given twice keeps its last value, as protobuf does.
    std::map<std::uint32_t, std::uint64_t> numbers;
    // Length-delimited fields (text, bytes, nested messages), viewing the message.
    std::map<std::uint32_t, std::string_view> texts;
};

// The fields of one message; nothing when the bytes are no message.
std::optional<ProtobufFields> readProtobuf(std::string_view message);

}  // namespace listimport
