#include "import/private_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

#include "import/source.h"

namespace listimport {

PrivateFolder::PrivateFolder()
{
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error)
        base = "/tmp";
    std::string name = (base / "lernwerk-import-XXXXXX").string();
    // mkdtemp makes the folder with mode 0700.
    if (::mkdtemp(name.data()) == nullptr)
        throw ImportError(ImportError::Kind::Unreadable,
                          std::string("no temporary folder to unpack into: ") + std::strerror(errno));
    path_ = name;
}

PrivateFolder::~PrivateFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace listimport
