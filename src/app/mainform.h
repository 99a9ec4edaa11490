#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "settings/quittersfile.h"
#include "stats/milestonelist.h"
#include "stats/quitter.h"

class QFrame;
class QLabel;
class QStackedWidget;
class QSystemTrayIcon;
class QTimer;

namespace ashtally {

class AboutPage;
class BuddiesPage;
class EmailPage;
class LinksPage;
class MailComposer;
class MilestoneOptionsPage;
struct MilestoneSettings;
class MilestonesModel;
class MilestonesPage;
class ProgramObjects;
class ProgramOptionsPage;
class QuitReasonsPage;
class QuittersModel;
class SideBar;
class TMileForm;
struct StatsContext;
class TodayPage;

// The main window: a title strip, the side bar and the page area. It owns the run-time state
// the pages share: the data folder, the quitters list with the user's entry first, and the
// flags of the milestone list and the quitter editor.
class TMainForm : public QWidget {
    Q_OBJECT

public:
    // Page numbers of the page area.
    enum Page {
        PageToday = 0,
        PageMilestones = 1,
        PageEmail = 2,
        PageLinks = 3,
        PageBuddies = 4,
        PageMilSetup = 5,
        PageSetup = 6,
        PageAbout = 7,
        PageQuitReasons = 8,
    };

    // Creates the window; FormCreate runs here.
    explicit TMainForm(ProgramObjects& program, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Restores the saved placement from "options.ini", section "Placement"; call before the
    // window is first shown. Without one the window opens at its designed size, centred.
    void RestorePlacement();

    // Writes the quitters file and the option set, as a close does. Raises on failure.
    void SaveData();

    // The run-time state.
    const std::string& DataFolder() const { return m_dataFolder; }
    Quitter* User() const { return m_user; }
    // The milestone list with its MilestonesDirty and LastAnnounced.
    MilestoneState Mile;
    bool EditsEnabled = true;
    bool FocusTracking = false;

    QuittersModel& Quitters() const { return *m_quitters; }
    ProgramObjects& Program() const { return m_program; }

    // Controls.
    QFrame* Panel;
    QLabel* lblTitle;
    SideBar* Side;
    QStackedWidget* Notebook;
    TodayPage* Today;
    MilestonesPage* Milestones;
    EmailPage* Email;
    LinksPage* Links;
    BuddiesPage* Buddies;
    MilestoneOptionsPage* MilSetup;
    ProgramOptionsPage* Setup;
    AboutPage* About;
    QuitReasonsPage* QuitReasons;
    QTimer* Timer;
    QTimer* PopupTimer;
    QSystemTrayIcon* TrayIcon;
    TMileForm* MileForm;

    // Handlers and steps shared with the pages.
    void ApplyOptions();
    void SideBarChangeSelectedItem(int page, const QString& caption, const QString& marker);
    int NewQuitter(bool asUser);
    void FillBuddyBox();
    void VSTBuddiesFocusChanged(int row);
    void BuddyDataChange(QWidget* changed);
    void ButtonAddClick();
    void ButtonRemoveClick();
    void buttonSetDefClick();
    void TimerTimer();
    void ChooseTodayPicture();
    void memClipChange();
    void ButtonCopyStatsClick();
    void Copytexttoclipboard1Click();
    void BuildMilestones();
    void FillEmailList();
    void ButtonPrepareEmailsClick();
    void CheckMilestonePopup();
    void ShowMilestoneWindow();
    void TrayIconClick(bool rightButton);
    void ApplicationEventsMinimize();
    void ApplicationEventsRestore();
    void CheckRunOnStartup();
    void cbRunStartupClick();

    // Shows the application again after it was hidden into the notification area (or
    // minimised where there is none), and hides it there.
    void ShowApplication();
    void HideApplication();
    bool ApplicationHidden() const { return m_hidden; }

    // The rules' settings as the Milestone Options page shows them right now.
    MilestoneSettings MilestoneSettingsShown() const;
    MilestonesModel& MileModel() const { return *m_mileModel; }

    // The full path of the running program, as the autostart entry holds it.
    std::string ProgramPath;

    // The statistics context with the settings the Milestone Options page shows right now.
    StatsContext& Stats();

    // Asks whether a buddy may be removed; a message box unless replaced (tests).
    std::function<bool(const QString& question)> Confirm;

signals:
    // The data files have been written by a close.
    void dataSaved();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildWindow();
    void FormCreate();
    void FormShow();
    bool FormClose();

    void ConnectEditor();
    void ReadQuitters();
    void ReadDataFile(const std::function<void()>& read, bool& unreadable);
    void ReadOptions();
    void ReportUnreadLines();
    std::string OptionsFile() const;
    std::string QuittersFile() const;

    ProgramObjects& m_program;
    std::string m_dataFolder;
    QuittersModel* m_quitters;
    Quitter* m_user = nullptr;
    std::vector<UnreadLine> m_unreadLines;
    std::unique_ptr<StatsContext> m_stats;
    MilestonesModel* m_mileModel;
    MailComposer* m_mail;
    bool m_hidden = false;
    bool m_minimiseBalloonShown = false;
    // A data file that existed but could not be read at start is never overwritten.
    bool m_quittersUnreadable = false;
    bool m_optionsUnreadable = false;
    std::array<bool, 6> m_emptySetReported{};
    bool m_shown = false;
};

} // namespace ashtally
