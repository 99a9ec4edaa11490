#include "settings/ovoptions.h"

#include <gtest/gtest.h>

#include <limits>

#include "settings/inifile.h"
#include "settings/options.h"
#include "tempfolder.h"
#include "util/errors.h"
#include "util/fileio.h"
#include "util/numberedstrings.h"

namespace ashtally {
namespace {

using testing::TempFolder;

// Short default texts, so that a whole file can be written out in a test; the Today text keeps
// its line breaks to show their escaping.
class ShortStrings : public StringSource {
public:
    std::string Get(int id) const override {
        if (id == sDefaultStats) {
            return "Hi <name>\r\n\r\nbye\r\n";
        }
        return "text " + std::to_string(id);
    }
};

// An option set with the program's options, whose messages are kept for the test to read.
class OptionsTest : public ::testing::Test {
protected:
    OptionsTest() : options(strings, "/opt/ashtally") {
        options.SetMessageHandler([this](const std::string& m) { messages.push_back(m); });
    }

    void Load(const std::string& text) {
        IniFile ini = IniFile::FromText(text);
        options.LoadFromIni(ini);
    }

    std::string Saved(const std::string& text = "") {
        IniFile ini = IniFile::FromText(text);
        options.SaveToIni(ini);
        return ini.Text();
    }

    ShortStrings strings;
    TOptions options;
    std::vector<std::string> messages;
};

TEST(OptionEscapingTest, EscapesAndReadsBack) {
    struct Case {
        std::string Plain;
        std::string Escaped;
    };
    const std::vector<Case> cases = {
        {"a=b [x] 50%", "a%3Db %5Bx%5D 50%25"},
        {"first\r\nsecond\r\n", "first%0D%0Asecond%0D%0A"},
        {"tab\there\x1F", "tab%09here%1F"},
        {std::string("nul\0end", 7), "nul%00end"},
        {"\"quoted\"; semicolon", "\"quoted\"; semicolon"},
        {"   leading blanks", "   leading blanks"},
        {";starts like a comment", ";starts like a comment"},
        {"Ζωή <name>|~\x7F", "Ζωή <name>|~\x7F"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscapeOptionText(c.Plain), c.Escaped);
        EXPECT_EQ(UnescapeOptionText(c.Escaped), c.Plain);
    }
}

TEST(OptionEscapingTest, ReadsHandEditedPercentSignsAsTheyStand) {
    struct Case {
        const char* Stored;
        const char* Read;
    };
    const std::vector<Case> cases = {
        {"50%", "50%"},     {"50%4", "50%4"},   {"%", "%"},   {"%zz", "%zz"},
        {"%4g%41", "%4gA"}, {"%%41", "%A"},     {"%3d", "="}, {"%e2%82%ac", "€"},
        {"100%%", "100%%"}, {"%0D%0A", "\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UnescapeOptionText(c.Stored), c.Read) << c.Stored;
    }
}

TEST(OptionValueTest, ConvertsBetweenTypes) {
    EXPECT_EQ(ValueToInteger(12.5), 12);
    EXPECT_EQ(ValueToInteger(13.5), 14);
    EXPECT_EQ(ValueToInteger(-2.5), -2);
    EXPECT_EQ(ValueToInteger(std::string("13.5")), 14);
    EXPECT_EQ(ValueToInteger(std::string(" 7 ")), 7);
    EXPECT_EQ(ValueToInteger(std::string("abc")), std::nullopt);
    EXPECT_EQ(ValueToInteger(3.0e9), std::nullopt);
    EXPECT_EQ(ValueToInteger(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(ValueToInteger(true), 1);
    EXPECT_EQ(ValueToInteger(OptionValue{}), 0);

    EXPECT_EQ(ValueToBoolean(std::string("true")), true);
    EXPECT_EQ(ValueToBoolean(std::string("FALSE")), false);
    EXPECT_EQ(ValueToBoolean(std::string("yes")), std::nullopt);
    EXPECT_EQ(ValueToBoolean(std::string("")), std::nullopt);
    EXPECT_EQ(ValueToBoolean(std::int32_t{2}), true);

    EXPECT_EQ(ValueToReal(std::string("2,5")), 2.5);
    EXPECT_EQ(ValueToReal(std::string("2.5"), ","), 2.5);
    EXPECT_EQ(ValueToReal(std::string("x")), std::nullopt);
    EXPECT_EQ(ValueToReal(std::int32_t{-3}), -3.0);

    EXPECT_EQ(ValueToMoney(3.5), 35000);
    EXPECT_EQ(ValueToMoney(std::string("1.2345")), 12345);
    EXPECT_EQ(ValueToMoney(1.0e15), std::nullopt);
    EXPECT_EQ(ValueToMoney(std::numeric_limits<double>::quiet_NaN()), std::nullopt);

    EXPECT_EQ(ValueToText(true), "True");
    EXPECT_EQ(ValueToText(std::int32_t{-30}), "-30");
    EXPECT_EQ(ValueToText(100.0), "100");
    EXPECT_EQ(ValueToText(2.5, ","), "2,5");
    EXPECT_EQ(ValueToText(OptionValue{}), "");

    EXPECT_EQ(ValueToMemoText(std::string("a\rb\nc\r\nd\n\r")), "a\r\nb\r\nc\r\nd\r\n\r\n");
}

TEST_F(OptionsTest, HoldsEveryDefaultFromConstruction) {
    for (int index = 0; index < kOptionCount; ++index) {
        EXPECT_NE(options.GetValue(index).index(), 0u) << "slot " << index << " is empty";
    }
    for (const int index : {ocbDo72, ocbDoCigs, ocbMoney, ocbLife, ocbDays, ocbMonths, ocbYear}) {
        EXPECT_TRUE(options.GetBool(index)) << index;
    }
    EXPECT_EQ(options.GetInt(oedCigsNum), 500);
    EXPECT_EQ(options.GetReal(oedMoneyCount), 100.0);
    EXPECT_EQ(options.GetReal(oedInterest), 3.0);
    EXPECT_EQ(options.GetInt(oedLifeNum), 1);
    EXPECT_EQ(options.GetReal(oedMinCig), 5.0);
    EXPECT_EQ(options.GetInt(oedDaysNum), 100);
    EXPECT_EQ(options.GetInt(oedMonthNum), 1);
    EXPECT_EQ(options.GetInt(oUpdateTimer), 30000);
    EXPECT_EQ(options.GetStr(oedDo72), "text 65168");
    EXPECT_EQ(options.GetStr(omemQuitReasons), "text 65175");
    EXPECT_EQ(options.GetStr(omemLinks),
              "Ashtally Help file (offline),/opt/ashtally/Ashtally.html\r\ntext 65177");
    EXPECT_EQ(options.Version, 0);
    EXPECT_EQ(options.Declarations().size(), 27u);
}

TEST(OptionsDefaultsTest, TheEnglishLinksListTheHelpFileFirst) {
    const TOptions options(EnglishStrings(), "/usr/lib/ashtally/");
    const std::string links = options.GetStr(omemLinks);
    EXPECT_EQ(links, "Ashtally Help file (offline),/usr/lib/ashtally/Ashtally.html\r\n" +
                         std::string(EnglishString(sDefaultLinks)));
    EXPECT_EQ(options.GetStr(omemStats), EnglishString(sDefaultStats));
}

TEST_F(OptionsTest, ReadsBeyondTheSlotsAsEmptyAndGrowsOnWrite) {
    EXPECT_EQ(options.GetInt(40), 0);
    EXPECT_EQ(options.GetStr(40), "");
    EXPECT_FALSE(options.GetBool(40));
    EXPECT_EQ(options.GetReal(40), 0.0);
    EXPECT_EQ(options.GetValue(-1).index(), 0u);

    options.SetInt(40, 7);
    EXPECT_EQ(options.GetInt(40), 7);
    EXPECT_EQ(options.GetValue(39).index(), 0u) << "the slots grown over stay empty";
    EXPECT_EQ(options.GetStr(39), "");

    options.SetStr(39, "abc");
    EXPECT_THROW(options.GetInt(39), EConvertError);
}

TEST_F(OptionsTest, LoadsWhatItCanAndReportsTheRest) {
    struct Case {
        const char* Name;
        const char* Text;
        std::vector<std::string> Messages;
        std::function<bool(const TOptions&)> Holds;
    };
    const std::vector<Case> cases = {
        {"a number that is not one keeps the default",
         "[Options]\r\nedCigsNum=abc\r\n",
         {"P5 edCigsNum"},
         [](const TOptions& o) { return o.GetInt(oedCigsNum) == 500; }},
        {"only False switches off",
         "[Options]\r\ncbDo72=maybe\r\ncbDoCigs=false\r\n",
         {},
         [](const TOptions& o) { return o.GetBool(ocbDo72) && !o.GetBool(ocbDoCigs); }},
        {"section and key in any case",
         "[OPTIONS]\r\nCBDO72=False\r\n",
         {},
         [](const TOptions& o) { return !o.GetBool(ocbDo72); }},
        {"blanks around = make another key",
         "[Options]\r\ncbDo72 = False\r\n",
         {},
         [](const TOptions& o) { return o.GetBool(ocbDo72); }},
        {"unknown keys, lines without =, other sections",
         "[Options]\r\nFoo=1\r\ncbDo72\r\n"
         "[Other]\r\ncbDo72=False\r\n",
         {},
         [](const TOptions& o) { return o.GetBool(ocbDo72); }},
        {"values kept as written, escapes decoded",
         "[Options]\r\nmemStats= a%0D%0Ab \r\nedDo72=\r\n",
         {},
         [](const TOptions& o) {
             return o.GetStr(omemStats) == " a\r\nb " && o.GetStr(oedDo72).empty();
         }},
        {"numbers with either separator",
         "[Options]\r\nedMinCig=2,5\r\nedInterest=0.25\r\n",
         {},
         [](const TOptions& o) {
             return o.GetReal(oedMinCig) == 2.5 && o.GetReal(oedInterest) == 0.25;
         }},
        {"one bad value does not stop the others",
         "[Options]\r\nedInterest=lots\r\nUpdateTimer=99999999999\r\nedDaysNum=7\r\n",
         {"P5 edInterest", "P5 UpdateTimer"},
         [](const TOptions& o) {
             return o.GetReal(oedInterest) == 3.0 && o.GetInt(oUpdateTimer) == 30000 &&
                    o.GetInt(oedDaysNum) == 7;
         }},
        {"the last of two lines wins",
         "[Options]\r\nedDaysNum=1\r\nEDDAYSNUM=2\r\n",
         {},
         [](const TOptions& o) { return o.GetInt(oedDaysNum) == 2; }},
        {"Version is read into its field",
         "[Options]\r\nVersion=7\r\n",
         {},
         [](const TOptions& o) { return o.Version == 7; }},
        {"a Version that is no number",
         "[Options]\r\nVersion=one\r\n",
         {"P5 Version"},
         [](const TOptions& o) { return o.Version == 0; }},
        {"no section",
         "[Placement]\r\nedCigsNum=1\r\n",
         {},
         [](const TOptions& o) { return o.GetInt(oedCigsNum) == 500; }},
    };
    for (const Case& c : cases) {
        TOptions fresh(strings, "/opt/ashtally");
        std::vector<std::string> reported;
        fresh.SetMessageHandler([&](const std::string& m) { reported.push_back(m); });
        IniFile ini = IniFile::FromText(c.Text);
        fresh.LoadFromIni(ini);
        EXPECT_EQ(reported, c.Messages) << c.Name;
        EXPECT_TRUE(c.Holds(fresh)) << c.Name;
        EXPECT_FALSE(ini.Modified()) << c.Name;
    }
}

TEST_F(OptionsTest, MaybeSwitchesAnOptionBackOn) {
    options.SetBool(ocbDo72, false);
    Load("[Options]\r\ncbDo72=maybe\r\n");
    EXPECT_TRUE(options.GetBool(ocbDo72));
}

TEST_F(OptionsTest, ANewFileListsVersionThenEveryOptionInIndexOrder) {
    EXPECT_EQ(Saved(), "[Options]\r\n"
                       "Version=1\r\n"
                       "cbDo72=True\r\n"
                       "edDo72=text 65168\r\n"
                       "cbDoCigs=True\r\n"
                       "edCigsNum=500\r\n"
                       "edDoCigs=text 65169\r\n"
                       "cbMoney=True\r\n"
                       "edMoneyCount=100\r\n"
                       "edInterest=3\r\n"
                       "edMoney=text 65170\r\n"
                       "cbLife=True\r\n"
                       "edLifeNum=1\r\n"
                       "edMinCig=5\r\n"
                       "edLife=text 65171\r\n"
                       "cbDays=True\r\n"
                       "edDaysNum=100\r\n"
                       "edDays=text 65172\r\n"
                       "cbMonths=True\r\n"
                       "edMonthNum=1\r\n"
                       "edMonths=text 65173\r\n"
                       "cbYear=True\r\n"
                       "edYear=text 65174\r\n"
                       "memStats=Hi <name>%0D%0A%0D%0Abye%0D%0A\r\n"
                       "memLinks=Ashtally Help file (offline),/opt/ashtally/Ashtally.html"
                       "%0D%0Atext 65177\r\n"
                       "memClip=text 65178\r\n"
                       "UpdateTimer=30000\r\n"
                       "memQuitReasons=text 65175\r\n"
                       "\r\n");
    EXPECT_EQ(options.Version, 1);
}

TEST_F(OptionsTest, SavingKeepsTheRestOfTheFileAndTheOrderOfItsKeys) {
    const std::string saved = Saved("; written by hand\r\n"
                                    "[Placement]\r\nLeft=10\r\nmaximized=1\r\n"
                                    "[options]\r\nmemQuitReasons=old\r\nOldKey=kept\r\n"
                                    "UPDATETIMER=60000\r\n; a comment\r\n"
                                    "[After]\r\nx=1\r\n");
    const std::string expectedStart = "[Placement]\r\nLeft=10\r\nmaximized=1\r\n\r\n"
                                      "[options]\r\nmemQuitReasons=text 65175\r\nOldKey=kept\r\n"
                                      "UpdateTimer=30000\r\nVersion=1\r\ncbDo72=True\r\n";
    EXPECT_EQ(saved.substr(0, expectedStart.size()), expectedStart);
    const std::string expectedEnd = "memLinks=Ashtally Help file (offline),/opt/ashtally/"
                                    "Ashtally.html%0D%0Atext 65177\r\nmemClip=text 65178\r\n\r\n"
                                    "[After]\r\nx=1\r\n\r\n";
    EXPECT_EQ(saved.substr(saved.size() - expectedEnd.size()), expectedEnd);
}

TEST_F(OptionsTest, RealsFollowTheLocaleAndReadBack) {
    const TempFolder folder;
    const std::string path = folder.File("options.ini");
    for (const std::string separator : {".", ","}) {
        options.SetDecimalSeparator(separator);
        options.SetReal(oedMinCig, 2.5);
        options.SetReal(oedInterest, 0.1 + 0.2);
        options.SaveToFile(path);
        const std::string text = ReadFileBytes(path);
        EXPECT_NE(text.find("edMinCig=2" + separator + "5\r\n"), std::string::npos) << text;
        EXPECT_NE(text.find("edInterest=0" + separator + "3\r\n"), std::string::npos) << text;

        TOptions loaded(strings, "/");
        loaded.SetDecimalSeparator(separator);
        loaded.LoadFromFile(path);
        EXPECT_EQ(loaded.GetReal(oedMinCig), 2.5);
        EXPECT_DOUBLE_EQ(loaded.GetReal(oedInterest), 0.3);
    }
}

TEST_F(OptionsTest, EveryValueSurvivesAFile) {
    const TempFolder folder;
    const std::string path = folder.File("options.ini");
    options.SetBool(ocbMonths, false);
    options.SetInt(oedCigsNum, -250);
    options.SetReal(oedMoneyCount, 12.75);
    options.SetStr(omemQuitReasons, "My kids.\r\nMy lungs = 50% better [really]\r\n");
    options.SetStr(omemStats, "  \"Ζωή\"; ώρες\t\r\n");
    options.SetStr(omemLinks, "");
    options.SaveToFile(path);

    TOptions loaded(strings, "/elsewhere");
    loaded.LoadFromFile(path);
    for (const OptionDeclaration& option : options.Declarations()) {
        EXPECT_EQ(loaded.OptionValueOf(option), options.OptionValueOf(option)) << option.Key;
    }
}

TEST_F(OptionsTest, LoadingAMissingFileKeepsTheDefaultsAndWritesNothing) {
    const TempFolder folder;
    const std::string path = folder.File("options.ini");
    options.LoadFromFile(path);
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(options.GetInt(oedCigsNum), 500);

    const std::string handWritten = "[Options]\nedCigsNum=42\n;note\n";
    folder.Write("options.ini", handWritten);
    options.LoadFromFile(path);
    EXPECT_EQ(options.GetInt(oedCigsNum), 42);
    EXPECT_EQ(ReadFileBytes(path), handWritten);
}

TEST_F(OptionsTest, SavingWhereNoFileCanBeWrittenRaisesAFileError) {
    const TempFolder folder;
    EXPECT_THROW(options.SaveToFile(folder.File("missing/options.ini")), EFileError);
    EXPECT_THROW(options.SaveToFile(folder.File("")), EFileError);
}

TEST_F(OptionsTest, AChangeSurvivesAKeyListedTwiceByHand) {
    const TempFolder folder;
    const std::string path =
        folder.Write("options.ini", "[Options]\r\nedCigsNum=100\r\nedCigsNum=200\r\n");
    options.LoadFromFile(path);
    EXPECT_EQ(options.GetInt(oedCigsNum), 200) << "the line added last is the one meant";

    options.SetInt(oedCigsNum, 300);
    options.SaveToFile(path);
    TOptions loaded(strings, "/");
    loaded.LoadFromFile(path);
    EXPECT_EQ(loaded.GetInt(oedCigsNum), 300);
}

// A set that shares some keys with the program's, under other types.
class OtherOptions : public TOVOptions {
public:
    OtherOptions() {
        DeclareOption("EDCIGSNUM", 0, OptionType::String);
        DeclareOption("cbDo72", 1, OptionType::String);
        DeclareOption("edMinCig", 2, OptionType::Integer);
        DeclareOption("Unrelated", 3, OptionType::Real);
        SetDefaults();
    }
    void SetDefaults() override {
        SetStr(0, "42");
        SetStr(1, "nope");
        SetInt(2, 3);
        SetReal(3, 1.5);
    }
};

TEST_F(OptionsTest, AssignCopiesOptionsOfTheSameKeyConvertingThem) {
    OtherOptions other;
    other.Version = 9;
    options.Assign(other);
    EXPECT_EQ(options.GetInt(oedCigsNum), 42);
    EXPECT_TRUE(options.GetBool(ocbDo72)) << "a text that is no Boolean leaves the option";
    EXPECT_EQ(options.GetReal(oedMinCig), 3.0);
    EXPECT_EQ(options.Version, 9);
    EXPECT_EQ(messages, std::vector<std::string>{"P5 cbDo72"});

    options.SetReal(oedMinCig, 12.5);
    options.SetBool(ocbDo72, false);
    other.Assign(options);
    EXPECT_EQ(other.GetInt(2), 12);
    EXPECT_EQ(other.GetStr(1), "False");
    EXPECT_EQ(other.GetStr(0), "42");
    EXPECT_EQ(other.GetReal(3), 1.5);

    TOptions copy(EnglishStrings(), "/");
    copy.Assign(options);
    EXPECT_EQ(copy.GetStr(oedDo72), "text 65168");
}

} // namespace
} // namespace ashtally
