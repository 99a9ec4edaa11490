// The program in Greek: with the language module installed, the window texts, the default texts,
// the names of new entries and the messages come in Greek, while texts already stored in the
// data files keep the language they were written in.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeView>

#include <gmock/gmock.h>

#include "app/mileform.h"
#include "app/pages/buddiespage.h"
#include "app/pages/todaypage.h"
#include "app/platform/languagemodule.h"
#include "app/platform/translatedstrings.h"
#include "app/quittersmodel.h"
#include "app/sidebar.h"
#include "app/unreadlinesmessage.h"
#include "guifixture.h"

namespace ashtally::testing {
namespace {

using ::testing::HasSubstr;

class GreekTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        // The module the build puts beside the programs, this test program among them.
        m_language = std::make_unique<LanguageModule>(QCoreApplication::applicationDirPath(),
                                                      QLocale(QLocale::Greek, QLocale::Greece));
        ASSERT_FALSE(m_language->File().isEmpty())
            << "no ashtally.ell in " << QCoreApplication::applicationDirPath().toStdString();
    }

    void TearDown() override {
        GuiFixture::TearDown();
        // The other tests speak English.
        m_language.reset();
    }

    // As GuiFixture::Start, with the numbered strings the program takes from its module.
    TMainForm& StartInGreek() {
        m_form.reset();
        const std::string program = m_home.path().toStdString() + "/program/";
        m_program = std::make_unique<ProgramObjects>(m_clock, m_strings, RegionalSettings{},
                                                     program, program + "images/");
        m_form = std::make_unique<TMainForm>(*m_program);
        m_form->RestorePlacement();
        m_form->show();
        QCoreApplication::processEvents();
        return *m_form;
    }

    void Select(int group, int index) {
        m_form->Side->SelectItem(group, index);
        QCoreApplication::processEvents();
    }

    // The user Alex, who quit on the given moment, and the buddy Ann.
    void WriteQuitters(TDateTime userQuit) {
        WriteDataFile("buddies.csv",
                      "\"Alex\",\"\",\"" + std::to_string(userQuit) +
                          "\",\"20\",\"20\",\"5\"\r\n"
                          "\"Ann\",\"ann@example.org\",\"45000\",\"10\",\"20\",\"6\"\r\n");
    }

    QString Text(const char* name) const { return Find<QLineEdit>(name)->text(); }

    const TranslatedStrings m_strings;
    std::unique_ptr<LanguageModule> m_language;
};

// Twelve lines of the quitters file that could not be read: ten are listed, two counted.
std::vector<UnreadLine> TwelveUnreadLines() {
    std::vector<UnreadLine> lines;
    for (int line = 1; line <= 12; ++line) {
        lines.push_back({line * 2, "x", "it has 1 fields, 6 are needed"});
    }
    return lines;
}

TEST_F(GreekTest, EveryWindowTextOfBothWindowsIsGreek) {
    StartInGreek();
    EXPECT_EQ(m_form->windowTitle(), "Ashtally");
    EXPECT_EQ(m_form->lblTitle->text(), "Σήμερα");

    const std::vector<std::pair<const char*, QString>> controls{
        {"ButtonShowMilestoneWin", "Προβολή παραθύρου εορτής"},
        {"ButtonCopyStats", "Αντιγραφή στο πρόχειρο"},
        {"LabelMilesToCeleb", "Γιορτές φίλων σήμερα"},
        {"ButtonPrepareEmails", "Προετοιμασία e-mail"},
        {"Label1", "Ιστοσελίδες:"},
        {"LabelName", "Όνομα (γενική κλίση):"},
        {"LabelQuitDate", "Ημέρα κοψίματος:"},
        {"LabeCigPerDay", "Τσιγάρα που κάπνιζε την ημέρα:"},
        {"LabelCigPerPack", "Τσιγάρα ανά πακέτο:"},
        {"LabelCostPerPack", "Τιμή πακέτου:"},
        {"LabelEmail", "E-mail:"},
        {"ButtonAdd", "Νέος φίλος/η"},
        {"ButtonRemove", "Αφαίρεση από λίστα"},
        {"cbDo72", "Πρώτες 72 ώρες:"},
        {"cbDoCigs", "Τσιγάρα που αποφεύχθηκαν, ανά:"},
        {"cbMoney", "Χρήματα που δεν ξοδέψαμε, ανα:"},
        {"Label8", "επιτόκιο %"},
        {"cbLife", "Ζωή κερδισμένη, ανά:"},
        {"Label7", "ημέρες"},
        {"Label6", "Λεπτά κέρδος/τσιγ.:"},
        {"cbDays", "Ανά ημέρες χωρίς τσιγάρο:"},
        {"cbMonths", "Ανά μήνες χωρίς τσιγάρο:"},
        {"cbYear", "Ανά έτος:"},
        {"buttonSetDef", "Χρησιμοποίηση προεπιλογών"},
        {"cbRunStartup", "Άνοιγμα εφαρμογής με κάθε σύνδεση"},
        {"Label11", "Κείμενο υποδοχής:"},
        {"Label2", "Ιστοσελίδες:"},
        {"Label12", "Κείμενο για επικόλληση στο πρόχειρο:"},
        {"Label13", "Γιατί έκοψα το κάπνισμα:"},
        {"Label4", "Προγραμματισμός:"},
        {"Label5", "Ελληνική έκδοση:"},
    };
    for (const auto& [name, greek] : controls) {
        SCOPED_TRACE(name);
        const QWidget* control = Find<QWidget>(name);
        ASSERT_NE(control, nullptr);
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            EXPECT_EQ(label->text(), greek);
        } else {
            EXPECT_EQ(qobject_cast<const QAbstractButton*>(control)->text(), greek);
        }
    }
    EXPECT_EQ(m_form->Today->Copytexttoclipboard1->text(), "Επικόλληση στο πρόχειρο");

    const std::vector<std::pair<QAbstractItemModel*, QStringList>> lists{
        {m_form->findChild<QTreeView*>("VSTMile")->model(), {"Ποιός", "Πότε", "Πού"}},
        {m_form->Buddies->VSTBuddies->model(), {"Όνομα", "Ημέρα κοψίματος"}},
    };
    for (const auto& [model, columns] : lists) {
        for (int column = 0; column < columns.size(); ++column) {
            EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), columns[column]);
        }
    }

    const SideBar& side = *m_form->Side;
    const std::vector<std::pair<QString, QStringList>> groups{
        {"Πληροφορίες", {"Σήμερα", "Γιορτές", "E-mail", "Λόγοι", "Συνδέσεις"}},
        {"Επιλογές",
         {"Εγώ", "Οι φίλοι μου", "Επιλογές προγράμματος", "Επιλογές γιορτών", "Πληροφορίες"}},
    };
    ASSERT_EQ(side.GroupCount(), 2);
    for (int group = 0; group < 2; ++group) {
        EXPECT_EQ(side.itemText(group), groups[group].first);
        QStringList captions;
        for (int index = 0; index < side.ItemCount(group); ++index) {
            captions << side.ItemAt(group, index).Caption;
        }
        EXPECT_EQ(captions, groups[group].second);
    }
    // The caption of the selected item is the page title.
    Select(1, 3);
    EXPECT_EQ(m_form->lblTitle->text(), "Επιλογές γιορτών");

    const TMileForm& mile = *m_form->MileForm;
    EXPECT_EQ(mile.findChild<QLabel*>("lblTitle")->text(), "Συγχαρητήρια!");
    EXPECT_EQ(mile.findChild<QPushButton*>("btnClose")->text(), "Κλείσιμο");
}

TEST_F(GreekTest, AFirstStartTakesTheGreekDefaults) {
    StartInGreek();
    ASSERT_EQ(m_form->Quitters().Count(), 1);
    EXPECT_EQ(m_form->Quitters().At(0).Name, "Χρήστη");
    // A first start's user quits in six months.
    EXPECT_EQ(m_form->Today->lblStats->toPlainText(), "Δέν έχω κόψει ακόμα το τσιγάρο");

    EXPECT_EQ(Text("edYear"), "<DiffInYears> χρόνια χωρίς τσιγάρο|Καλή επέτειο <name>! Σήμερα "
                              "συμπληρώνεις <DiffInYears> χρόνια χωρίς τσιγάρο!");
    EXPECT_EQ(Text("edDo72"), "<DiffInHours> ώρες χωρίς νικοτίνη!|Μπράβο! Χρειάζεσαι ακόμα μόνο "
                              "<72-DiffInHours> ώρες για να παύσει η σωματική εξάρτησή σου στο "
                              "τσιγάρο!");
    EXPECT_EQ(Find<QPlainTextEdit>("memQuitReasons")->toPlainText(),
              "Κάνε μια λίστα εδώ με τους λόγους για τους οποίους έκοψες το τσιγάρο. "
              "Ξαναδιάβασέ τους ύστερα όποτε χρειάζεσαι συμπαράσταση.");
    // The links are the same in both languages.
    EXPECT_THAT(Find<QPlainTextEdit>("memLinks")->toPlainText().toStdString(),
                HasSubstr("Why Quit,https://whyquit.com/"));

    Select(1, 1);
    m_form->Buddies->ButtonAdd->click();
    ASSERT_EQ(m_form->Quitters().Count(), 2);
    EXPECT_EQ(m_form->Quitters().At(1).Name, "Φίλε");

    // No milestone today: the announcement window says so in Greek.
    m_form->Today->ButtonShowMilestoneWin->click();
    EXPECT_EQ(m_form->MileForm->findChild<QLabel*>("lblMess")->text(),
              "Δεν υπάρχει καμιά γιορτή σήμερα, αλλά να κάτι για να συνεχίσεις την "
              "προσπάθεια...");
}

TEST_F(GreekTest, TheRemovalQuestionNamesTheBuddyWithoutQuotes) {
    WriteQuitters(m_clock.Now() - 10);
    StartInGreek();
    Select(1, 1);
    QStringList asked;
    m_form->Confirm = [&](const QString& question) {
        asked << question;
        return false;
    };
    m_form->Buddies->VSTBuddies->setCurrentIndex(m_form->Quitters().index(1, 0));
    m_form->Buddies->ButtonRemove->click();
    EXPECT_EQ(asked, QStringList{"Σίγουρα θέλετε να αφαιρεθεί το όνομα Ann από τη λίστα;"});
    EXPECT_EQ(m_form->Quitters().Count(), 2);
}

TEST_F(GreekTest, TheSpanTextTellsTheTimeInGreekUnits) {
    WriteQuitters(EncodeDateTime({2024, 10, 9, 8, 28, 58, 0}));
    StartInGreek();
    EXPECT_THAT(m_form->Today->lblStats->toPlainText().toStdString(),
                HasSubstr("Έχω σταματήσει το κάπνισμα για 2 χρόνια, 2 μήνες, 2 ημέρες, 2 ώρες, "
                          "1 λεπτό και 2 δευτερόλεπτα ("));
    EXPECT_THAT(m_form->Today->lblStats->toPlainText().toStdString(),
                HasSubstr("Με λένε Alex, και είμαι εξαρτημένος/η στη νικοτίνη."));
}

TEST_F(GreekTest, EnglishTextsInTheOptionsFileStayEnglishUntilSetDefaults) {
    const std::string english =
        "<DiffInYears> years quit|Happy anniversity <name>! You've been quit <DiffInYears> years!";
    WriteDataFile("options.ini", "[Options]\r\nedYear=" + english + "\r\n");
    StartInGreek();
    EXPECT_EQ(Text("edYear").toStdString(), english);
    // An option the file does not hold takes the default of the language in use.
    EXPECT_EQ(Text("edDays"), "<DiffInDays> ημέρες χωρίς τσιγάρο|Συγχαρητήρια <name>! Έχεις "
                              "κόψει το τσιγάρο για <DiffInDays> ημέρες!");

    Find<QPushButton>("buttonSetDef")->click();
    EXPECT_EQ(Text("edYear"), "<DiffInYears> χρόνια χωρίς τσιγάρο|Καλή επέτειο <name>! Σήμερα "
                              "συμπληρώνεις <DiffInYears> χρόνια χωρίς τσιγάρο!");
}

TEST_F(GreekTest, TheUnreadLinesMessageIsGreekAroundTheReadingErrors) {
    const QString message = UnreadLinesText(TwelveUnreadLines());
    EXPECT_TRUE(message.startsWith("Ορισμένες γραμμές του buddies.csv δεν ήταν δυνατό να "
                                   "διαβαστούν και θα διατηρηθούν όπως είναι:\n γραμμή 2: it has "
                                   "1 fields, 6 are needed\n γραμμή 4: "))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith("\n γραμμή 20: it has 1 fields, 6 are needed\n και 2 ακόμη"))
        << message.toStdString();
    EXPECT_EQ(UnreadLinesText({}), "");
}

// Without the module the message is word for word the one the core writes.
TEST(UnreadLinesTextTest, InEnglishItIsTheCoresMessage) {
    for (const std::size_t count : {1, 10, 12}) {
        std::vector<UnreadLine> lines = TwelveUnreadLines();
        lines.resize(count);
        EXPECT_EQ(UnreadLinesText(lines).toStdString(), UnreadLinesMessage(lines));
    }
}

// On every page, at the window's designed size, and in the milestone window, each caption, check
// box and button is given at least the room its text needs.
void ExpectNoPageCutsAText(TMainForm& form) {
    for (int group = 0; group < form.Side->GroupCount(); ++group) {
        for (int index = 0; index < form.Side->ItemCount(group); ++index) {
            form.Side->SelectItem(group, index);
            QCoreApplication::processEvents();
            const QWidget* page = form.Notebook->currentWidget();
            SCOPED_TRACE(page->objectName().toStdString());
            for (const QWidget* control : page->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<const QLabel*>(control);
                const auto* button = qobject_cast<const QAbstractButton*>(control);
                const bool hasText =
                    (label != nullptr && !label->wordWrap() && !label->text().isEmpty()) ||
                    (button != nullptr && !button->text().isEmpty());
                if (!hasText || !control->isVisibleTo(page)) {
                    continue;
                }
                SCOPED_TRACE(control->objectName().toStdString());
                EXPECT_GE(control->width(), control->minimumSizeHint().width());
                // Nor does the page's edge cut it (pages that scroll do so only downwards).
                EXPECT_LE(control->mapTo(page, QPoint(control->width(), 0)).x(), page->width());
            }
        }
    }
    form.Today->ButtonShowMilestoneWin->click();
    QCoreApplication::processEvents();
    for (const char* name : {"lblTitle", "btnClose"}) {
        SCOPED_TRACE(name);
        const auto* control = form.MileForm->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_GE(control->width(), control->minimumSizeHint().width());
    }
    form.MileForm->hide();
}

// The Greek texts are longer than the English ones.
TEST_F(GreekTest, NoPageCutsAGreekText) {
    StartInGreek();
    ExpectNoPageCutsAText(*m_form);
}

using EnglishLayoutTest = GuiFixture;

TEST_F(EnglishLayoutTest, NoPageCutsAnEnglishText) {
    Start();
    ExpectNoPageCutsAText(*m_form);
}

} // namespace
} // namespace ashtally::testing
