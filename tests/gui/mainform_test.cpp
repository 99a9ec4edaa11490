// The main window as the user drives it: navigation, the Today page, the quitter editor, Set
// Defaults and the links.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gmock/gmock.h>

#include "app/linklabel.h"
#include "app/pages/buddiespage.h"
#include "app/pages/linkspage.h"
#include "app/pages/todaypage.h"
#include "app/picturearea.h"
#include "app/quittersmodel.h"
#include "app/sidebar.h"
#include "guifixture.h"
#include "settings/options.h"

namespace ashtally::testing {
namespace {

using ::testing::HasSubstr;

// Where each side-bar item sits: {group, index}.
constexpr std::pair<int, int> kToday{0, 0};
constexpr std::pair<int, int> kMilestones{0, 1};
constexpr std::pair<int, int> kLinks{0, 4};
constexpr std::pair<int, int> kMe{1, 0};
constexpr std::pair<int, int> kMyBuddies{1, 1};
constexpr std::pair<int, int> kProgramOptions{1, 2};
constexpr std::pair<int, int> kMilestoneOptions{1, 3};

class MainFormTest : public GuiFixture {
protected:
    void Select(std::pair<int, int> item) {
        m_form->Side->SelectItem(item.first, item.second);
        QCoreApplication::processEvents();
    }

    // Writes a quitters file: the user quit on the given moment; Ann and Bob are buddies.
    void WriteQuitters(TDateTime userQuit) {
        WriteDataFile("buddies.csv",
                      "\"Alex\",\"\",\"" + std::to_string(userQuit) +
                          "\",\"20\",\"20\",\"5\"\r\n"
                          "\"Ann\",\"ann@example.org\",\"45000\",\"10\",\"20\",\"6\"\r\n"
                          "\"Bob\",\"\",\"45100\",\"30\",\"25\",\"8\"\r\n");
    }

    QString Stats() const { return m_form->Today->lblStats->toPlainText(); }

    // Types into an editor control as the user does: focused, key by key.
    void Type(QWidget* control, const QString& text) {
        QApplication::setActiveWindow(m_form.get());
        control->setFocus();
        QTest::keyClicks(control, text);
    }

    TDateTime Now() const { return m_clock.Now(); }
};

TEST_F(MainFormTest, TheTitleAndPageFollowTheSideBarAndTheSelectorGoesBackToTheUser) {
    WriteQuitters(Now() - 10);
    Start();
    EXPECT_EQ(m_form->lblTitle->text(), "Today");
    m_form->Today->cbBuddyBox->setCurrentIndex(2);

    Select(kLinks);
    EXPECT_EQ(m_form->Notebook->currentIndex(), TMainForm::PageLinks);
    EXPECT_EQ(m_form->lblTitle->text(), "Links");
    EXPECT_EQ(m_form->Today->cbBuddyBox->currentIndex(), 0);

    Select(kMilestoneOptions);
    EXPECT_EQ(m_form->Notebook->currentIndex(), TMainForm::PageMilSetup);
    EXPECT_EQ(m_form->lblTitle->text(), "Milestone Options");
}

TEST_F(MainFormTest, MeShowsTheEditorAloneWithTheUserAndMyBuddiesBringsTheListBack) {
    WriteQuitters(Now() - 10);
    Start();
    Select(kMyBuddies);
    m_form->Buddies->VSTBuddies->setCurrentIndex(m_form->Quitters().index(1, 0));
    EXPECT_EQ(m_form->Buddies->edName->text(), "Ann");

    Select(kMe);
    EXPECT_EQ(m_form->Notebook->currentIndex(), TMainForm::PageBuddies);
    EXPECT_EQ(m_form->Buddies->edName->text(), "Alex");
    EXPECT_TRUE(m_form->Buddies->VSTBuddies->isHidden());
    EXPECT_TRUE(m_form->Buddies->ButtonAdd->isHidden());
    EXPECT_TRUE(m_form->Buddies->ButtonRemove->isHidden());

    Select(kMyBuddies);
    EXPECT_FALSE(m_form->Buddies->VSTBuddies->isHidden());
    EXPECT_EQ(m_form->Buddies->VSTBuddies->currentIndex().row(), 0);
}

TEST_F(MainFormTest, OnlyTodayMilestonesAndEmailRebuildAListMarkedOutOfDate) {
    WriteQuitters(Now() - 10);
    Start();
    EXPECT_FALSE(m_form->Mile.MilestonesDirty); // built when the window was first shown
    const std::size_t rows = m_form->Mile.List.Size();
    ASSERT_GT(rows, 0u);

    struct Case {
        std::pair<int, int> Item;
        bool Rebuilds;
    };
    for (const Case& c : std::vector<Case>{{kLinks, false},
                                           {kMilestoneOptions, false},
                                           {kProgramOptions, false},
                                           {kMyBuddies, false},
                                           {kMilestones, true},
                                           {{0, 2}, true},
                                           {kToday, true}}) {
        Select(kMe); // a page that rebuilds nothing, so every case below is a real change
        m_form->Mile.MilestonesDirty = true;
        Select(c.Item);
        EXPECT_EQ(m_form->Mile.MilestonesDirty, !c.Rebuilds)
            << c.Item.first << "/" << c.Item.second;
    }
    EXPECT_EQ(m_form->Mile.List.Size(), rows);
}

TEST_F(MainFormTest, TodayShowsTheSelectedQuittersTextOnlyWhileTheTodayPageIsShown) {
    WriteQuitters(Now() - 10);
    Start();
    EXPECT_THAT(Stats().toStdString(), HasSubstr("My name is Alex"));
    EXPECT_THAT(Stats().toStdString(), HasSubstr("(10 days)"));

    m_form->Today->cbBuddyBox->setCurrentIndex(1);
    m_form->TimerTimer();
    EXPECT_THAT(Stats().toStdString(), HasSubstr("My name is Ann"));

    Select(kMilestones);
    m_clock.Set(Now() + 1);
    m_form->TimerTimer();
    EXPECT_THAT(Stats().toStdString(), HasSubstr("My name is Ann")); // not refreshed elsewhere

    Select(kToday);
    EXPECT_THAT(Stats().toStdString(), HasSubstr("My name is Alex"));
    EXPECT_THAT(Stats().toStdString(), HasSubstr("(11 days)"));
    EXPECT_TRUE(m_form->Timer->isActive());
}

TEST_F(MainFormTest, BeforeTheQuitDateTheTodayTextSaysSo) {
    Start(); // the first start's user quits six months from now
    EXPECT_EQ(Stats(), "I have not quit yet.");
}

TEST_F(MainFormTest, ABrokenTodayTemplateStopsTheTimerAndIsReportedOnce) {
    WriteQuitters(Now() - 10);
    Start();
    const QString before = Stats();
    m_form->findChild<QPlainTextEdit*>("memStats")->setPlainText("Hi <nosuchname>");
    QTest::qWait(3300); // three seconds of ticks: one message
    EXPECT_FALSE(m_form->Timer->isActive());
    EXPECT_EQ(m_errors.Messages, QStringList{"Unknown function or variable \"NOSUCHNAME\"."});
    EXPECT_EQ(Stats(), before);

    // Entering the Today page again tries again at once, and reports again.
    Select(kLinks);
    Select(kToday);
    EXPECT_EQ(m_errors.Messages.size(), 2);
}

TEST_F(MainFormTest, TheTodayPictureComesFromTheSetOfTheUsersMonthsQuitCountedFromTomorrow) {
    struct Case {
        double DaysQuit;
        const char* Set;
    };
    for (const Case& c : std::vector<Case>{{-30, "freedom"},
                                           {0, "freedom"},
                                           {29.5, "green"},
                                           {89, "green"},
                                           {90.5, "bronze"},
                                           {334, "silver"},
                                           {365, "gold"}}) {
        WriteQuitters(Now() - c.DaysQuit);
        Start();
        EXPECT_THAT(m_form->Today->Pictures->CurrentFile().toStdString(),
                    HasSubstr(std::string("/") + c.Set + ".png"))
            << c.DaysQuit << " days";
        // The picture follows the user, whoever the selector shows.
        m_form->Today->cbBuddyBox->setCurrentIndex(1);
        m_form->ChooseTodayPicture();
        EXPECT_THAT(m_form->Today->Pictures->CurrentFile().toStdString(),
                    HasSubstr(std::string("/") + c.Set + ".png"));
        m_form.reset();
    }
}

TEST_F(MainFormTest, AnEmptyPictureSetLeavesTheAreaEmptyAndIsReportedOnce) {
    WriteQuitters(Now() - 10);
    RemovePictures();
    Start();
    EXPECT_EQ(m_form->Today->Pictures->Current(), PictureArea::View::None);
    EXPECT_EQ(m_errors.Messages, QStringList{"List index out of bounds (0)"});
    Select(kLinks);
    Select(kToday);
    EXPECT_EQ(m_errors.Messages.size(), 1);
}

TEST_F(MainFormTest, LoadPictureTakesGifsAsAnimationsStillsAsStillsAndRefusesBrokenFiles) {
    PictureArea area;
    area.resize(400, 200);
    const QString gif = QStringLiteral(ASHTALLY_SOURCE_DIR "/images/assorted/party-confetti.gif");
    const QString still = QStringLiteral(ASHTALLY_SOURCE_DIR "/images/gold/gold-crown.png");
    EXPECT_EQ(area.LoadPicture(gif), PictureArea::View::Animated);
    // The animation takes the largest box of its own proportions, top-left.
    const QSize natural = area.AnimationSize();
    EXPECT_EQ(area.Image2()->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(area.Image2()->height(), 200);
    EXPECT_EQ(area.Image2()->width(), qRound(200.0 * natural.width() / natural.height()));

    EXPECT_EQ(area.LoadPicture(still), PictureArea::View::Still);
    EXPECT_FALSE(area.Image1()->pixmap().isNull());

    const QString broken = QString::fromStdString(DataFolder()) + "broken.gif";
    WriteDataFile("broken.gif", "GIF89a but not really");
    EXPECT_EQ(area.LoadPicture(broken), PictureArea::View::None);
    EXPECT_TRUE(area.Image1()->pixmap().isNull());
}

TEST_F(MainFormTest, OnlyWhatTheUserTypesIntoTheEditorChangesTheQuitter) {
    WriteQuitters(Now() - 10);
    Start();
    Select(kMyBuddies);
    m_form->Mile.MilestonesDirty = false;
    m_form->Buddies->VSTBuddies->setCurrentIndex(m_form->Quitters().index(2, 0));
    EXPECT_EQ(m_form->Buddies->edName->text(), "Bob");
    EXPECT_FALSE(m_form->Mile.MilestonesDirty); // loading is no edit

    // The program setting a control is no edit either.
    QApplication::setActiveWindow(m_form.get());
    m_form->Buddies->VSTBuddies->setFocus();
    m_form->Buddies->edName->setText("Robert");
    EXPECT_EQ(m_form->Quitters().At(2).Name, "Bob");

    Type(m_form->Buddies->edName, "!");
    EXPECT_EQ(m_form->Quitters().At(2).Name, "Robert!");
    EXPECT_TRUE(m_form->Mile.MilestonesDirty);
    EXPECT_EQ(m_form->Quitters().data(m_form->Quitters().index(2, 0)).toString(), "Robert!");
    // The selector keeps the old name until it is filled again.
    EXPECT_EQ(m_form->Today->cbBuddyBox->itemText(2), "Bob");

    m_form->Buddies->edCigPerDay->selectAll();
    Type(m_form->Buddies->edCigPerDay, QStringLiteral("12"));
    EXPECT_EQ(m_form->Quitters().At(2).CigPerDay, 12u);
}

TEST_F(MainFormTest, AddQuitBuddyAppendsAFriendAndRemoveAsksFirst) {
    WriteQuitters(Now() - 10);
    Start();
    Select(kMyBuddies);
    m_form->Mile.MilestonesDirty = false;
    m_form->Buddies->ButtonAdd->click();
    ASSERT_EQ(m_form->Quitters().Count(), 4);
    EXPECT_EQ(m_form->Quitters().At(3).Name, "Friend");
    EXPECT_EQ(m_form->Buddies->edName->text(), "Friend");
    EXPECT_EQ(m_form->Today->cbBuddyBox->count(), 4);
    EXPECT_EQ(m_form->Today->cbBuddyBox->currentIndex(), 0);
    EXPECT_TRUE(m_form->Mile.MilestonesDirty);

    QStringList asked;
    bool answer = false;
    m_form->Confirm = [&](const QString& question) {
        asked.append(question);
        return answer;
    };
    m_form->Buddies->VSTBuddies->setCurrentIndex(m_form->Quitters().index(1, 0));
    m_form->Buddies->ButtonRemove->click();
    EXPECT_EQ(asked, QStringList{"Are you sure you want to remove \"Ann\" from list?"});
    EXPECT_EQ(m_form->Quitters().Count(), 4);

    answer = true;
    m_form->Buddies->ButtonRemove->click();
    ASSERT_EQ(m_form->Quitters().Count(), 3);
    EXPECT_EQ(m_form->Quitters().At(1).Name, "Bob");
    EXPECT_EQ(m_form->Buddies->VSTBuddies->currentIndex().row(), 0);
    EXPECT_EQ(m_form->Buddies->edName->text(), "Alex");
    EXPECT_EQ(m_form->Today->cbBuddyBox->count(), 3);

    // The user's own entry is never removed, and nobody is asked.
    m_form->Buddies->ButtonRemove->click();
    EXPECT_EQ(m_form->Quitters().Count(), 3);
    EXPECT_EQ(asked.size(), 2);
}

TEST_F(MainFormTest, SetDefaultsPutsEveryOptionBackButTheQuitReasons) {
    WriteQuitters(Now() - 10);
    Start();
    m_form->findChild<QSpinBox*>("edCigsNum")->setValue(42);
    m_form->findChild<QPlainTextEdit*>("memClip")->setPlainText("custom <name>");
    m_form->findChild<QPlainTextEdit*>("memQuitReasons")->setPlainText("my reasons");
    m_form->Mile.MilestonesDirty = false;
    EXPECT_EQ(m_form->findChild<QLabel*>("lblPrevClip")->text(), "custom Alex");

    m_form->findChild<QPushButton*>("buttonSetDef")->click();
    EXPECT_EQ(m_form->findChild<QSpinBox*>("edCigsNum")->value(), 500);
    EXPECT_THAT(m_form->findChild<QLabel*>("lblPrevClip")->text().toStdString(),
                HasSubstr("Alex - Free and Healing for"));
    EXPECT_EQ(m_form->findChild<QPlainTextEdit*>("memQuitReasons")->toPlainText(), "my reasons");
    EXPECT_TRUE(m_form->Mile.MilestonesDirty);
}

TEST_F(MainFormTest, TheClipboardTextIsTheUsersAndATemplateErrorBecomesThePreview) {
    WriteQuitters(Now() - 10);
    Start();
    m_form->Today->cbBuddyBox->setCurrentIndex(1);
    m_form->findChild<QPlainTextEdit*>("memClip")->setPlainText("<name>: <TRUNC(DiffInDays)>");
    m_form->Today->ButtonCopyStats->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Alex: 10");

    m_form->findChild<QPlainTextEdit*>("memClip")->setPlainText("<1/0>");
    EXPECT_EQ(m_form->findChild<QLabel*>("lblPrevClip")->text(), "Floating point division by zero");
    EXPECT_TRUE(m_errors.Messages.isEmpty());

    m_form->Today->Copytexttoclipboard1->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Stats());
}

TEST_F(MainFormTest, TheLinksTextBecomesUpToSixLinks) {
    struct Case {
        const char* Text;
        std::vector<std::pair<QString, QString>> Links; // caption, target of Link1..Link6
    };
    const std::vector<Case> cases{
        {"a,1\r\nb,2\r\nc,3\r\nd,4\r\ne,5\r\nf,6\r\ng,7\r\nh,8\r\n",
         {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}, {"f", "6"}}},
        {"a,1\r\n\r\nc,3", {{"a", "1"}, {"", ""}, {"c", "3"}, {"", ""}, {"", ""}, {"", ""}}},
        {"Docs , https://x.org/?a=1,2\rno comma\nlast,/tmp/f.html",
         {{"Docs ", " https://x.org/?a=1,2"},
          {"", ""},
          {"last", "/tmp/f.html"},
          {"", ""},
          {"", ""},
          {"", ""}}},
    };
    Start();
    for (const Case& c : cases) {
        m_form->Program().Options->SetStr(omemLinks, c.Text);
        m_form->ApplyOptions();
        for (std::size_t i = 0; i < 6; ++i) {
            const LinkLabel* link = m_form->Links->Links[i];
            EXPECT_EQ(link->Caption(), c.Links[i].first) << c.Text << " link " << i + 1;
            EXPECT_EQ(link->Target(), c.Links[i].second) << c.Text << " link " << i + 1;
        }
    }
}

} // namespace
} // namespace ashtally::testing
