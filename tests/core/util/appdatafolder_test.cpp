#include "util/appdatafolder.h"

#include <gtest/gtest.h>

#include "util/fakeenvironment.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace ashtally {
namespace {

namespace fs = std::filesystem;

using testing::FakeEnvironment;

TEST(AppDataFolder, FollowsTheDesktopRules) {
    struct Case {
        const char* Name;
        std::map<std::string, std::string> Environment;
        bool Common;
        std::string Subfolder;
        std::string Expected;
    };
    const std::vector<Case> cases = {
        {"XDG_DATA_HOME first",
         {{"XDG_DATA_HOME", "/x/data"}, {"HOME", "/home/u"}},
         false,
         "Ashtally",
         "/x/data/Ashtally/"},
        {"no doubled separator",
         {{"XDG_DATA_HOME", "/x/data/"}},
         false,
         "Ashtally",
         "/x/data/Ashtally/"},
        {"empty XDG_DATA_HOME",
         {{"XDG_DATA_HOME", ""}, {"HOME", "/home/u"}},
         false,
         "Ashtally",
         "/home/u/.local/share/Ashtally/"},
        {"relative XDG_DATA_HOME",
         {{"XDG_DATA_HOME", "data"}, {"HOME", "/home/u"}},
         false,
         "Ashtally",
         "/home/u/.local/share/Ashtally/"},
        {"HOME only", {{"HOME", "/home/u"}}, false, "Ashtally", "/home/u/.local/share/Ashtally/"},
        {"HOME is the root", {{"HOME", "/"}}, false, "Ashtally", "/.local/share/Ashtally/"},
        {"empty subfolder", {{"HOME", "/home/u/"}}, false, "", "/home/u/.local/share/"},
        {"subfolder with separator",
         {{"HOME", "/home/u"}},
         false,
         "Ashtally/",
         "/home/u/.local/share/Ashtally/"},
        {"nothing", {}, false, "Ashtally", ""},
        {"empty HOME", {{"HOME", ""}}, false, "Ashtally", ""},
        {"relative HOME", {{"HOME", "home/u"}}, false, "Ashtally", ""},
        {"common, first absolute entry",
         {{"XDG_DATA_DIRS", "share:/opt/share:/usr/share"}, {"HOME", "/home/u"}},
         true,
         "Ashtally",
         "/opt/share/Ashtally/"},
        {"common with separator", {{"XDG_DATA_DIRS", "/usr/share/"}}, true, "", "/usr/share/"},
        {"common unset", {{"HOME", "/home/u"}}, true, "Ashtally", "/usr/local/share/Ashtally/"},
        {"common without an absolute entry",
         {{"XDG_DATA_DIRS", ":rel:"}},
         true,
         "",
         "/usr/local/share/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Expected,
                  AppDataFolder(false, c.Common, c.Subfolder, FakeEnvironment(c.Environment)));
    }
}

class AppDataFolderOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ashtally-appdata-XXXXXX").string();
        ASSERT_NE(nullptr, ::mkdtemp(pattern.data()));
        m_home = pattern;
    }
    void TearDown() override { fs::remove_all(m_home); }

    std::string m_home;
};

TEST_F(AppDataFolderOnDisk, CreatesTheFolderWithItsParentsOnlyWhenAsked) {
    const auto env = FakeEnvironment({{"HOME", m_home}});
    const std::string expected = m_home + "/.local/share/Ashtally/";

    EXPECT_EQ(expected, AppDataFolder(false, false, "Ashtally", env));
    EXPECT_FALSE(fs::exists(m_home + "/.local"));

    EXPECT_EQ(expected, AppDataFolder(true, false, "Ashtally", env));
    EXPECT_TRUE(fs::is_directory(expected));
    // An existing folder is fine.
    EXPECT_EQ(expected, AppDataFolder(true, false, "Ashtally", env));
}

TEST_F(AppDataFolderOnDisk, AFolderThatCannotBeMadeIsNotAnErrorHere) {
    std::ofstream(m_home + "/file") << "in the way";
    const auto env = FakeEnvironment({{"XDG_DATA_HOME", m_home + "/file/data"}});
    EXPECT_EQ(m_home + "/file/data/Ashtally/", AppDataFolder(true, false, "Ashtally", env));
    EXPECT_FALSE(fs::exists(m_home + "/file/data"));
}

TEST_F(AppDataFolderOnDisk, ReadsTheProcessEnvironmentByDefault) {
    const char* previous = std::getenv("XDG_DATA_HOME");
    const std::string saved = previous ? previous : "";
    ::setenv("XDG_DATA_HOME", m_home.c_str(), 1);
    EXPECT_EQ(m_home + "/Ashtally/", AppDataFolder(false, false, "Ashtally"));
    if (previous) {
        ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_DATA_HOME");
    }
}

} // namespace
} // namespace ashtally
