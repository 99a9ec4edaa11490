// Ashtally: a companion for people who have stopped smoking.
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QSessionManager>

#include "app/application.h"
#include "app/mainform.h"
#include "app/platform/languagemodule.h"
#include "app/platform/systemclock.h"
#include "app/platform/systemregional.h"
#include "app/platform/translatedstrings.h"
#include "app/programobjects.h"
#include "app/shutdownsignals.h"

namespace {

// The program icon: the small, bolder drawings where they exist, the scalable one above them.
QIcon ProgramIcon() {
    QIcon icon(QStringLiteral(":/icons/ashtally.svg"));
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/ashtally-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    using namespace ashtally;

    Application app(argc, argv);
    Application::setApplicationName(QStringLiteral("Ashtally"));
    Application::setApplicationDisplayName(QStringLiteral("Ashtally"));
    Application::setApplicationVersion(QStringLiteral(ASHTALLY_VERSION));
    Application::setDesktopFileName(QStringLiteral("ashtally"));
    Application::setWindowIcon(ProgramIcon());
    // The user's language, before any option default is read.
    const LanguageModule language;

    const std::string programFolder =
        QDir(QCoreApplication::applicationDirPath()).absolutePath().toStdString() + "/";

    static const SystemClock clock;
    static const TranslatedStrings strings;
    ProgramObjects program(clock, strings, SystemRegionalSettings(), programFolder,
                           ProgramObjects::FindImagesFolder(programFolder));

    TMainForm mainForm(program);
    mainForm.RestorePlacement();

    // Closing the main window ends the program, whatever other windows are open.
    QObject::connect(&mainForm, &TMainForm::dataSaved, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    // A log-out, SIGTERM and SIGINT close the window, which saves as a close by the user does.
    ShutdownSignals shutdown;
    QObject::connect(&shutdown, &ShutdownSignals::shutdownRequested, &mainForm, &QWidget::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainForm,
                     [&mainForm](QSessionManager&) { mainForm.close(); });

    mainForm.show();
    return Application::exec();
}
