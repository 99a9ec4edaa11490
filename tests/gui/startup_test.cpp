// Start-up and close: what a first start writes, what a second start reads back, and what a
// close does when the data folder cannot be written.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <gmock/gmock.h>

#include "app/currencyedit.h"
#include "app/quittersmodel.h"
#include "guifixture.h"

namespace ashtally::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

using StartupTest = GuiFixture;

TEST_F(StartupTest, FirstStartThenCloseWritesBothFilesWithTheDefaults) {
    TMainForm& form = Start();
    ASSERT_EQ(form.Quitters().Count(), 1);
    EXPECT_EQ(form.User(), &form.Quitters().At(0));
    EXPECT_EQ(form.User()->Name, "User");
    EXPECT_EQ(form.DataFolder(), DataFolder());
    EXPECT_GE(form.minimumWidth(), 500);
    EXPECT_GE(form.minimumHeight(), 400);
    ASSERT_TRUE(Close());
    EXPECT_TRUE(m_errors.Messages.isEmpty()) << m_errors.Messages.join('\n').toStdString();

    // One line for the user: quitting six months from today at 12:00.
    const TDateTime quit = EncodeDateTime({2027, 6, 11, 12, 0, 0, 0});
    EXPECT_EQ(ReadDataFile("buddies.csv"), "\"User\",\"\",\"" +
                                               std::to_string(static_cast<long>(quit)) +
                                               ".5\",\"40\",\"20\",\"1\"\r\n");

    const std::vector<std::string> lines = SplitCrLf(ReadDataFile("options.ini"));
    const std::vector<std::string> keys{
        "Version",    "cbDo72",       "edDo72",        "cbDoCigs",  "edCigsNum", "edDoCigs",
        "cbMoney",    "edMoneyCount", "edInterest",    "edMoney",   "cbLife",    "edLifeNum",
        "edMinCig",   "edLife",       "cbDays",        "edDaysNum", "edDays",    "cbMonths",
        "edMonthNum", "edMonths",     "cbYear",        "edYear",    "memStats",  "memLinks",
        "memClip",    "UpdateTimer",  "memQuitReasons"};
    ASSERT_GE(lines.size(), keys.size() + 2);
    EXPECT_EQ(lines[0], "[Options]");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_THAT(lines[i + 1], StartsWith(keys[i] + "=")) << "line " << i + 1;
    }
    EXPECT_EQ(lines[1], "Version=1");
    EXPECT_EQ(lines[2], "cbDo72=True");
    EXPECT_EQ(lines[5], "edCigsNum=500");
    EXPECT_EQ(lines[8], "edMoneyCount=100");
    EXPECT_EQ(lines[26], "UpdateTimer=30000");
    EXPECT_THAT(lines[23], HasSubstr("nicotine addict.%0D%0AI have stopped"));
    EXPECT_EQ(lines[keys.size() + 1], "");
    EXPECT_EQ(lines[keys.size() + 2], "[Placement]");
    EXPECT_THAT(lines[keys.size() + 3], StartsWith("Geometry="));
}

TEST_F(StartupTest, SecondStartShowsWhatTheFirstSaved) {
    Start();
    Find<QCheckBox>("cbDo72")->setChecked(false);
    Find<QSpinBox>("edCigsNum")->setValue(700);
    Find<CurrencyEdit>("edMoneyCount")->SetMoney(2505000);
    Find<QDoubleSpinBox>("edInterest")->setValue(2.5);
    Find<QLineEdit>("edDays")->setText("<DiffInDays> days = 100% me");
    Find<QPlainTextEdit>("memQuitReasons")->setPlainText("Breathe.\nRun again.\n");
    m_form->Quitters().At(0).Name = "Ζωή, \"Z\"";
    m_form->Quitters().At(0).EMail = "zoe@example.org";
    ASSERT_TRUE(Close());

    Start();
    EXPECT_FALSE(Find<QCheckBox>("cbDo72")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("cbDoCigs")->isChecked());
    EXPECT_EQ(Find<QSpinBox>("edCigsNum")->value(), 700);
    EXPECT_EQ(Find<CurrencyEdit>("edMoneyCount")->Money(), 2505000);
    EXPECT_DOUBLE_EQ(Find<QDoubleSpinBox>("edInterest")->value(), 2.5);
    EXPECT_EQ(Find<QLineEdit>("edDays")->text(), "<DiffInDays> days = 100% me");
    EXPECT_EQ(Find<QPlainTextEdit>("memQuitReasons")->toPlainText(), "Breathe.\nRun again.\n");
    ASSERT_EQ(m_form->Quitters().Count(), 1);
    EXPECT_EQ(m_form->User()->Name, "Ζωή, \"Z\"");
    EXPECT_EQ(m_form->User()->EMail, "zoe@example.org");
    EXPECT_EQ(Find<QComboBox>("cbBuddyBox")->currentText(), QString::fromUtf8("Ζωή, \"Z\""));
    EXPECT_TRUE(m_errors.Messages.isEmpty()) << m_errors.Messages.join('\n').toStdString();
}

TEST_F(StartupTest, BadOptionValuesAreReportedAndTheRestStillLoads) {
    WriteDataFile("options.ini", "[Placement]\r\nGeometry=???\r\n[OPTIONS]\r\n"
                                 "edCigsNum=abc\r\nCBDO72=false\r\nedDaysNum=250\r\n"
                                 "cbDays = False\r\nnoSuchKey=1\r\n");
    Start();
    EXPECT_EQ(m_errors.Messages, QStringList{"P5 edCigsNum"});
    EXPECT_EQ(Find<QSpinBox>("edCigsNum")->value(), 500);
    EXPECT_FALSE(Find<QCheckBox>("cbDo72")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("cbDays")->isChecked());
    EXPECT_EQ(Find<QSpinBox>("edDaysNum")->value(), 250);
    ASSERT_TRUE(Close());

    // The placement section stays in front; every key keeps its place, written as declared;
    // the unknown key and the one with blanks stay as they were.
    const std::string saved = ReadDataFile("options.ini");
    EXPECT_THAT(saved, StartsWith("[Placement]\r\nGeometry="));
    EXPECT_THAT(saved,
                HasSubstr("[OPTIONS]\r\nedCigsNum=500\r\ncbDo72=False\r\n"
                          "edDaysNum=250\r\ncbDays = False\r\nnoSuchKey=1\r\nVersion=1\r\n"));
}

TEST_F(StartupTest, UnreadableQuitterLinesAreReportedOnceAndKept) {
    WriteDataFile("buddies.csv", "\"Me\",\"\",\"45000,5\",\"20\",\"20\",\"5\"\r\n"
                                 "\"Ann\",\"\",\"45000\",\"lots\",\"20\",\"5\"\r\n"
                                 "\r\n"
                                 "\"Bob\",\"b@x\",\"45001.25\",\"10\",\"25\",\"7.5\"\r\n");
    Start();
    ASSERT_EQ(m_errors.Messages.size(), 1);
    EXPECT_THAT(m_errors.Messages[0].toStdString(), HasSubstr("'lots' is not a valid integer"));
    ASSERT_EQ(m_form->Quitters().Count(), 2);
    EXPECT_EQ(m_form->User()->Name, "Me");
    EXPECT_DOUBLE_EQ(m_form->User()->QuitDate, 45000.5);
    EXPECT_EQ(m_form->Quitters().At(1).Name, "Bob");
    ASSERT_TRUE(Close());
    EXPECT_EQ(ReadDataFile("buddies.csv"), "\"Me\",\"\",\"45000.5\",\"20\",\"20\",\"5\"\r\n"
                                           "\"Bob\",\"b@x\",\"45001.25\",\"10\",\"25\",\"7.5\"\r\n"
                                           "\"Ann\",\"\",\"45000\",\"lots\",\"20\",\"5\"\r\n");
}

TEST_F(StartupTest, AFileThatCannotBeReadIsReportedAndNeverOverwritten) {
    struct Case {
        const char* Unreadable;
        const char* Written;
    };
    for (const Case& c :
         std::vector<Case>{{"buddies.csv", "options.ini"}, {"options.ini", "buddies.csv"}}) {
        QDir(QString::fromStdString(DataFolder())).removeRecursively();
        // A folder where the file should be: it exists, but nothing can read it.
        QDir().mkpath(QString::fromStdString(DataFolder() + c.Unreadable));
        m_errors.Messages.clear();
        Start();
        ASSERT_EQ(m_errors.Messages.size(), 1) << c.Unreadable;
        EXPECT_THAT(m_errors.Messages[0].toStdString(), HasSubstr(c.Unreadable));
        EXPECT_THAT(m_errors.Messages[0].toStdString(), HasSubstr("leave this file as it is"));
        EXPECT_EQ(m_form->User()->Name, "User"); // the program still starts with an entry
        EXPECT_TRUE(Close()) << c.Unreadable;
        EXPECT_TRUE(QFileInfo(QString::fromStdString(DataFolder() + c.Unreadable)).isDir());
        EXPECT_FALSE(ReadDataFile(c.Written).empty()) << c.Written;
        EXPECT_EQ(m_errors.Messages.size(), 1);
        m_form.reset();
    }
}

TEST_F(StartupTest, AFailedSaveIsReportedKeepsTheWindowOpenAndTheOldFilesWhole) {
    WriteDataFile("buddies.csv", "\"Me\",\"\",\"45000\",\"20\",\"20\",\"5\"\r\n");
    Start();
    // options.ini cannot be written where a folder stands in its place.
    QDir().mkpath(QString::fromStdString(DataFolder() + "options.ini"));
    m_form->Quitters().At(0).Name = "Changed";

    EXPECT_FALSE(Close());
    EXPECT_TRUE(m_form->isVisible());
    ASSERT_EQ(m_errors.Messages.size(), 1);
    EXPECT_THAT(m_errors.Messages[0].toStdString(), HasSubstr("options.ini"));

    // Once the obstacle is gone, the next close saves everything.
    QDir().rmdir(QString::fromStdString(DataFolder() + "options.ini"));
    EXPECT_TRUE(Close());
    EXPECT_THAT(ReadDataFile("buddies.csv"), StartsWith("\"Changed\""));
    EXPECT_THAT(ReadDataFile("options.ini"), StartsWith("[Options]\r\nVersion=1\r\n"));
}

} // namespace
} // namespace ashtally::testing
