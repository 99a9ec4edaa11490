#include "app/platform/languagemodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace ashtally {

namespace {

constexpr const char* kModuleName = "ashtally";
// Installed: <prefix>/bin/ashtally beside <prefix>/share/ashtally/.
constexpr const char* kInstalledFolder = "../share/ashtally";

} // namespace

LanguageModule::LanguageModule()
    : LanguageModule(QCoreApplication::applicationDirPath(), QLocale::system()) {}

LanguageModule::LanguageModule(const QString& programFolder, const QLocale& locale) {
    std::unique_ptr<QTranslator> module;
    for (const QString& candidate : Candidates(programFolder, locale)) {
        // A file that is there but cannot be read as a catalog is passed over like a missing one.
        if (QFileInfo(candidate).isFile() && (module = LoadCatalog(candidate))) {
            m_file = candidate;
            break;
        }
    }
    if (!module) {
        return;
    }
    // Qt's own texts (standard buttons, edit menus) in the same language, where the desktop has
    // Qt's catalog for it. The translator installed last is asked first, so the module goes in
    // after it: the module's own copies of the few Qt texts the program shows fill what the
    // desktop's catalog lacks.
    auto qtCatalog = std::make_unique<QTranslator>();
    if (qtCatalog->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        !qtCatalog->isEmpty()) {
        m_qtCatalogs.append(qtCatalog->filePath());
        Install(std::move(qtCatalog));
    }
    Install(std::move(module));
}

LanguageModule::~LanguageModule() {
    for (const auto& translator : m_translators) {
        QCoreApplication::removeTranslator(translator.get());
    }
}

QStringList LanguageModule::Candidates(const QString& programFolder, const QLocale& locale) {
    const QLocale::Language language = locale.language();
    if (language == QLocale::C || language == QLocale::AnyLanguage ||
        language == QLocale::English) {
        return {};
    }
    QStringList codes;
    for (const QLocale::LanguageCodeTypes type : {QLocale::ISO639Part2T, QLocale::ISO639Part1}) {
        const QString code = QLocale::languageToCode(language, type);
        if (!code.isEmpty() && !codes.contains(code)) {
            codes.append(code);
        }
    }
    QStringList candidates;
    const QDir beside(programFolder);
    for (const QString& folder :
         {beside.absolutePath(), QDir::cleanPath(beside.absoluteFilePath(kInstalledFolder))}) {
        for (const QString& code : codes) {
            candidates.append(folder + QLatin1Char('/') + QLatin1String(kModuleName) +
                              QLatin1Char('.') + code);
        }
    }
    return candidates;
}

std::unique_ptr<QTranslator> LanguageModule::LoadCatalog(const QString& file) {
    auto translator = std::make_unique<QTranslator>();
    // The name is taken as it stands: no ".qm" added, nothing cut off at a "." or "_".
    if (!translator->load(file, QString(), QStringLiteral(""), QStringLiteral("")) ||
        translator->isEmpty()) {
        return nullptr;
    }
    return translator;
}

void LanguageModule::Install(std::unique_ptr<QTranslator> translator) {
    if (QCoreApplication::installTranslator(translator.get())) {
        m_translators.push_back(std::move(translator));
    }
}

} // namespace ashtally
