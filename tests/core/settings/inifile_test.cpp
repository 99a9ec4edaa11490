#include "settings/inifile.h"

#include <gtest/gtest.h>

#include "tempfolder.h"
#include "util/errors.h"
#include "util/fileio.h"

namespace ashtally {
namespace {

using testing::TempFolder;

TEST(IniFileTest, ReadsLinesIntoSections) {
    struct Case {
        const char* Name;
        const char* Text;
        const char* Expected; // the object's text as Save() writes it
    };
    const std::vector<Case> cases = {
        {"every kind of line break", "[A]\r\na=1\rb=2\nc=3\r\n",
         "[A]\r\na=1\r\nb=2\r\nc=3\r\n\r\n"},
        {"LF CR is two breaks", "[A]\na=1\n\rb=2", "[A]\r\na=1\r\nb=2\r\n\r\n"},
        {"empty lines and comments dropped", "[A]\r\n\r\n;note\r\na=1\r\n;x=2\r\n",
         "[A]\r\na=1\r\n\r\n"},
        {"a comment only at the first character", "[A]\r\n ;kept\r\n", "[A]\r\n ;kept\r\n\r\n"},
        {"lines before the first section dropped", "x=1\r\n;c\r\ny\r\n[A]\r\na=1",
         "[A]\r\na=1\r\n\r\n"},
        {"blanks around a name trimmed", "[  Options \t]\r\na=1", "[Options]\r\na=1\r\n\r\n"},
        {"other lines kept as they stand", "[A]\r\n  a = 1 \r\nno equals\r\n=v\r\n[b\r\nc]\r\n",
         "[A]\r\n  a = 1 \r\nno equals\r\n=v\r\n[b\r\nc]\r\n\r\n"},
        {"an empty name", "[]\r\na=1\r\n", "[]\r\na=1\r\n\r\n"},
        {"a name seen twice keeps both sections", "[A]\r\na=1\r\n[B]\r\n[a]\r\na=2\r\n",
         "[A]\r\na=1\r\n\r\n[B]\r\n\r\n[a]\r\na=2\r\n\r\n"},
        {"a byte order mark is not part of the first line", "\xEF\xBB\xBF[A]\r\na=1\r\n",
         "[A]\r\na=1\r\n\r\n"},
        {"UTF-8 kept", "[Ζ]\r\nκλειδί=τιμή\r\n", "[Ζ]\r\nκλειδί=τιμή\r\n\r\n"},
        {"nothing", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IniFile::FromText(c.Text).Text(), c.Expected) << c.Name;
    }
}

TEST(IniFileTest, SectionsAndKeysIgnoreAsciiCase) {
    const IniFile ini = IniFile::FromText("[Options]\r\ncbDo72=True\r\nCBDO72=False\r\n"
                                          "[Ω]\r\nω=1\r\n[Options]\r\nedDo72=x\r\n");
    EXPECT_EQ(ini.ReadSection("OPTIONS"),
              (std::vector<std::string>{"cbDo72=True", "CBDO72=False"}));
    EXPECT_EQ(ini.ReadString("options", "CBDO72"), "True");
    EXPECT_EQ(ini.ReadString("Options", "edDo72"), std::nullopt) << "only the first section";
    EXPECT_TRUE(ini.SectionExists("ω") == false) << "only ASCII letters ignore their case";
    EXPECT_TRUE(ini.SectionExists("Ω"));
    EXPECT_TRUE(ini.ReadSection("Missing").empty());
    EXPECT_EQ(ini.ReadString("Missing", "a"), std::nullopt);
}

TEST(IniFileTest, WriteReplacesTheFirstLineOfTheKeyOrAppends) {
    struct Case {
        const char* Name;
        const char* Section;
        const char* Key;
        const char* Expected;
    };
    const char* original = "[Placement]\r\nLeft=10\r\n[Options]\r\nA=1\r\nnokey\r\nb=2\r\nB=3\r\n";
    const std::vector<Case> cases = {
        {"first line of the key replaced in the writer's spelling, later ones dropped", "options",
         "b", "[Placement]\r\nLeft=10\r\n\r\n[Options]\r\nA=1\r\nnokey\r\nb=v\r\n\r\n"},
        {"new key at the end of its section", "Options", "c",
         "[Placement]\r\nLeft=10\r\n\r\n[Options]\r\nA=1\r\nnokey\r\nb=2\r\nB=3\r\nc=v\r\n\r\n"},
        {"a line without \"=\" has no key", "Options", "nokey",
         "[Placement]\r\nLeft=10\r\n\r\n[Options]\r\nA=1\r\nnokey\r\nb=2\r\nB=3\r\nnokey="
         "v\r\n\r\n"},
        {"new section after the others", "New", "k",
         "[Placement]\r\nLeft=10\r\n\r\n[Options]\r\nA=1\r\nnokey\r\nb=2\r\nB=3\r\n\r\n"
         "[New]\r\nk=v\r\n\r\n"},
    };
    for (const Case& c : cases) {
        IniFile ini = IniFile::FromText(original);
        EXPECT_FALSE(ini.Modified());
        ini.WriteString(c.Section, c.Key, "v");
        EXPECT_TRUE(ini.Modified()) << c.Name;
        EXPECT_EQ(ini.Text(), c.Expected) << c.Name;
    }
}

TEST(IniFileTest, SavesTheWholeFileOnlyAfterAWrite) {
    const TempFolder folder;
    const std::string original = ";hand-written\n[Placement]\nLeft=10\n\n[Options]\nA=1\n";
    const std::string path = folder.Write("options.ini", original);

    IniFile untouched(path);
    untouched.Save();
    EXPECT_EQ(ReadFileBytes(path), original) << "nothing written, nothing saved";

    IniFile ini(path);
    ini.WriteString("Options", "A", "1");
    ini.Save();
    EXPECT_EQ(ReadFileBytes(path), "[Placement]\r\nLeft=10\r\n\r\n[Options]\r\nA=1\r\n\r\n");
    EXPECT_FALSE(ini.Modified());
}

TEST(IniFileTest, AMissingFileIsEmptyAndIsCreatedOnlyWhenWritten) {
    const TempFolder folder;
    const std::string path = folder.File("options.ini");

    IniFile empty(path);
    EXPECT_TRUE(empty.Sections().empty());
    empty.Save();
    EXPECT_FALSE(FileExists(path));

    empty.WriteString("Options", "Version", "1");
    empty.Save();
    EXPECT_EQ(ReadFileBytes(path), "[Options]\r\nVersion=1\r\n\r\n");
}

TEST(IniFileTest, FailingToSaveRaisesAFileErrorAndStaysModified) {
    const TempFolder folder;
    IniFile ini(folder.File("no-such-folder/options.ini"));
    ini.WriteString("Options", "A", "1");
    EXPECT_THROW(ini.Save(), EFileError);
    EXPECT_TRUE(ini.Modified());

    IniFile inMemory = IniFile::FromText("[A]\r\n");
    inMemory.WriteString("A", "k", "v");
    EXPECT_THROW(inMemory.Save(), EFileError);
}

TEST(IniFileTest, AFolderInPlaceOfTheFileCannotBeRead) {
    const TempFolder folder;
    EXPECT_THROW(IniFile ini(folder.File("")), EFileError);
}

} // namespace
} // namespace ashtally
