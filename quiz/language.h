#pragma once

namespace quiz {

// The languages the program speaks: its interface and the texts of a round.
enum class Language { German, English };

}  // namespace quiz
