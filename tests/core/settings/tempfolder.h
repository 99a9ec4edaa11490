#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "util/fileio.h"

namespace ashtally::testing {

// A folder of its own for one test, removed with everything in it when the test ends.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "ashtally-settings-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_path = pattern;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }

    std::string File(const std::string& name) const { return (m_path / name).string(); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string path = File(name);
        WriteFileAtomically(path, bytes);
        return path;
    }

private:
    std::filesystem::path m_path;
};

} // namespace ashtally::testing
