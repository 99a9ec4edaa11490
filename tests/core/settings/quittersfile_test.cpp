#include "settings/quittersfile.h"

#include <cmath>

#include <gtest/gtest.h>

#include "tempfolder.h"
#include "util/errors.h"
#include "util/fileio.h"
#include "util/regional.h"

namespace ashtally {
namespace {

using testing::TempFolder;

Quitter MakeQuitter(std::string name, std::string email, TDateTime quitDate, std::uint32_t perDay,
                    std::uint32_t perPack, Money costPerPack) {
    Quitter q;
    q.Name = std::move(name);
    q.EMail = std::move(email);
    q.QuitDate = quitDate;
    q.CigPerDay = perDay;
    q.CigPerPack = perPack;
    q.CostPerPack = costPerPack;
    return q;
}

void ExpectSameQuitters(const std::vector<Quitter>& actual, const std::vector<Quitter>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].Name, expected[i].Name) << i;
        EXPECT_EQ(actual[i].EMail, expected[i].EMail) << i;
        EXPECT_EQ(actual[i].QuitDate, expected[i].QuitDate) << i;
        EXPECT_EQ(actual[i].CigPerDay, expected[i].CigPerDay) << i;
        EXPECT_EQ(actual[i].CigPerPack, expected[i].CigPerPack) << i;
        EXPECT_EQ(actual[i].CostPerPack, expected[i].CostPerPack) << i;
        EXPECT_EQ(actual[i].MoneySaved, 0) << i;
    }
}

RegionalSettings WithSeparator(const char* separator) {
    RegionalSettings regional;
    regional.DecimalSeparator = separator;
    return regional;
}

TEST(QuittersFileTest, WritesOneQuotedLinePerQuitterAndReadsThemBack) {
    const std::vector<Quitter> quitters = {
        MakeQuitter("User", "", 38353.5, 40, 20, 10000),
        MakeQuitter("Smith, \"Jo\"", "jo@example.com;x@example.org", 38353, 10, 25, 35000),
        MakeQuitter("Ζωή", "", 40000.123456789, 0, 20, 12345),
        MakeQuitter("Owed", "", -1.25, 4000000000u, 1, -5000),
    };
    struct Case {
        const char* Separator;
        const char* Expected;
    };
    const std::vector<Case> cases = {
        {".", "\"User\",\"\",\"38353.5\",\"40\",\"20\",\"1\"\r\n"
              "\"Smith, \"\"Jo\"\"\",\"jo@example.com;x@example.org\",\"38353\",\"10\",\"25\","
              "\"3.5\"\r\n"
              "\"Ζωή\",\"\",\"40000.123456789\",\"0\",\"20\",\"1.2345\"\r\n"
              "\"Owed\",\"\",\"-1.25\",\"4000000000\",\"1\",\"-0.5\"\r\n"},
        {",", "\"User\",\"\",\"38353,5\",\"40\",\"20\",\"1\"\r\n"
              "\"Smith, \"\"Jo\"\"\",\"jo@example.com;x@example.org\",\"38353\",\"10\",\"25\","
              "\"3,5\"\r\n"
              "\"Ζωή\",\"\",\"40000,123456789\",\"0\",\"20\",\"1,2345\"\r\n"
              "\"Owed\",\"\",\"-1,25\",\"4000000000\",\"1\",\"-0,5\"\r\n"},
    };
    const TempFolder folder;
    const std::string path = folder.File("buddies.csv");
    for (const Case& c : cases) {
        WriteQuittersFile(path, quitters, {}, WithSeparator(c.Separator));
        EXPECT_EQ(ReadFileBytes(path), c.Expected) << c.Separator;

        const QuittersFileContents read = ReadQuittersFile(path, WithSeparator(c.Separator));
        EXPECT_TRUE(read.UnreadLines.empty()) << c.Separator;
        ExpectSameQuitters(read.Quitters, quitters);
    }
}

TEST(QuittersFileTest, ATimeOfDayReadsBackWithinAFractionOfAMillisecond) {
    const TempFolder folder;
    const std::string path = folder.File("buddies.csv");
    const TDateTime quitDate = 38353.0 + 1.0 / 3.0 + 1.0 / 86400000.0;
    WriteQuittersFile(path, {MakeQuitter("A", "", quitDate, 1, 1, 1)}, {}, WithSeparator("."));
    const QuittersFileContents read = ReadQuittersFile(path, WithSeparator(","));
    ASSERT_EQ(read.Quitters.size(), 1u);
    EXPECT_LT(std::fabs(read.Quitters[0].QuitDate - quitDate) * 86400000.0, 0.01);
}

TEST(QuittersFileTest, KeepsLinesItCannotReadAndWritesThemBackUnchanged) {
    const TempFolder folder;
    const std::string path =
        folder.Write("buddies.csv", "\"User\",\"\",\"38353.5\",\"40\",\"20\",\"1\"\r\n"
                                    "\r\n"
                                    "   \n"
                                    "\"Ann\",\"ann@x\",\"38353,25\",\"abc\",\"20\",\"1\"\r\n"
                                    "\"Bob\",\"\",\"38000.5\",\"10\",\"20\",\"2,5\"\r"
                                    "just a name\r\n"
                                    "\"Neg\",\"\",\"38000\",\"20\",\"-5\",\"1\"\r\n"
                                    "\"Far\",\"\",\"1e300\",\"1\",\"1\",\"1\"\r\n"
                                    "\"Rich\",\"\",\"38000\",\"1\",\"1\",\"1e20\"\r\n"
                                    "\"Five\",\"\",\"38000\",\"1\",\"1\"\r\n"
                                    "\"Huge\",\"\",\"38000\",\"4294967296\",\"1\",\"1\"\r\n"
                                    "\"Extra\",\"\",\"38000\",\"1\",\"1\",\"1\",\"more\"\r\n");
    const QuittersFileContents read = ReadQuittersFile(path, WithSeparator("."));
    ExpectSameQuitters(read.Quitters, {MakeQuitter("User", "", 38353.5, 40, 20, 10000),
                                       MakeQuitter("Bob", "", 38000.5, 10, 20, 25000),
                                       MakeQuitter("Extra", "", 38000, 1, 1, 10000)});

    struct Expected {
        int LineNumber;
        const char* Text;
        const char* Reason;
    };
    const std::vector<Expected> expected = {
        {4, "\"Ann\",\"ann@x\",\"38353,25\",\"abc\",\"20\",\"1\"",
         "'abc' is not a valid integer value"},
        {6, "just a name", "it has 1 field where 6 are needed"},
        {7, "\"Neg\",\"\",\"38000\",\"20\",\"-5\",\"1\"",
         "'-5' is not a valid number of cigarettes"},
        {8, "\"Far\",\"\",\"1e300\",\"1\",\"1\",\"1\"", "'1e300' is not a valid quit date"},
        {9, "\"Rich\",\"\",\"38000\",\"1\",\"1\",\"1e20\"", "'1e20' is not a valid price"},
        {10, "\"Five\",\"\",\"38000\",\"1\",\"1\"", "it has 5 fields where 6 are needed"},
        {11, "\"Huge\",\"\",\"38000\",\"4294967296\",\"1\",\"1\"",
         "'4294967296' is not a valid integer value"},
    };
    ASSERT_EQ(read.UnreadLines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(read.UnreadLines[i].LineNumber, expected[i].LineNumber);
        EXPECT_EQ(read.UnreadLines[i].Text, expected[i].Text);
        EXPECT_EQ(read.UnreadLines[i].Reason, expected[i].Reason);
    }

    WriteQuittersFile(path, read.Quitters, read.UnreadLines, WithSeparator("."));
    EXPECT_EQ(ReadFileBytes(path), "\"User\",\"\",\"38353.5\",\"40\",\"20\",\"1\"\r\n"
                                   "\"Bob\",\"\",\"38000.5\",\"10\",\"20\",\"2.5\"\r\n"
                                   "\"Extra\",\"\",\"38000\",\"1\",\"1\",\"1\"\r\n"
                                   "\"Ann\",\"ann@x\",\"38353,25\",\"abc\",\"20\",\"1\"\r\n"
                                   "just a name\r\n"
                                   "\"Neg\",\"\",\"38000\",\"20\",\"-5\",\"1\"\r\n"
                                   "\"Far\",\"\",\"1e300\",\"1\",\"1\",\"1\"\r\n"
                                   "\"Rich\",\"\",\"38000\",\"1\",\"1\",\"1e20\"\r\n"
                                   "\"Five\",\"\",\"38000\",\"1\",\"1\"\r\n"
                                   "\"Huge\",\"\",\"38000\",\"4294967296\",\"1\",\"1\"\r\n");

    EXPECT_EQ(UnreadLinesMessage(read.UnreadLines),
              "Some lines of buddies.csv could not be read and will be kept as they are:\n"
              " line 4: 'abc' is not a valid integer value\n"
              " line 6: it has 1 field where 6 are needed\n"
              " line 7: '-5' is not a valid number of cigarettes\n"
              " line 8: '1e300' is not a valid quit date\n"
              " line 9: '1e20' is not a valid price\n"
              " line 10: it has 5 fields where 6 are needed\n"
              " line 11: '4294967296' is not a valid integer value");
}

TEST(QuittersFileTest, TheMessageListsTenLinesAndCountsTheRest) {
    EXPECT_EQ(UnreadLinesMessage({}), "");
    std::vector<UnreadLine> lines;
    for (int i = 1; i <= 13; ++i) {
        lines.push_back(UnreadLine{i, "x", "bad"});
    }
    const std::string message = UnreadLinesMessage(lines);
    EXPECT_NE(message.find(" line 10: bad\n and 3 more"), std::string::npos) << message;
    EXPECT_EQ(message.find("line 11"), std::string::npos);
}

TEST(QuittersFileTest, LineBreaksInANameDoNotSplitItsLine) {
    const std::string text =
        QuittersText({MakeQuitter("Ann\r\nLee", "a@x\nb@y", 1, 1, 1, 1)}, {}, WithSeparator("."));
    EXPECT_EQ(text, "\"Ann  Lee\",\"a@x b@y\",\"1\",\"1\",\"1\",\"0.0001\"\r\n");
}

TEST(QuittersFileTest, AByteOrderMarkIsSkippedButALineThatBeginsLikeOneIsKept) {
    const RegionalSettings regional;
    const QuittersFileContents marked =
        ReadQuittersText("\xEF\xBB\xBF\"User\",\"\",\"38353.5\",\"40\",\"20\",\"1\"\r\n", regional);
    ASSERT_EQ(marked.Quitters.size(), 1u);
    EXPECT_EQ(marked.Quitters[0].Name, "User");

    const QuittersFileContents twice = ReadQuittersText("\xEF\xBB\xBF\xEF\xBB\xBFjunk", regional);
    ASSERT_EQ(twice.UnreadLines.size(), 1u);
    EXPECT_EQ(twice.UnreadLines[0].Text, "\xEF\xBB\xBFjunk");
    const QuittersFileContents again =
        ReadQuittersText(QuittersText({}, twice.UnreadLines, regional), regional);
    ASSERT_EQ(again.UnreadLines.size(), 1u);
    EXPECT_EQ(again.UnreadLines[0].Text, "\xEF\xBB\xBFjunk");
}

TEST(QuittersFileTest, AMissingOrEmptyFileHasNoQuitters) {
    const TempFolder folder;
    const QuittersFileContents missing = ReadQuittersFile(folder.File("buddies.csv"), {});
    EXPECT_TRUE(missing.Quitters.empty());
    EXPECT_TRUE(missing.UnreadLines.empty());

    const QuittersFileContents blank = ReadQuittersText("\r\n\r\n \t\r\n", {});
    EXPECT_TRUE(blank.Quitters.empty());
    EXPECT_TRUE(blank.UnreadLines.empty());
}

TEST(QuittersFileTest, AFailedWriteRaisesAFileError) {
    const TempFolder folder;
    EXPECT_THROW(WriteQuittersFile(folder.File("missing/buddies.csv"), {}, {}, {}), EFileError);
}

} // namespace
} // namespace ashtally
