#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// A fresh, empty folder for each test, removed afterwards.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "textfile_test_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(folder_, ignored);
    }

    std::filesystem::path Path(std::string_view leaf) const { return folder_ / leaf; }

    // The name as the text-file functions take it (the folder is plain ASCII).
    std::u16string Name(std::string_view leaf) const
    {
        const std::string path = Path(leaf).string();
        return std::u16string(path.begin(), path.end());
    }

    void WriteBytes(std::string_view leaf, std::string_view bytes) const
    {
        std::ofstream(Path(leaf), std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::string ReadBytes(std::string_view leaf) const
    {
        std::ifstream in(Path(leaf), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    std::filesystem::path folder_;
};

// Bytes written as hex pairs, for readable expectations: Hex("EF BB BF 61").
inline std::string Hex(std::string_view pairs)
{
    std::string bytes;
    for (std::size_t i = 0; i < pairs.size();) {
        if (pairs[i] == ' ') {
            ++i;
            continue;
        }
        bytes.push_back(static_cast<char>(std::stoi(std::string(pairs.substr(i, 2)), nullptr, 16)));
        i += 2;
    }
    return bytes;
}

// Code units as hex, so that a failed comparison shows what differs.
inline std::string Units(std::u16string_view text)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string shown;
    for (const char16_t unit : text) {
        if (!shown.empty())
            shown += ' ';
        for (int shift = 12; shift >= 0; shift -= 4)
            shown += kDigits[(unit >> shift) & 0xF];
    }
    return shown;
}
