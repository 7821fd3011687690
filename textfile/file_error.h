#pragma once

#include <stdexcept>
#include <string>

namespace textfile {

// Every failure of the text-file operations. what() is the message for the user, in UTF-8.
class FileError : public std::runtime_error {
public:
    explicit FileError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace textfile
