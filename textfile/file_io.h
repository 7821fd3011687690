#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

// The file layer: whole-file reads under a shared lock, atomic replacement of a file, and
// the messages of their failures.
namespace textfile::detail {

// The name as UTF-8, the form the system's file functions take.
std::string LocalName(std::u16string_view fileName);

// The file a save to `name` writes: a symbolic link, or a chain of them, is followed to its
// last target, which need not exist yet (a link made before the first save). A relative
// target is relative to the link's own folder. When the links loop or one cannot be read,
// `error` says why and the name reached so far is returned.
std::filesystem::path FollowLinks(const std::filesystem::path& name, std::error_code& error);

// Up to `count` bytes from the start of the file.
std::string ReadFileStart(const std::u16string& fileName, std::size_t count);

// The bytes of a whole file, in a buffer that is not cleared before it is filled.
class FileBytes {
public:
    FileBytes() = default;
    explicit FileBytes(std::size_t capacity);
    std::string_view view() const { return {data_.get(), size_}; }
    operator std::string_view() const { return view(); }

private:
    friend FileBytes ReadWholeFile(const std::u16string& fileName);
    std::unique_ptr<char[]> data_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
};

// All bytes of the file, read in one piece. Throws FileError "Cannot open file ..." when the
// file cannot be opened or read; while it is read, nobody may write it.
FileBytes ReadWholeFile(const std::u16string& fileName);

// Replaces the file by one holding exactly `content`: the bytes go to a new file in the same
// folder, which is flushed to disk and then renamed over the old one, so that a failure
// ("Cannot create file ...", "Stream write error") leaves the old file as it was and no
// temporary file behind. A symbolic link is followed to its target, which is created if it
// does not exist yet; the link itself stays. Failures past the link name its target.
void ReplaceFile(const std::u16string& fileName, std::string_view content);

// Makes the folder and every missing folder above it. Throws FileError "Cannot create folder
// ..." naming the first folder that could not be made and the system's reason.
void MakeFolders(const std::u16string& folder);

}  // namespace textfile::detail
