#pragma once

#include <cstdint>

namespace textfile {

// Encoding numbers of the text-file operations. 0, 1200, 1201, 65000 and 65001 are the
// Windows code page numbers that lists made on Windows carry; the other three are our own.
inline constexpr std::int32_t kAnsi = 0;                 // Windows-1252, never a signature
inline constexpr std::int32_t kUtf16Le = 1200;           // FF FE
inline constexpr std::int32_t kUtf16Be = 1201;           // FE FF
inline constexpr std::int32_t kUtf7 = 65000;             // + / v 8
inline constexpr std::int32_t kUtf7NoSignature = 64999;  // writing only
inline constexpr std::int32_t kUtf8 = 65001;             // EF BB BF
inline constexpr std::int32_t kUtf32Le = 65005;          // FF FE 00 00
inline constexpr std::int32_t kUtf32Be = 65006;          // 00 00 FE FF

}  // namespace textfile
