#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

namespace ashtally {

// The language module: every window text, message and default text of the program in the
// user's language, a compiled translation catalog named after the program with the language's
// code as its extension ("ashtally.ell" for Greek). It is chosen once, after the application
// object exists and before any option default is read, and stays installed while this object
// lives. Without a module for the user's language the program speaks English.
class LanguageModule {
public:
    // The module for the user's language, looked for beside the running program.
    LanguageModule();
    // The module for the locale's language, looked for beside a program in programFolder.
    LanguageModule(const QString& programFolder, const QLocale& locale);
    ~LanguageModule();

    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    // The module in use; empty when the program speaks English.
    const QString& File() const { return m_file; }
    // Qt's own catalogs installed with the module (standard buttons and the like).
    const QStringList& QtCatalogs() const { return m_qtCatalogs; }

    // Where the module for the locale's language is looked for, in order: the three-letter code
    // (ISO 639-2/T) before the two-letter one (ISO 639-1), beside the program before the
    // installed share folder. English has no module: the program's own texts are English.
    static QStringList Candidates(const QString& programFolder, const QLocale& locale);

private:
    static std::unique_ptr<QTranslator> LoadCatalog(const QString& file);
    void Install(std::unique_ptr<QTranslator> translator);

    QString m_file;
    QStringList m_qtCatalogs;
    std::vector<std::unique_ptr<QTranslator>> m_translators;
};

} // namespace ashtally
