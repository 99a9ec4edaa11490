// Choosing the language module, and what the program's numbered strings and Qt's own texts
// become through it.
#include "app/platform/languagemodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/platform/translatedstrings.h"

namespace ashtally {
namespace {

std::string Text(const QString& text) {
    return text.toStdString();
}

class LanguageModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QFileInfo::exists(BuiltModule())) << Text(BuiltModule());
    }

    // The Greek module the build puts beside the programs, this test program among them.
    static QString BuiltModule() {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/ashtally.ell");
    }

    // A program folder "bin" with its installed share folder "share/ashtally" beside it.
    QString ProgramFolder() const { return m_dir.filePath(QStringLiteral("bin")); }

    // Puts the built module, or a file that is no module at all, at a path of the temporary
    // folder; returns its full path.
    QString Place(const QString& relative, bool module = true) const {
        const QString path = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (module) {
            EXPECT_TRUE(QFile::copy(BuiltModule(), path)) << Text(path);
        } else {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("MZ not a translation catalog");
        }
        return path;
    }

    QTemporaryDir m_dir;
    const TranslatedStrings m_strings;
};

const QLocale kGreek(QLocale::Greek, QLocale::Greece);

TEST_F(LanguageModuleTest, TheModuleIsTheFirstOfTheLanguagesNamesThatCanBeRead) {
    struct Case {
        const char* What;
        QLocale Locale;
        std::vector<std::pair<const char*, bool>> Files; // path, a real module or not
        std::optional<std::size_t> Chosen;               // which of Files, none: English
    };
    const std::vector<Case> cases{
        {"three-letter code first",
         kGreek,
         {{"bin/ashtally.ell", true}, {"bin/ashtally.el", true}},
         0},
        {"two-letter code", kGreek, {{"bin/ashtally.el", true}}, 0},
        {"beside the program first",
         kGreek,
         {{"share/ashtally/ashtally.ell", true}, {"bin/ashtally.el", true}},
         1},
        {"installed share folder", kGreek, {{"share/ashtally/ashtally.ell", true}}, 0},
        {"Greek of Cyprus",
         QLocale(QLocale::Greek, QLocale::Cyprus),
         {{"bin/ashtally.ell", true}},
         0},
        {"a file that is no module is passed over",
         kGreek,
         {{"bin/ashtally.ell", false}, {"bin/ashtally.el", true}},
         1},
        {"only files that are no module", kGreek, {{"bin/ashtally.ell", false}}, std::nullopt},
        {"no module", kGreek, {{"bin/ashtally.deu", true}}, std::nullopt},
        {"English needs none",
         QLocale(QLocale::English, QLocale::UnitedStates),
         {{"bin/ashtally.eng", true}, {"bin/ashtally.en", true}, {"bin/ashtally.ell", true}},
         std::nullopt},
        {"the C locale is English", QLocale::c(), {{"bin/ashtally.ell", true}}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(ProgramFolder());
        std::vector<QString> placed;
        for (const auto& [path, module] : c.Files) {
            placed.push_back(Place(QString::fromLatin1(path), module));
        }

        const LanguageModule language(ProgramFolder(), c.Locale);
        if (c.Chosen) {
            EXPECT_EQ(Text(QFileInfo(language.File()).absoluteFilePath()),
                      Text(QFileInfo(placed[*c.Chosen]).absoluteFilePath()));
            EXPECT_EQ(m_strings.Get(sUser), "Χρήστη");
        } else {
            EXPECT_EQ(Text(language.File()), "");
            EXPECT_EQ(m_strings.Get(sUser), "User");
        }
    }
}

TEST_F(LanguageModuleTest, TheNumberedStringsAndQtsButtonsSpeakGreekWhileTheModuleIsInstalled) {
    Place(QStringLiteral("bin/ashtally.ell"));
    {
        const LanguageModule language(ProgramFolder(), kGreek);
        EXPECT_EQ(m_strings.Get(sUser), "Χρήστη");
        EXPECT_EQ(m_strings.Get(sFriend), "Φίλε");
        EXPECT_EQ(m_strings.Get(sYear), "χρόνο");
        EXPECT_EQ(m_strings.Get(sAnd), "και");
        EXPECT_EQ(m_strings.Get(sConfirmRemove),
                  "Σίγουρα θέλετε να αφαιρεθεί το όνομα %s από τη λίστα;");
        // Six lines, the third and the fifth empty, no line break after the last.
        EXPECT_EQ(m_strings.Get(sDefaultStats),
                  "Με λένε <name>, και είμαι εξαρτημένος/η στη νικοτίνη.\r\n"
                  "Έχω σταματήσει το κάπνισμα για <spantext> (<TRUNC(DiffInDays)> ημέρες).\r\n"
                  "\r\n"
                  "Δεν έχω καπνίσει <CigPerDay*DiffInDays> τσιγάρα, και έχω κερδίσει "
                  "<moneysaved>.\r\n"
                  "\r\n"
                  "Έχω σώσει <lifetext> από τη ζωή μου.");
        // The default links are the same in every language.
        EXPECT_EQ(m_strings.Get(sDefaultLinks), EnglishString(sDefaultLinks));
        // The confirmation's buttons come with the module: the desktop has no Greek catalog
        // of Qt's own.
        EXPECT_EQ(Text(QCoreApplication::translate("QPlatformTheme", "Cancel")), "Άκυρο");
    }
    EXPECT_EQ(m_strings.Get(sUser), "User");
    EXPECT_EQ(m_strings.Get(sDefaultStats), EnglishString(sDefaultStats));
    EXPECT_EQ(Text(QCoreApplication::translate("QPlatformTheme", "Cancel")), "Cancel");
}

// A module made for an older program may lack texts; those come out in English, never empty.
TEST_F(LanguageModuleTest, ATextTheModuleLacksComesOutInEnglish) {
    const QString source = m_dir.filePath(QStringLiteral("partial.ts"));
    {
        QFile ts(source);
        ASSERT_TRUE(ts.open(QIODevice::WriteOnly));
        ts.write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                 "<TS version=\"2.1\" language=\"el_GR\"><context><name>Strings</name>\n"
                 "<message><source>User</source><translation>Χρήστη</translation></message>\n"
                 "<message><source>Friend</source><translation></translation></message>\n"
                 "</context></TS>\n");
    }
    QDir().mkpath(ProgramFolder());
    QProcess lrelease;
    lrelease.start(QStringLiteral(ASHTALLY_LRELEASE),
                   {QStringLiteral("-silent"), source, QStringLiteral("-qm"),
                    ProgramFolder() + QStringLiteral("/ashtally.el")});
    ASSERT_TRUE(lrelease.waitForFinished(60000));
    ASSERT_EQ(lrelease.exitCode(), 0) << lrelease.readAllStandardError().toStdString();

    const LanguageModule language(ProgramFolder(), kGreek);
    ASSERT_FALSE(language.File().isEmpty());
    EXPECT_EQ(m_strings.Get(sUser), "Χρήστη");
    EXPECT_EQ(m_strings.Get(sFriend), "Friend");
    EXPECT_EQ(m_strings.Get(sDays), "days");
}

// Qt's own catalog of the language comes with a module, and the module's texts win over it.
TEST_F(LanguageModuleTest, QtsOwnCatalogOfTheLanguageIsAskedAfterTheModule) {
    const QString german =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFileInfo::exists(german)) {
        GTEST_SKIP() << "no German catalog of Qt's at " << Text(german);
    }
    // Any module stands in for a German one here.
    Place(QStringLiteral("bin/ashtally.deu"));
    {
        const LanguageModule language(ProgramFolder(), QLocale(QLocale::German, QLocale::Germany));
        ASSERT_EQ(language.QtCatalogs().size(), 1);
        EXPECT_EQ(Text(QCoreApplication::translate("QShortcut", "Ctrl")), "Strg");
        EXPECT_EQ(Text(QCoreApplication::translate("QPlatformTheme", "Cancel")), "Άκυρο");
    }
    EXPECT_EQ(Text(QCoreApplication::translate("QShortcut", "Ctrl")), "Ctrl");

    // Without a module of its own the program stays English, Qt's texts included.
    QFile::remove(m_dir.filePath(QStringLiteral("bin/ashtally.deu")));
    const LanguageModule none(ProgramFolder(), QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(none.QtCatalogs().isEmpty());
    EXPECT_EQ(Text(QCoreApplication::translate("QShortcut", "Ctrl")), "Ctrl");
}

} // namespace
} // namespace ashtally
