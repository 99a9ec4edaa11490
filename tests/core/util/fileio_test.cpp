#include "util/errors.h"
#include "util/fileio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace ashtally {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ashtally-fileio-XXXXXX").string();
        ASSERT_NE(nullptr, ::mkdtemp(pattern.data()));
        m_folder = pattern + "/";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(m_folder, ignored);
    }

    std::string Path(const std::string& name) const { return m_folder + name; }

    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }

    // Every name in the folder: a failed write must leave no temporary file behind.
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    static mode_t ModeOf(const std::string& path) {
        struct stat info {};
        EXPECT_EQ(0, ::stat(path.c_str(), &info));
        return info.st_mode & 07777;
    }

    std::string m_folder;
};

TEST_F(FileIoTest, WritesANewFileWithTheUsersMask) {
    const mode_t previous = ::umask(022);
    WriteFileAtomically(Path("options.ini"), "[Options]\r\nVersion=1\r\n");
    EXPECT_EQ(0644u, ModeOf(Path("options.ini")));
    ::umask(077);
    WriteFileAtomically(Path("private.ini"), "x");
    EXPECT_EQ(0600u, ModeOf(Path("private.ini")));
    ::umask(previous);

    EXPECT_EQ("[Options]\r\nVersion=1\r\n", ReadFileBytes(Path("options.ini")));
    EXPECT_EQ((std::set<std::string>{"options.ini", "private.ini"}), Names());
}

TEST_F(FileIoTest, ReplacesAFileKeepingItsMode) {
    Put("buddies.csv", "old content that is longer than the new one");
    ::chmod(Path("buddies.csv").c_str(), 0640);
    WriteFileAtomically(Path("buddies.csv"), "new");
    EXPECT_EQ("new", ReadFileBytes(Path("buddies.csv")));
    EXPECT_EQ(0640u, ModeOf(Path("buddies.csv")));
    EXPECT_EQ(std::set<std::string>{"buddies.csv"}, Names());
}

TEST_F(FileIoTest, BytesRoundTripUnchanged) {
    std::string bytes;
    for (int i = 0; i < 300000; ++i) {
        bytes += static_cast<char>(i * 31 % 256); // NULs, CRs and high bytes included
    }
    WriteFileAtomically(Path("big"), bytes);
    EXPECT_EQ(bytes, ReadFileBytes(Path("big")));
    WriteFileAtomically(Path("big"), "");
    EXPECT_EQ("", ReadFileBytes(Path("big")));
}

TEST_F(FileIoTest, AFailedWriteLeavesTheOldFileWholeAndNamesTheFile) {
    // A folder that does not exist.
    const std::string missing = Path("no such folder/options.ini");
    try {
        WriteFileAtomically(missing, "x");
        FAIL() << "no error";
    } catch (const EFileError& e) {
        EXPECT_EQ("Cannot create file \"" + missing + "\". No such file or directory",
                  std::string(e.what()));
    }

    // A target that is a folder: the rename fails after everything was written.
    fs::create_directory(Path("options.ini"));
    Put("options.ini/keep", "inside");
    try {
        WriteFileAtomically(Path("options.ini"), "x");
        FAIL() << "no error";
    } catch (const EFileError& e) {
        EXPECT_EQ("Cannot create file \"" + Path("options.ini") + "\". Is a directory",
                  std::string(e.what()));
    }
    EXPECT_EQ("inside", ReadFileBytes(Path("options.ini/keep")));
    EXPECT_EQ(std::set<std::string>{"options.ini"}, Names());
}

TEST_F(FileIoTest, AReadOnlyFolderStopsTheWrite) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not stop root";
    }
    Put("options.ini", "old");
    fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
    try {
        WriteFileAtomically(Path("options.ini"), "new");
        FAIL() << "no error";
    } catch (const EFileError& e) {
        EXPECT_EQ("Cannot create file \"" + Path("options.ini") + "\". Permission denied",
                  std::string(e.what()));
    }
    EXPECT_EQ("old", ReadFileBytes(Path("options.ini")));
}

TEST_F(FileIoTest, ALinkStaysALinkAndItsTargetGetsTheContent) {
    Put("real.ini", "old");
    fs::create_symlink(Path("real.ini"), Path("options.ini"));
    WriteFileAtomically(Path("options.ini"), "new");
    EXPECT_TRUE(fs::is_symlink(Path("options.ini")));
    EXPECT_EQ("new", ReadFileBytes(Path("real.ini")));
    EXPECT_EQ((std::set<std::string>{"options.ini", "real.ini"}), Names());
}

TEST_F(FileIoTest, ReadingAndTestingMissingFiles) {
    try {
        ReadFileBytes(Path("buddies.csv"));
        FAIL() << "no error";
    } catch (const EFileError& e) {
        EXPECT_EQ("Cannot open file \"" + Path("buddies.csv") + "\". No such file or directory",
                  std::string(e.what()));
    }
    EXPECT_EQ("", ReadFileBytes(Path("buddies.csv"), true));
    EXPECT_FALSE(FileExists(Path("buddies.csv")));

    Put("buddies.csv", "");
    EXPECT_TRUE(FileExists(Path("buddies.csv")));
    fs::create_directory(Path("folder"));
    EXPECT_FALSE(FileExists(Path("folder")));
    EXPECT_THROW(ReadFileBytes(Path("folder")), EFileError);
    EXPECT_THROW(ReadFileBytes(Path("folder"), true), EFileError);
}

} // namespace
} // namespace ashtally
