#pragma once

#include <filesystem>

// A package's collection is unpacked into a folder only this process can
// enter, under a name of our own, and the folder goes when the import is done,
// whatever happened.
namespace listimport {

class PrivateFolder {
public:
    // Makes the folder in the system's temporary folder. Throws ImportError.
    PrivateFolder();
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace listimport
