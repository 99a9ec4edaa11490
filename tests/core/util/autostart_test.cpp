#include "util/autostart.h"
#include "util/errors.h"
#include "util/fileio.h"

#include <gtest/gtest.h>

#include "util/fakeenvironment.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace ashtally {
namespace {

namespace fs = std::filesystem;

using testing::FakeEnvironment;

TEST(AutostartEntryPath, FollowsTheDesktopRules) {
    struct Case {
        const char* Name;
        std::map<std::string, std::string> Environment;
        std::string Expected;
    };
    const std::vector<Case> cases = {
        {"XDG_CONFIG_HOME first",
         {{"XDG_CONFIG_HOME", "/x/config"}, {"HOME", "/home/u"}},
         "/x/config/autostart/Ashtally.desktop"},
        {"no doubled separator",
         {{"XDG_CONFIG_HOME", "/x/config/"}},
         "/x/config/autostart/Ashtally.desktop"},
        {"relative XDG_CONFIG_HOME ignored",
         {{"XDG_CONFIG_HOME", "config"}, {"HOME", "/home/u"}},
         "/home/u/.config/autostart/Ashtally.desktop"},
        {"empty XDG_CONFIG_HOME ignored",
         {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u"}},
         "/home/u/.config/autostart/Ashtally.desktop"},
        {"nothing usable", {{"XDG_CONFIG_HOME", "x"}, {"HOME", "home"}}, ""},
        {"nothing set", {}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.Expected, AutostartEntryPath(FakeEnvironment(c.Environment))) << c.Name;
    }
}

// A configuration folder of its own for each test, named by XDG_CONFIG_HOME.
class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ashtally-autostart-XXXXXX").string();
        ASSERT_NE(nullptr, ::mkdtemp(pattern.data()));
        m_config = pattern;
        m_env = FakeEnvironment({{"XDG_CONFIG_HOME", m_config}, {"HOME", "/nonexistent"}});
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_config, ignored);
    }

    std::string EntryPath() const { return m_config + "/autostart/Ashtally.desktop"; }

    void PutEntry(const std::string& bytes) const {
        fs::create_directories(m_config + "/autostart");
        WriteFileAtomically(EntryPath(), bytes);
    }

    std::string m_config;
    EnvironmentLookup m_env;
};

TEST_F(AutostartTest, WritesACompleteEntryInANewFolder) {
    ASSERT_FALSE(fs::exists(m_config + "/autostart"));
    WriteAutostartEntry("/usr/bin/ashtally", m_env);
    EXPECT_EQ("[Desktop Entry]\n"
              "Type=Application\n"
              "Version=1.5\n"
              "Name=Ashtally\n"
              "Comment=A companion for people who have stopped smoking\n"
              "Exec=/usr/bin/ashtally\n"
              "Icon=ashtally\n"
              "Terminal=false\n"
              "X-GNOME-Autostart-enabled=true\n",
              ReadFileBytes(EntryPath()));
    EXPECT_EQ("/usr/bin/ashtally", ReadAutostartProgram(m_env));

    // Writing again replaces the entry.
    WriteAutostartEntry("/opt/ashtally/ashtally", m_env);
    EXPECT_EQ("/opt/ashtally/ashtally", ReadAutostartProgram(m_env));
}

TEST_F(AutostartTest, AnyPathSurvivesTheExecQuoting) {
    struct Case {
        std::string Path;
        std::string ExecLine; // empty: only the round trip is checked
    };
    const std::vector<Case> cases = {
        {"/usr/bin/ashtally", "Exec=/usr/bin/ashtally"},
        {"/opt/My Programs/ashtally", "Exec=\"/opt/My Programs/ashtally\""},
        // "$" and "\" are escaped for the quoting, and the backslash once more for the file.
        {"/opt/a$b/ashtally", R"(Exec="/opt/a\\$b/ashtally")"},
        {"/opt/a\\b/ashtally", R"(Exec="/opt/a\\\\b/ashtally")"},
        {"/opt/say \"hi\"/ashtally", R"(Exec="/opt/say \\"hi\\"/ashtally")"},
        {"/opt/50%/ashtally", "Exec=/opt/50%%/ashtally"},
        {"/opt/50% off/ashtally", "Exec=\"/opt/50%% off/ashtally\""},
        {"/opt/`x` 'y' (z) #1 ~ & | ; * ? < >/ashtally", ""},
        {"/opt/tab\there/new\nline/cr\rhere/ashtally", ""},
        {"/home/Γιώργος/Προγράμματα/ashtally", "Exec=/home/Γιώργος/Προγράμματα/ashtally"},
        {"/opt/trailing \\", ""},
    };
    for (const Case& c : cases) {
        WriteAutostartEntry(c.Path, m_env);
        EXPECT_EQ(c.Path, ReadAutostartProgram(m_env)) << c.Path;
        EXPECT_TRUE(AutostartStartsProgram(c.Path, m_env)) << c.Path;
        if (!c.ExecLine.empty()) {
            EXPECT_NE(std::string::npos, ReadFileBytes(EntryPath()).find("\n" + c.ExecLine + "\n"))
                << c.Path;
        }
    }
}

TEST_F(AutostartTest, ReadsEntriesWrittenByOthers) {
    struct Case {
        const char* Name;
        std::string Entry;
        std::optional<std::string> Expected;
    };
    const std::vector<Case> cases = {
        {"CR LF lines, spaces around =, comments",
         "# made by hand\r\n[Desktop Entry]\r\nName=Ashtally\r\nExec = /opt/ashtally \r\n",
         "/opt/ashtally"},
        {"arguments after the program", "[Desktop Entry]\nExec=/opt/ashtally --quiet %u\n",
         "/opt/ashtally"},
        {"quoted program with arguments", "[Desktop Entry]\nExec=\"/opt/my ashtally\" --quiet\n",
         "/opt/my ashtally"},
        {"a single backslash before $ in quotes", "[Desktop Entry]\nExec=\"/opt/a\\$b\"\n",
         "/opt/a$b"},
        {"\\s escape", "[Desktop Entry]\nExec=\"/opt/a\\sb\"\n", "/opt/a b"},
        {"switched on explicitly",
         "[Desktop Entry]\nExec=/opt/ashtally\nHidden=false\nX-GNOME-Autostart-enabled=true\n",
         "/opt/ashtally"},
        {"hidden", "[Desktop Entry]\nExec=/opt/ashtally\nHidden=true\n", std::nullopt},
        {"disabled", "[Desktop Entry]\nExec=/opt/ashtally\nX-GNOME-Autostart-enabled=false\n",
         std::nullopt},
        {"no Exec", "[Desktop Entry]\nName=Ashtally\n", std::nullopt},
        {"empty Exec", "[Desktop Entry]\nExec=\n", std::nullopt},
        {"Exec in another group only",
         "[Desktop Entry]\nName=Ashtally\n[Desktop Action Quit]\nExec=/opt/ashtally\n",
         std::nullopt},
        {"a quote left open", "[Desktop Entry]\nExec=\"/opt/ashtally\n", std::nullopt},
        {"not a desktop entry", "Exec=/opt/ashtally\n", std::nullopt},
        {"empty file", "", std::nullopt},
    };
    for (const Case& c : cases) {
        PutEntry(c.Entry);
        EXPECT_EQ(c.Expected, ReadAutostartProgram(m_env)) << c.Name;
    }
}

TEST_F(AutostartTest, ComparesIgnoringAsciiLetterCase) {
    WriteAutostartEntry("/Opt/Ashtally/ashtally", m_env);
    EXPECT_TRUE(AutostartStartsProgram("/opt/ASHTALLY/Ashtally", m_env));
    EXPECT_FALSE(AutostartStartsProgram("/opt/ashtally/ashtally2", m_env));
    // The program moved: the entry still names the old place.
    EXPECT_FALSE(AutostartStartsProgram("/home/u/ashtally/ashtally", m_env));

    // Only ASCII letters are folded.
    WriteAutostartEntry("/opt/é/ashtally", m_env);
    EXPECT_FALSE(AutostartStartsProgram("/opt/É/ashtally", m_env));

    PutEntry("[Desktop Entry]\nExec=/opt/ashtally\nHidden=true\n");
    EXPECT_FALSE(AutostartStartsProgram("/opt/ashtally", m_env));
}

TEST_F(AutostartTest, AMissingEntryStartsNothing) {
    EXPECT_EQ(std::nullopt, ReadAutostartProgram(m_env));
    EXPECT_FALSE(AutostartStartsProgram("/opt/ashtally", m_env));
    EXPECT_FALSE(AutostartStartsProgram("/opt/ashtally", FakeEnvironment({})));
}

TEST_F(AutostartTest, DeletesTheEntryAndReportsAMissingOne) {
    WriteAutostartEntry("/opt/ashtally", m_env);
    DeleteAutostartEntry(m_env);
    EXPECT_FALSE(fs::exists(EntryPath()));
    EXPECT_EQ(std::nullopt, ReadAutostartProgram(m_env));

    try {
        DeleteAutostartEntry(m_env);
        FAIL() << "deleting a missing entry must fail";
    } catch (const EFileError& error) {
        EXPECT_EQ("The autostart entry \"" + EntryPath() + "\" does not exist.", error.what());
    }
}

TEST_F(AutostartTest, FailuresNameTheEntry) {
    // No folder to keep the entry in.
    EXPECT_THROW(WriteAutostartEntry("/opt/ashtally", FakeEnvironment({})), EFileError);
    EXPECT_THROW(DeleteAutostartEntry(FakeEnvironment({{"HOME", "relative"}})), EFileError);

    // The autostart folder cannot be made: a file stands in its place.
    WriteFileAtomically(m_config + "/autostart", "not a folder");
    try {
        WriteAutostartEntry("/opt/ashtally", m_env);
        FAIL() << "writing must fail";
    } catch (const EFileError& error) {
        EXPECT_EQ(0u, std::string(error.what())
                          .rfind("Cannot write the autostart entry \"" + EntryPath() + "\". ", 0))
            << error.what();
    }
    EXPECT_THROW(DeleteAutostartEntry(m_env), EFileError);
    fs::remove(m_config + "/autostart");

    // The entry's name is taken by a folder: neither replaced nor deleted.
    fs::create_directories(EntryPath());
    try {
        WriteAutostartEntry("/opt/ashtally", m_env);
        FAIL() << "writing must fail";
    } catch (const EFileError& error) {
        const std::string message = error.what();
        EXPECT_EQ(0u,
                  message.rfind("Cannot write the autostart entry \"" + EntryPath() + "\". ", 0))
            << message;
        // The entry is named once, followed by the reason alone.
        EXPECT_EQ(message.find(EntryPath()), message.rfind(EntryPath())) << message;
    }
    try {
        DeleteAutostartEntry(m_env);
        FAIL() << "deleting must fail";
    } catch (const EFileError& error) {
        EXPECT_EQ(0u, std::string(error.what())
                          .rfind("Cannot delete the autostart entry \"" + EntryPath() + "\". ", 0))
            << error.what();
    }
    EXPECT_TRUE(fs::is_directory(EntryPath()));
}

} // namespace
} // namespace ashtally
