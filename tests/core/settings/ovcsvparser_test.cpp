#include "settings/ovcsvparser.h"

#include <gtest/gtest.h>

#include "tempfolder.h"
#include "util/errors.h"
#include "util/fileio.h"

namespace ashtally {
namespace {

using Fields = std::vector<std::string>;
using testing::TempFolder;

TEST(CsvParserTest, SplitsLinesIntoFields) {
    struct Case {
        const char* Line;
        Fields Expected;
    };
    const std::vector<Case> cases = {
        {"a,b,c", {"a", "b", "c"}},
        {"a,b,", {"a", "b"}},
        {"a,,b", {"a", "", "b"}},
        {",a", {"", "a"}},
        {"a,,", {"a", ""}},
        {",", {""}},
        {"", {""}},
        {"\"a,b\",c", {"a,b", "c"}},
        {"ab\"\"cd", {"ab\"cd"}},
        {"\"\"", {""}},
        {"\"", {"\""}},
        {"\"\"\"\"", {"\""}},
        {"\"Smith, \"\"Jo\"\"\",\"\"", {"Smith, \"Jo\"", ""}},
        {"\"38353,5\",\"1,25\"", {"38353,5", "1,25"}},
        // A quote opens in the middle of a field and hides the delimiters after it.
        {"a\"b,c,d", {"a\"b,c,d"}},
        {"a\"b\",c", {"a\"b\"", "c"}},
        {"\"a\",b\"", {"a", "b\""}},
        {" \"a\" ,b", {" \"a\" ", "b"}},
        {"\"Ζωή\",\"ώρες\"", {"Ζωή", "ώρες"}},
    };
    const TOVCSVParser csv;
    for (const Case& c : cases) {
        EXPECT_EQ(csv.SplitLine(c.Line), c.Expected) << c.Line;
    }
}

TEST(CsvParserTest, BuildsFullyQuotedLines) {
    struct Case {
        Fields Row;
        const char* Expected;
    };
    const std::vector<Case> cases = {
        {{"User", "", "38353.5", "40", "20", "1"}, "\"User\",\"\",\"38353.5\",\"40\",\"20\",\"1\""},
        {{"Smith, \"Jo\""}, "\"Smith, \"\"Jo\"\"\""},
        {{""}, "\"\""},
        {{"\""}, "\"\"\"\""},
        {{}, ""},
    };
    TOVCSVParser csv;
    for (const Case& c : cases) {
        EXPECT_EQ(csv.BuildLine(c.Row), c.Expected);
        EXPECT_EQ(csv.SplitLine(csv.BuildLine(c.Row)), c.Row.empty() ? Fields{""} : c.Row);
    }
}

TEST(CsvParserTest, OtherQuoteAndDelimiterCharacters) {
    TOVCSVParser csv;
    csv.QuoteChar = '\'';
    csv.Delimiter = ';';
    EXPECT_EQ(csv.SplitLine("'a;b';\"c\";'it''s'"), (Fields{"a;b", "\"c\"", "it's"}));
    EXPECT_EQ(csv.BuildLine({"it's", "x;y"}), "'it''s';'x;y'");
}

TEST(CsvParserTest, ReadsAFileLineByLine) {
    const TempFolder folder;
    const std::string path = folder.Write("data.csv", "a,b\r\nskip\rchange\n\r\n\"c\",\"d\"\r\n");
    TOVCSVParser csv;
    std::vector<std::string> events;
    csv.OnBeforeParse = [&](TOVCSVParser& sender) {
        events.push_back("before parse, " + std::to_string(sender.Lines.size()) + " lines");
    };
    csv.OnReadNewLine = [&](TOVCSVParser&, std::string& line, int lineNum) {
        events.push_back("line " + std::to_string(lineNum) + " " + line);
        if (line == "change") {
            line = "changed,x";
        }
        return line != "skip";
    };
    std::vector<Fields> rows;
    csv.OnSetData = [&](TOVCSVParser&, const Fields& data) { rows.push_back(data); };
    csv.LoadFromFile(path);

    EXPECT_EQ(events,
              (std::vector<std::string>{"before parse, 5 lines", "line 0 a,b", "line 1 skip",
                                        "line 2 change", "line 3 ", "line 4 \"c\",\"d\""}));
    EXPECT_EQ(rows, (std::vector<Fields>{{"a", "b"}, {"changed", "x"}, {""}, {"c", "d"}}));
    EXPECT_EQ(csv.Lines[2], "change") << "the handler changes what is split, not the line kept";
}

TEST(CsvParserTest, WritesEveryLineWithCrLf) {
    const TempFolder folder;
    const std::string path = folder.File("out.csv");
    TOVCSVParser csv;
    csv.AddRow({"a", "b"});
    csv.AddRow({});
    csv.AddRow({"Ζωή"});
    csv.SaveToFile(path);
    EXPECT_EQ(ReadFileBytes(path), "\"a\",\"b\"\r\n\r\n\"Ζωή\"\r\n");

    csv.Lines.clear();
    csv.SaveToFile(path);
    EXPECT_EQ(ReadFileBytes(path), "");
}

TEST(CsvParserTest, AMissingFileRaisesAFileError) {
    const TempFolder folder;
    TOVCSVParser csv;
    EXPECT_THROW(csv.LoadFromFile(folder.File("none.csv")), EFileError);
}

} // namespace
} // namespace ashtally
