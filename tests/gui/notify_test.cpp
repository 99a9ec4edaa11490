// Milestones reaching the user: the announcement window, the E-mail page and its mail
// hand-off, the notification-area icon and the start-with-logon setting.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>

#include "app/mileform.h"
#include "app/pages/emailpage.h"
#include "app/pages/milestoneoptionspage.h"
#include "app/pages/todaypage.h"
#include "app/sidebar.h"
#include "guifixture.h"

namespace ashtally::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The fixture's clock stands at 2026-12-11 10:30. Only the days rule is on, every 100 days, so
// each test knows exactly which milestones exist.
class NotifyTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        qputenv("XDG_CONFIG_HOME", (m_home.path() + QStringLiteral("/config")).toUtf8());
    }

    // A quitters line quitting `days` days before today at the given time of day.
    std::string Line(const std::string& name, double days, double timeOfDay,
                     const std::string& email = "") const {
        const TDateTime quit = DateOf(m_clock.Now()) - days + timeOfDay;
        return "\"" + name + "\",\"" + email + "\",\"" + std::to_string(quit) +
               "\",\"20\",\"20\",\"5\"\r\n";
    }

    void StartWithDaysRuleOnly(const std::string& quitters) {
        WriteDataFile("options.ini", "[Options]\r\ncbDo72=False\r\ncbDoCigs=False\r\n"
                                     "cbMoney=False\r\ncbLife=False\r\ncbMonths=False\r\n"
                                     "cbYear=False\r\n");
        WriteDataFile("buddies.csv", quitters);
        Start();
    }

    void Select(int group, int index) {
        m_form->Side->SelectItem(group, index);
        QCoreApplication::processEvents();
    }

    TMileForm& Mile() const { return *m_form->MileForm; }
};

TEST_F(NotifyTest, TodaysMilestoneIsAnnouncedOnceUntilTheListIsRebuilt) {
    StartWithDaysRuleOnly(Line("Alex", 100, 8.0 / 24)); // day 100 came at 08:00 today
    EXPECT_FALSE(Mile().isVisible());
    m_form->CheckMilestonePopup();
    ASSERT_TRUE(Mile().isVisible());
    EXPECT_EQ(Mile().windowTitle(), "100 days quit");
    EXPECT_EQ(Mile().findChild<QLabel*>("lblMess")->text(),
              "Great going Alex! You've been quit 100 days!");

    Mile().hide();
    m_form->CheckMilestonePopup();
    EXPECT_FALSE(Mile().isVisible());

    // Any edit marks the list; the next rebuild lets today's milestone come once more.
    m_form->Mile.MilestonesDirty = true;
    Select(0, 4);
    Select(0, 0);
    m_form->CheckMilestonePopup();
    EXPECT_TRUE(Mile().isVisible());
}

TEST_F(NotifyTest, ThePopupTimerAnnouncesByItself) {
    StartWithDaysRuleOnly(Line("Alex", 100, 10.0 / 24));
    EXPECT_TRUE(m_form->PopupTimer->isActive());
    EXPECT_EQ(m_form->PopupTimer->interval(), 1500);
    QTRY_VERIFY_WITH_TIMEOUT(Mile().isVisible(), 10000);
    EXPECT_EQ(Mile().windowTitle(), "100 days quit");
}

TEST_F(NotifyTest, YesterdaysMilestoneIsNotAnnouncedAndTheButtonEncourages) {
    StartWithDaysRuleOnly(Line("Alex", 101, 8.0 / 24)); // day 100 came yesterday
    m_form->CheckMilestonePopup();
    EXPECT_FALSE(Mile().isVisible());

    m_form->Today->ButtonShowMilestoneWin->click();
    ASSERT_TRUE(Mile().isVisible());
    EXPECT_EQ(Mile().windowTitle(), "Congratulations!");
    EXPECT_EQ(Mile().findChild<QLabel*>("lblMess")->text(),
              "No milestone right now, but here is something just to keep you going...");
}

TEST_F(NotifyTest, ABuddyWithExactlyTheUsersNameCountsAndOneInAnotherCaseDoesNot) {
    StartWithDaysRuleOnly(Line("Alex", 30, 0.5) + Line("alex", 100, 8.0 / 24));
    m_form->CheckMilestonePopup();
    EXPECT_FALSE(Mile().isVisible());
    m_form.reset();

    StartWithDaysRuleOnly(Line("Alex", 30, 0.5) + Line("Alex", 100, 8.0 / 24));
    m_form->CheckMilestonePopup();
    EXPECT_TRUE(Mile().isVisible());
}

TEST_F(NotifyTest, TheEmailPageListsReachedMilestonesAndHandsOneToTheMailProgram) {
    // Ann's day 100 was three days ago; Bob has not reached day 100.
    StartWithDaysRuleOnly(Line("Alex", 30, 0.5) +
                          Line("Ann", 103, 0.25, "a@x.org; b@x.org,,c@x.org") +
                          Line("Bob", 50, 0.5));
    Select(0, 2);
    QListWidget* box = m_form->Email->EmailBox;
    ASSERT_EQ(box->count(), 1);
    EXPECT_EQ(box->item(0)->text(), "Ann - 100 days quit");

    // Nothing selected: nothing happens.
    m_form->ButtonPrepareEmailsClick();

    // A stand-in mail program on PATH records its arguments.
    const QString bin = m_home.path() + QStringLiteral("/bin");
    QDir().mkpath(bin);
    QFile script(bin + QStringLiteral("/xdg-email"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname "
                 "\"$0\")/arguments\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ':' + path);

    box->setCurrentRow(0);
    m_form->Email->ButtonPrepareEmails->click();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bin + QStringLiteral("/arguments")), 5000);
    QTest::qWait(200);
    qputenv("PATH", path);

    QFile recorded(bin + QStringLiteral("/arguments"));
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly));
    const QString arguments = QString::fromUtf8(recorded.readAll());
    EXPECT_THAT(arguments.toStdString(), HasSubstr("--subject\n100 days quit\n"));
    EXPECT_THAT(arguments.toStdString(),
                HasSubstr("--body\nGreat going Ann! You've been quit 100 days!\n\n\n"
                          "My name is Alex"));
    EXPECT_THAT(arguments.toStdString(), HasSubstr("--attach\n"));
    EXPECT_THAT(arguments.toStdString(), HasSubstr("/images/assorted/assorted.png\n"));
    EXPECT_THAT(arguments.toStdString(), HasSubstr("a@x.org\n b@x.org\nc@x.org\n"));
    EXPECT_TRUE(m_errors.Messages.isEmpty());
}

TEST_F(NotifyTest, WithoutAMailProgramTheUserIsTold) {
    StartWithDaysRuleOnly(Line("Alex", 30, 0.5) + Line("Ann", 103, 0.25, "a@x.org"));
    Select(0, 2);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", (m_home.path() + QStringLiteral("/nothing-here")).toUtf8());
    m_form->Email->EmailBox->setCurrentRow(0);
    m_form->Email->ButtonPrepareEmails->click();
    QTRY_COMPARE_WITH_TIMEOUT(m_errors.Messages.size(), 1, 5000);
    qputenv("PATH", path);
    EXPECT_THAT(m_errors.Messages[0].toStdString(), HasSubstr("xdg-email"));
}

TEST_F(NotifyTest, MinimisingSlowsTheMilestoneCheckAndStopsTheRefreshUntilRestored) {
    WriteDataFile("options.ini", "[Options]\r\nUpdateTimer=60000\r\n");
    Start();
    ASSERT_TRUE(m_form->Timer->isActive());
    EXPECT_EQ(m_form->PopupTimer->interval(), 1500);

    m_form->HideApplication();
    EXPECT_TRUE(m_form->ApplicationHidden());
    EXPECT_FALSE(m_form->Timer->isActive());
    EXPECT_TRUE(m_form->PopupTimer->isActive());
    EXPECT_EQ(m_form->PopupTimer->interval(), 60000);
    // Without a notification area the window stays a normal minimised window.
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        QCoreApplication::processEvents();
        EXPECT_TRUE(m_form->isVisible());
    }

    m_form->ShowApplication();
    EXPECT_FALSE(m_form->ApplicationHidden());
    EXPECT_TRUE(m_form->Timer->isActive());
    EXPECT_EQ(m_form->PopupTimer->interval(), 1500);
}

TEST_F(NotifyTest, AnUpdateTimerOfZeroRestsTheCheckWhileMinimised) {
    WriteDataFile("options.ini", "[Options]\r\nUpdateTimer=0\r\n");
    Start();
    m_form->HideApplication();
    EXPECT_FALSE(m_form->PopupTimer->isActive());
    m_form->ShowApplication();
    EXPECT_TRUE(m_form->PopupTimer->isActive());
}

TEST_F(NotifyTest, ARightClickOnTheIconCopiesTheUsersClipboardText) {
    WriteDataFile("buddies.csv", Line("Alex", 30, 0.5) + Line("Ann", 103, 0.25));
    Start();
    m_form->Today->cbBuddyBox->setCurrentIndex(1);
    m_form->findChild<QPlainTextEdit*>("memClip")->setPlainText("<name> <TRUNC(DiffInDays)>");
    m_form->TrayIconClick(false);
    EXPECT_NE(QGuiApplication::clipboard()->text(), "Alex 29");
    m_form->TrayIconClick(true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Alex 29");
}

TEST_F(NotifyTest, RunOnStartupWritesReadsAndDeletesTheAutostartEntry) {
    Start();
    m_form->ProgramPath = "/opt/Ash Tally/bin/ashtally";
    const QString entry = m_home.path() + QStringLiteral("/config/autostart/Ashtally.desktop");
    QCheckBox* box = m_form->findChild<QCheckBox*>("cbRunStartup");

    Select(1, 2);
    EXPECT_FALSE(box->isChecked());
    box->click();
    ASSERT_TRUE(QFile::exists(entry));
    Select(0, 0);
    Select(1, 2);
    EXPECT_TRUE(box->isChecked());

    // Another program removed the entry: entering the page unchecks the box, whose handler
    // then cannot delete what is gone, and says so.
    QFile::remove(entry);
    Select(0, 0);
    Select(1, 2);
    EXPECT_FALSE(box->isChecked());
    ASSERT_EQ(m_errors.Messages.size(), 1);
    EXPECT_THAT(m_errors.Messages[0].toStdString(), HasSubstr("Ashtally.desktop"));
}

} // namespace
} // namespace ashtally::testing
