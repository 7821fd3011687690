#include "import/protobuf_fields.h"

namespace listimport {

namespace {

enum WireType : std::uint64_t { kVarint = 0, kFixed64 = 1, kLengthDelimited = 2, kFixed32 = 5 };

std::optional<std::uint64_t> readVarint(std::string_view& bytes)
{
    std::uint64_t value = 0;
    for (unsigned shift = 0; shift < 64 && !bytes.empty(); shift += 7) {
        const auto byte = static_cast<unsigned char>(bytes.front());
        bytes.remove_prefix(1);
        value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0)
            return value;
    }
    return std::nullopt;
}

bool skip(std::string_view& bytes, std::uint64_t count)
{
    if (count > bytes.size())
        return false;
    bytes.remove_prefix(count);
    return true;
}

}  // namespace

std::optional<ProtobufFields> readProtobuf(std::string_view message)
{
    ProtobufFields fields;
    while (!message.empty()) {
        const auto key = readVarint(message);
        if (!key || (*key >> 3) == 0 || (*key >> 3) > UINT32_MAX)
            return std::nullopt;
        const auto number = static_cast<std::uint32_t>(*key >> 3);
        switch (*key & 7) {
            case kVarint: {
                const auto value = readVarint(message);
                if (!value)
                    return std::nullopt;
                fields.numbers[number] = *value;
                break;
            }
            case kLengthDelimited: {
                const auto length = readVarint(message);
                if (!length || *length > message.size())
                    return std::nullopt;
                fields.texts[number] = message.substr(0, *length);
                message.remove_prefix(*length);
                break;
            }
            case kFixed64:
                if (!skip(message, 8))
                    return std::nullopt;
                break;
            case kFixed32:
                if (!skip(message, 4))
                    return std::nullopt;
                break;
            default:
                return std::nullopt;
        }
    }
    return fields;
}

}  // namespace listimport
