#include "app/mainform.h"

#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <cmath>

#include "app/currencyedit.h"
#include "app/errorreporter.h"
#include "app/guard.h"
#include "app/linklabel.h"
#include "app/longhints.h"
#include "app/mileform.h"
#include "app/milestonesmodel.h"
#include "app/optionbinding.h"
#include "app/pages/aboutpage.h"
#include "app/pages/buddiespage.h"
#include "app/pages/emailpage.h"
#include "app/pages/linkspage.h"
#include "app/pages/milestoneoptionspage.h"
#include "app/pages/milestonespage.h"
#include "app/pages/programoptionspage.h"
#include "app/pages/quitreasonspage.h"
#include "app/pages/todaypage.h"
#include "app/picturearea.h"
#include "app/platform/mailcomposer.h"
#include "app/platform/systemclock.h"
#include "app/programobjects.h"
#include "app/quittersmodel.h"
#include "app/sidebar.h"
#include "app/titlestrip.h"
#include "app/unreadlinesmessage.h"
#include "settings/inifile.h"
#include "stats/milestonerules.h"
#include "stats/statscontext.h"
#include "stats/templates.h"
#include "util/appdatafolder.h"
#include "util/autostart.h"
#include "util/datetime.h"
#include "util/errors.h"
#include "util/mailhandoff.h"
#include "util/randomlistitem.h"

namespace ashtally {

namespace {

constexpr const char* kPlacementSection = "Placement";
constexpr const char* kGeometryKey = "Geometry";
constexpr int kDesignedWidth = 619;
constexpr int kDesignedHeight = 427;
constexpr int kPopupInterval = 1500;

// The notification area cuts a balloon's title and text to these lengths.
QString Cut(const QString& text, qsizetype length) {
    return text.left(length);
}

// Roles of an E-mail page item: the milestone it stands for, copied, so that a rebuild of the
// list in between can never leave the item pointing nowhere.
enum EmailRole {
    EmailShortText = Qt::UserRole + 1,
    EmailLongText,
    EmailAddress,
};

// Whether the keyboard focus is in the control or in a pop-up of its own, such as the
// calendar of a date edit, whose choice reaches the control while the pop-up has the focus.
bool HasFocusWithin(const QWidget* control) {
    for (const QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (widget == control) {
            return true;
        }
    }
    return control->hasFocus();
}

void ReportMessage(const std::string& message) {
    ReportError(QString::fromStdString(message));
}

// The links text split into lines: a line ends at CR LF, CR or LF, and a break at the very end
// adds no empty line.
QStringList LinkLines(const QString& text) {
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normal.replace(QChar('\r'), QChar('\n'));
    QStringList lines = normal.split(QChar('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

} // namespace

TMainForm::TMainForm(ProgramObjects& program, QWidget* parent)
    : QWidget(parent), m_program(program), m_quitters(new QuittersModel(this)),
      m_stats(std::make_unique<StatsContext>(program.Parser, program.Strings, program.Regional)),
      m_mileModel(new MilestonesModel(
          Mile.List, program.clock,
          [this] { return m_user != nullptr ? m_user->Name : std::string(); }, this)),
      m_mail(new MailComposer(QStringLiteral("xdg-email"), this)) {
    ProgramPath = QCoreApplication::applicationFilePath().toStdString();
    Confirm = [this](const QString& question) {
        return QMessageBox::question(this, windowTitle(), question,
                                     QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Cancel) == QMessageBox::Ok;
    };
    BuildWindow();
    Guard([this] { FormCreate(); });
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildWindow() {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Ashtally"));

    // The title strip: the selected item's caption, white and bold on grey.
    const TitleStrip strip = MakeTitleStrip(this, tr("Today"));
    Panel = strip.Panel;
    lblTitle = strip.Title;

    Side = new SideBar(this);
    Side->setFixedWidth(124);

    Notebook = new QStackedWidget(this);
    Notebook->setObjectName(QStringLiteral("Notebook"));
    Today = new TodayPage;
    Milestones = new MilestonesPage;
    Email = new EmailPage;
    Links = new LinksPage;
    Buddies = new BuddiesPage;
    MilSetup = new MilestoneOptionsPage;
    Setup = new ProgramOptionsPage;
    About = new AboutPage;
    QuitReasons = new QuitReasonsPage;
    for (QWidget* page : std::initializer_list<QWidget*>{Today, Milestones, Email, Links, Buddies,
                                                         MilSetup, Setup, About, QuitReasons}) {
        Notebook->addWidget(page);
    }

    Buddies->VSTBuddies->setModel(m_quitters);
    Buddies->VSTBuddies->header()->setSectionResizeMode(QuittersModel::NameColumn,
                                                        QHeaderView::Stretch);
    Buddies->VSTBuddies->header()->setStretchLastSection(false);
    Buddies->VSTBuddies->header()->setSectionResizeMode(QuittersModel::QuitDateColumn,
                                                        QHeaderView::ResizeToContents);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(Side);
    body->addWidget(Notebook, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel);
    layout->addLayout(body, 1);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    PopupTimer = new QTimer(this);
    PopupTimer->setObjectName(QStringLiteral("PopupTimer"));
    PopupTimer->setInterval(kPopupInterval);

    Milestones->VSTMile->setModel(m_mileModel);
    MilestonesModel::SetUpView(Milestones->VSTMile);

    MileForm = new TMileForm(this);
    MileForm->setWindowFlag(Qt::Window);
    MileForm->hide();

    TrayIcon = new QSystemTrayIcon(this);
    TrayIcon->setObjectName(QStringLiteral("TrayIcon"));
    TrayIcon->setIcon(QApplication::windowIcon());

    connect(Side, &SideBar::selectedItemChanged, this, [this](const SideBar::Item& item) {
        Guard([&] { SideBarChangeSelectedItem(item.Page, item.Caption, item.Marker); });
    });
    connect(MilSetup->buttonSetDef, &QPushButton::clicked, this,
            [this] { Guard([this] { buttonSetDefClick(); }); });
    connect(Buddies->VSTBuddies->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                Guard([&] { VSTBuddiesFocusChanged(current.isValid() ? current.row() : -1); });
            });
    connect(Buddies->ButtonAdd, &QPushButton::clicked, this,
            [this] { Guard([this] { ButtonAddClick(); }); });
    connect(Buddies->ButtonRemove, &QPushButton::clicked, this,
            [this] { Guard([this] { ButtonRemoveClick(); }); });
    ConnectEditor();

    connect(Timer, &QTimer::timeout, this, [this] { Guard([this] { TimerTimer(); }); });
    // Rows turn grey, and lose today's bold, as time passes without a rebuild.
    auto* styleTimer = new QTimer(this);
    styleTimer->setInterval(30000);
    connect(styleTimer, &QTimer::timeout, this, [this] {
        if (Notebook->currentIndex() == PageMilestones) {
            m_mileModel->StylesChanged();
        }
    });
    styleTimer->start();
    connect(Setup->memClip, &QPlainTextEdit::textChanged, this,
            [this] { Guard([this] { memClipChange(); }); });
    connect(Today->ButtonCopyStats, &QPushButton::clicked, this,
            [this] { Guard([this] { ButtonCopyStatsClick(); }); });
    connect(Today->Copytexttoclipboard1, &QAction::triggered, this,
            [this] { Guard([this] { Copytexttoclipboard1Click(); }); });
    connect(Today->ButtonShowMilestoneWin, &QPushButton::clicked, this,
            [this] { Guard([this] { ShowMilestoneWindow(); }); });
    connect(Email->ButtonPrepareEmails, &QPushButton::clicked, this,
            [this] { Guard([this] { ButtonPrepareEmailsClick(); }); });
    connect(PopupTimer, &QTimer::timeout, this,
            [this] { Guard([this] { CheckMilestonePopup(); }); });
    connect(TrayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                Guard([&] {
                    if (reason == QSystemTrayIcon::Trigger) {
                        // A left click shows a hidden program and hides a shown one.
                        if (m_hidden) {
                            ShowApplication();
                        } else {
                            HideApplication();
                        }
                    }
                    TrayIconClick(reason == QSystemTrayIcon::Context);
                });
            });
    connect(Setup->cbRunStartup, &QCheckBox::toggled, this,
            [this] { Guard([this] { cbRunStartupClick(); }); });
}

void TMainForm::ConnectEditor() {
    const auto changed = [this](QWidget* control) {
        return [this, control] { Guard([this, control] { BuddyDataChange(control); }); };
    };
    connect(Buddies->edName, &QLineEdit::textChanged, this, changed(Buddies->edName));
    connect(Buddies->edEmail, &QLineEdit::textChanged, this, changed(Buddies->edEmail));
    connect(Buddies->edDate, &QDateEdit::dateChanged, this, changed(Buddies->edDate));
    connect(Buddies->edTime, &QTimeEdit::timeChanged, this, changed(Buddies->edTime));
    connect(Buddies->edCigPerDay, &QSpinBox::valueChanged, this, changed(Buddies->edCigPerDay));
    connect(Buddies->edCigPerPack, &QSpinBox::valueChanged, this, changed(Buddies->edCigPerPack));
    connect(Buddies->edPricePerPack, &CurrencyEdit::moneyChanged, this,
            changed(Buddies->edPricePerPack));
}

std::string TMainForm::OptionsFile() const {
    return m_dataFolder + "options.ini";
}

std::string TMainForm::QuittersFile() const {
    return m_dataFolder + "buddies.csv";
}

void TMainForm::FormCreate() {
    EditsEnabled = true;
    // The window is resizable; the About page's disclaimer wraps.
    About->memDisclaimer->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_dataFolder = AppDataFolder(true, false, "Ashtally");
    Notebook->setCurrentIndex(PageToday);
    qApp->installEventFilter(new LongHints(this));
    Mile.MilestonesDirty = true;

    // Each file that cannot be read is reported, and start-up goes on with the defaults, so the
    // user is never left without an entry or without options.
    ReadDataFile([this] { ReadQuitters(); }, m_quittersUnreadable);
    ReadDataFile([this] { ReadOptions(); }, m_optionsUnreadable);

    QuitReasons->memQuitReasons->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    if (m_quitters->Count() == 0) {
        NewQuitter(true);
    }
    FillBuddyBox();
    ApplyOptions();
    ReportUnreadLines();
    Timer->start();
    PopupTimer->start();
    TrayIcon->show();
}

void TMainForm::ReadDataFile(const std::function<void()>& read, bool& unreadable) {
    try {
        read();
    } catch (const std::exception& error) {
        // Writing the defaults over a file that is there but could not be read would lose
        // everything in it; the file is left alone instead.
        unreadable = true;
        ReportError(QString::fromUtf8(error.what()) + QStringLiteral("\n\n") +
                    tr("Ashtally will leave this file as it is and start with its defaults."));
    }
}

void TMainForm::ReadQuitters() {
    m_quitters->Clear();
    m_user = nullptr;
    m_unreadLines.clear();
    QuittersFileContents content = ReadQuittersFile(QuittersFile(), m_program.Regional);
    for (Quitter& quitter : content.Quitters) {
        m_quitters->Append(std::move(quitter));
    }
    m_unreadLines = std::move(content.UnreadLines);
    if (m_quitters->Count() > 0) {
        m_user = &m_quitters->At(0);
    }
}

void TMainForm::ReadOptions() {
    m_program.Options->SetMessageHandler(ReportMessage);
    m_program.Options->LoadFromFile(OptionsFile());
}

void TMainForm::ReportUnreadLines() {
    if (!m_unreadLines.empty()) {
        ReportError(UnreadLinesText(m_unreadLines));
    }
}

void TMainForm::RestorePlacement() {
    Guard([this] {
        if (m_optionsUnreadable) {
            resize(kDesignedWidth, kDesignedHeight);
            return;
        }
        const IniFile ini(OptionsFile());
        const auto geometry = ini.ReadString(kPlacementSection, kGeometryKey);
        if (geometry &&
            restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(*geometry)))) {
            return;
        }
        // No placement yet: the designed size, centred on the screen.
        resize(kDesignedWidth, kDesignedHeight);
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(kDesignedWidth / 2, kDesignedHeight / 2));
        }
    });
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        Guard([this] { FormShow(); });
    }
}

void TMainForm::FormShow() {
    About->SetTexts();
    // Never smaller than the pages need, so no text is ever cut; 500 x 400 at the least.
    setMinimumSize(QSize(500, 400).expandedTo(minimumSizeHint()));
    FocusTracking = true;
    if (m_user != nullptr) {
        const int row = m_quitters->RowOf(m_user);
        Buddies->VSTBuddies->setCurrentIndex(m_quitters->index(row, 0));
        VSTBuddiesFocusChanged(row);
    }
    // A broken Today template is reported, and the picture and the rest still come.
    Guard([this] { TimerTimer(); });
    Guard([this] { ChooseTodayPicture(); });
    BuildMilestones();
    Side->MarkSelected(0, 0);
    lblTitle->setText(Side->ItemAt(0, 0).Caption);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    bool saved = false;
    Guard([&] { saved = FormClose(); });
    if (!saved) {
        // The error has been shown; the window stays open, as it was, and a later close tries
        // again.
        event->ignore();
        Timer->start();
        PopupTimer->start();
        Guard([this] { ChooseTodayPicture(); });
        return;
    }
    TrayIcon->hide();
    MileForm->hide();
    event->accept();
    emit dataSaved();
}

bool TMainForm::FormClose() {
    Timer->stop();
    PopupTimer->stop();
    Today->Pictures->Clear();
    SaveData();
    return true;
}

void TMainForm::SaveData() {
    if (!m_quittersUnreadable) {
        WriteQuittersFile(QuittersFile(), m_quitters->Snapshot(), m_unreadLines,
                          m_program.Regional);
    }
    ControlsToOptions(this, *m_program.Options);
    if (!m_optionsUnreadable) {
        // The options and the placement go into the file in one write.
        IniFile ini(OptionsFile());
        m_program.Options->SaveToIni(ini);
        ini.WriteString(kPlacementSection, kGeometryKey, saveGeometry().toBase64().toStdString());
        ini.Save();
    }
}

void TMainForm::ApplyOptions() {
    OptionsToControls(this, *m_program.Options, ReportMessage);
    TrayIcon->setToolTip(windowTitle());

    for (LinkLabel* link : Links->Links) {
        link->Clear();
    }
    const QStringList lines =
        LinkLines(QString::fromStdString(m_program.Options->GetStr(omemLinks)));
    for (int i = 0; i < std::min<qsizetype>(lines.size(), Links->Links.size()); ++i) {
        const QString& line = lines[i];
        const qsizetype comma = line.indexOf(QChar(','));
        if (comma >= 0) {
            Links->Links[static_cast<std::size_t>(i)]->SetLink(line.left(comma),
                                                               line.mid(comma + 1));
        }
    }
}

void TMainForm::SideBarChangeSelectedItem(int page, const QString& caption, const QString& marker) {
    Notebook->setCurrentIndex(page);
    Today->cbBuddyBox->setCurrentIndex(0);
    lblTitle->setText(caption);
    if (marker == QLatin1String("me")) {
        if (m_user != nullptr) {
            const int row = m_quitters->RowOf(m_user);
            Buddies->VSTBuddies->setCurrentIndex(m_quitters->index(row, 0));
            // Focusing the row that is already focused announces nothing: load it anyway.
            VSTBuddiesFocusChanged(row);
        }
        Buddies->SetListVisible(false);
    } else {
        Buddies->SetListVisible(true);
    }

    switch (page) {
    case PageMilestones:
        BuildMilestones();
        break;
    case PageToday:
        BuildMilestones();
        Timer->stop();
        Timer->start();
        TimerTimer();
        ChooseTodayPicture();
        break;
    case PageEmail:
        BuildMilestones();
        FillEmailList();
        break;
    case PageSetup:
        memClipChange();
        CheckRunOnStartup();
        break;
    default:
        break;
    }
}

int TMainForm::NewQuitter(bool asUser) {
    const int name = asUser ? sUser : sFriend;
    const int row =
        m_quitters->Append(NewQuitterRecord(m_program.Strings.Get(name), m_program.clock.Now()));
    if (asUser) {
        m_user = &m_quitters->At(row);
    }
    return row;
}

void TMainForm::FillBuddyBox() {
    QComboBox* box = Today->cbBuddyBox;
    box->clear();
    for (int row = 0; row < m_quitters->Count(); ++row) {
        Quitter& quitter = m_quitters->At(row);
        box->addItem(QString::fromStdString(quitter.Name),
                     QVariant::fromValue(static_cast<void*>(&quitter)));
    }
    box->setCurrentIndex(0);
}

void TMainForm::VSTBuddiesFocusChanged(int row) {
    if (!FocusTracking || row < 0 || row >= m_quitters->Count()) {
        return;
    }
    const Quitter& quitter = m_quitters->At(row);
    EditsEnabled = false;
    const QDateTime quitDate = ToQDateTime(quitter.QuitDate);
    Buddies->edName->setText(QString::fromStdString(quitter.Name));
    Buddies->edEmail->setText(QString::fromStdString(quitter.EMail));
    Buddies->edDate->setDate(quitDate.date());
    Buddies->edTime->setTime(quitDate.time());
    Buddies->edCigPerDay->setValue(static_cast<int>(quitter.CigPerDay));
    Buddies->edCigPerPack->setValue(static_cast<int>(quitter.CigPerPack));
    Buddies->edPricePerPack->SetMoney(quitter.CostPerPack);
    EditsEnabled = true;
}

void TMainForm::BuddyDataChange(QWidget* changed) {
    // Only what the user types counts; the program filling the editor is no edit.
    if (!EditsEnabled || changed == nullptr || !HasFocusWithin(changed)) {
        return;
    }
    const QModelIndex focused = Buddies->VSTBuddies->currentIndex();
    if (!focused.isValid()) {
        return;
    }
    Quitter& quitter = m_quitters->At(focused.row());
    quitter.Name = Buddies->edName->text().toStdString();
    quitter.QuitDate = ToDateTime(QDateTime(Buddies->edDate->date(), Buddies->edTime->time()));
    quitter.CigPerDay = static_cast<std::uint32_t>(std::max(0, Buddies->edCigPerDay->value()));
    quitter.CigPerPack = static_cast<std::uint32_t>(std::max(0, Buddies->edCigPerPack->value()));
    quitter.CostPerPack = Buddies->edPricePerPack->Money();
    quitter.EMail = Buddies->edEmail->text().toStdString();
    m_quitters->Refresh(focused.row());
    Mile.MilestonesDirty = true;
}

void TMainForm::ButtonAddClick() {
    Mile.MilestonesDirty = true;
    const int row = NewQuitter(false);
    Buddies->VSTBuddies->setCurrentIndex(m_quitters->index(row, 0));
    Buddies->VSTBuddies->selectionModel()->select(
        m_quitters->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    FillBuddyBox();
}

void TMainForm::ButtonRemoveClick() {
    const QModelIndex focused = Buddies->VSTBuddies->currentIndex();
    if (!focused.isValid() || focused.row() == 0) {
        return;
    }
    const Quitter& quitter = m_quitters->At(focused.row());
    QString question = QString::fromStdString(m_program.Strings.Get(sConfirmRemove));
    question.replace(QStringLiteral("%s"), QString::fromStdString(quitter.Name));
    if (!Confirm(question)) {
        return;
    }
    Mile.MilestonesDirty = true;
    FocusTracking = false;
    m_quitters->Remove(focused.row());
    FocusTracking = true;
    Buddies->VSTBuddies->setCurrentIndex(m_quitters->index(0, 0));
    Buddies->VSTBuddies->selectionModel()->select(
        m_quitters->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    VSTBuddiesFocusChanged(0);
    FillBuddyBox();
}

StatsContext& TMainForm::Stats() {
    m_stats->Settings.MinPerCig = MilSetup->edMinCig->value();
    m_stats->Settings.InterestRate = MilSetup->edInterest->value();
    m_stats->Settings.StoredMinPerCig = m_program.Options->GetReal(oedMinCig);
    return *m_stats;
}

void TMainForm::TimerTimer() {
    if (Notebook->currentIndex() != PageToday) {
        return;
    }
    auto* quitter = static_cast<Quitter*>(Today->cbBuddyBox->currentData().value<void*>());
    if (quitter == nullptr) {
        return;
    }
    try {
        QString text = QString::fromStdString(
            StatisticsText(Stats(), *quitter, Setup->memStats->toPlainText().toStdString(),
                           m_program.clock.Now()));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        // Setting the same text again would scroll the reader back to the top every second.
        if (Today->lblStats->toPlainText() != text) {
            Today->lblStats->setPlainText(text);
        }
    } catch (...) {
        // One message for a broken template, not one every second.
        Timer->stop();
        throw;
    }
}

void TMainForm::ChooseTodayPicture() {
    const TDateTime tomorrow = m_program.clock.Now() + 1;
    PictureSet set = PictureSet::Freedom;
    if (m_user != nullptr && tomorrow >= m_user->QuitDate) {
        const double months = std::trunc((tomorrow - m_user->QuitDate) / 30.4375);
        if (months >= 12) {
            set = PictureSet::Gold;
        } else if (months >= 6) {
            set = PictureSet::Silver;
        } else if (months >= 3) {
            set = PictureSet::Bronze;
        } else if (months >= 1) {
            set = PictureSet::Green;
        }
    }
    const std::vector<std::string>& pictures = m_program.Pictures(set);
    std::string file;
    try {
        file = RandomListItem(pictures, m_program.Random);
    } catch (const EListError&) {
        // A set without pictures leaves the area empty; it is reported the first time only.
        Today->Pictures->Clear();
        auto& reported = m_emptySetReported[static_cast<std::size_t>(set)];
        if (!reported) {
            reported = true;
            throw;
        }
        return;
    }
    Today->Pictures->Image2()->hide();
    Today->Pictures->LoadPicture(QString::fromStdString(file));
    Today->Pictures->Image2()->show();
}

void TMainForm::memClipChange() {
    if (m_user == nullptr) {
        return;
    }
    QString text;
    try {
        text = QString::fromStdString(StatisticsText(
            Stats(), *m_user, Setup->memClip->toPlainText().toStdString(), m_program.clock.Now()));
    } catch (const std::exception& error) {
        // The preview shows what is wrong with the template instead.
        text = QString::fromUtf8(error.what());
    }
    Setup->lblPrevClip->setText(text);
}

void TMainForm::ButtonCopyStatsClick() {
    memClipChange();
    QGuiApplication::clipboard()->setText(Setup->lblPrevClip->text());
}

void TMainForm::Copytexttoclipboard1Click() {
    QGuiApplication::clipboard()->setText(Today->lblStats->toPlainText());
}

void TMainForm::buttonSetDefClick() {
    m_program.Options = m_program.NewOptions();
    m_program.Options->SetMessageHandler(ReportMessage);
    Mile.MilestonesDirty = true;
    const QString reasons = QuitReasons->memQuitReasons->toPlainText();
    ApplyOptions();
    QuitReasons->memQuitReasons->setPlainText(reasons);
}

} // namespace ashtally

namespace ashtally {

MilestoneSettings TMainForm::MilestoneSettingsShown() const {
    MilestoneSettings settings;
    settings.Do72 = MilSetup->cbDo72->isChecked();
    settings.Do72Template = MilSetup->edDo72->text().toStdString();
    settings.DoCigs = MilSetup->cbDoCigs->isChecked();
    settings.CigsNum = MilSetup->edCigsNum->value();
    settings.CigsTemplate = MilSetup->edDoCigs->text().toStdString();
    settings.DoMoney = MilSetup->cbMoney->isChecked();
    settings.MoneyCount = MilSetup->edMoneyCount->Money();
    settings.MoneyTemplate = MilSetup->edMoney->text().toStdString();
    settings.DoLife = MilSetup->cbLife->isChecked();
    settings.LifeNum = MilSetup->edLifeNum->value();
    settings.LifeTemplate = MilSetup->edLife->text().toStdString();
    settings.DoDays = MilSetup->cbDays->isChecked();
    settings.DaysNum = MilSetup->edDaysNum->value();
    settings.DaysTemplate = MilSetup->edDays->text().toStdString();
    settings.DoMonths = MilSetup->cbMonths->isChecked();
    settings.MonthNum = MilSetup->edMonthNum->value();
    settings.MonthsTemplate = MilSetup->edMonths->text().toStdString();
    settings.DoYear = MilSetup->cbYear->isChecked();
    settings.YearTemplate = MilSetup->edYear->text().toStdString();
    return settings;
}

void TMainForm::BuildMilestones() {
    if (!Mile.MilestonesDirty) {
        return;
    }
    std::vector<Quitter*> quitters;
    quitters.reserve(static_cast<std::size_t>(m_quitters->Count()));
    for (int row = 0; row < m_quitters->Count(); ++row) {
        quitters.push_back(&m_quitters->At(row));
    }
    const MilestoneSettings settings = MilestoneSettingsShown();
    // The view waits while the list is rebuilt, and learns of the new rows once.
    m_mileModel->BeginRebuild();
    try {
        ashtally::BuildMilestones(Mile, quitters, Stats(), settings, m_program.clock);
    } catch (...) {
        m_mileModel->EndRebuild();
        throw;
    }
    m_mileModel->EndRebuild();
}

void TMainForm::FillEmailList() {
    QListWidget* box = Email->EmailBox;
    box->clear();
    const TDateTime now = m_program.clock.Now();
    for (int row = 0; row < m_quitters->Count(); ++row) {
        const Milestone* due = Mile.List.LatestDue(m_quitters->At(row).Name, now);
        if (due == nullptr) {
            continue;
        }
        auto* item =
            new QListWidgetItem(QString::fromStdString(due->Who + " - " + due->ShortText), box);
        item->setData(EmailShortText, QString::fromStdString(due->ShortText));
        item->setData(EmailLongText, QString::fromStdString(due->LongText));
        item->setData(EmailAddress, QString::fromStdString(due->EMail));
    }
}

void TMainForm::ButtonPrepareEmailsClick() {
    const QListWidgetItem* item = Email->EmailBox->currentItem();
    if (item == nullptr || !item->isSelected()) {
        return;
    }
    MailMessage message;
    message.Subject = item->data(EmailShortText).toString().toStdString();
    message.Body = item->data(EmailLongText).toString().toStdString() + "\r\n\r\n\r\n" +
                   Today->lblStats->toPlainText().toStdString();
    message.To = item->data(EmailAddress).toString().toStdString();
    message.Attachments =
        RandomListItem(m_program.Pictures(PictureSet::Assorted), m_program.Random);
    m_mail->Compose(message, [](bool ok, const QString& problem) {
        if (!ok) {
            ReportError(problem);
        }
    });
}

void TMainForm::CheckMilestonePopup() {
    if (m_user == nullptr) {
        return;
    }
    const TDateTime now = m_program.clock.Now();
    const Milestone* due = Mile.List.LatestDue(m_user->Name, now);
    if (due != nullptr && due->When > Mile.LastAnnounced &&
        DayOfTheYear(now) == DayOfTheYear(due->When)) {
        ShowMilestoneWindow();
    }
}

void TMainForm::ShowMilestoneWindow() {
    ShowApplication();
    const TDateTime now = m_program.clock.Now();
    const Milestone* due = m_user != nullptr ? Mile.List.LatestDue(m_user->Name, now) : nullptr;
    QString caption;
    QString message;
    if (due != nullptr && DayOfTheYear(now) == DayOfTheYear(due->When)) {
        message = QString::fromStdString(due->LongText);
        caption = QString::fromStdString(due->ShortText);
        Mile.LastAnnounced = due->When;
    } else {
        message = QString::fromStdString(m_program.Strings.Get(sNoMilestone));
        caption = MileForm->findChild<QLabel*>(QStringLiteral("lblTitle"))->text();
    }
    // A new picture at every announcement; a set without pictures is reported, and the
    // announcement is then not repeated for the same milestone.
    const std::string picture =
        RandomListItem(m_program.Pictures(PictureSet::Assorted), m_program.Random);
    MileForm->Announce(caption, message, QString::fromStdString(picture));
}

void TMainForm::TrayIconClick(bool rightButton) {
    if (!rightButton) {
        return;
    }
    memClipChange();
    const QString text = Setup->lblPrevClip->text();
    QGuiApplication::clipboard()->setText(text);
    const QString heading = QString::fromStdString(m_program.Strings.Get(sBalloonCopied));
    TrayIcon->showMessage(Cut(windowTitle(), 63), Cut(heading + QStringLiteral("\n\n") + text, 255),
                          QSystemTrayIcon::Information, 3000);
}

void TMainForm::HideApplication() {
    if (!m_hidden) {
        setWindowState(windowState() | Qt::WindowMinimized);
    }
}

void TMainForm::ShowApplication() {
    if (m_hidden || isMinimized() || !isVisible()) {
        show();
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    }
    raise();
    activateWindow();
}

void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) {
        return;
    }
    if (isMinimized() && !m_hidden) {
        m_hidden = true;
        // Into the notification area, off the task bar. Where the desktop has none, the
        // window stays an ordinary minimised window, so the user can always get it back.
        if (QSystemTrayIcon::isSystemTrayAvailable() && TrayIcon->isVisible()) {
            QTimer::singleShot(0, this, [this] {
                if (m_hidden) {
                    hide();
                }
            });
        }
        Guard([this] { ApplicationEventsMinimize(); });
    } else if (!isMinimized() && m_hidden) {
        m_hidden = false;
        Guard([this] { ApplicationEventsRestore(); });
    }
}

void TMainForm::ApplicationEventsMinimize() {
    if (!m_minimiseBalloonShown) {
        m_minimiseBalloonShown = true;
        TrayIcon->showMessage(
            Cut(windowTitle(), 63),
            Cut(QString::fromStdString(m_program.Strings.Get(sBalloonFirstMinimise)), 255),
            QSystemTrayIcon::Information, 4000);
    }
    const int interval = m_program.Options->GetInt(oUpdateTimer);
    // A timer of 0 would fire without pause; the check then rests until the program is back.
    if (interval > 0) {
        PopupTimer->start(interval);
    } else {
        PopupTimer->stop();
    }
    Timer->stop();
}

void TMainForm::ApplicationEventsRestore() {
    PopupTimer->start(kPopupInterval);
    Timer->start();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Today->Pictures->FitAnimation();
}

void TMainForm::CheckRunOnStartup() {
    // Setting the box counts as a change of it, as a click does.
    Setup->cbRunStartup->setChecked(AutostartStartsProgram(ProgramPath, SystemEnvironment()));
}

void TMainForm::cbRunStartupClick() {
    if (Setup->cbRunStartup->isChecked()) {
        WriteAutostartEntry(ProgramPath, SystemEnvironment());
    } else {
        DeleteAutostartEntry(SystemEnvironment());
    }
}

} // namespace ashtally
