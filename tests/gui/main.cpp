#include <QApplication>

#include <gtest/gtest.h>

#include "app/application.h"

namespace {

// The offscreen platform warns about window hints it cannot pass on; that says nothing about
// the program, so it is kept out of the test log.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints"))) {
        return;
    }
    qt_message_output(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietMessages);
    // The suite runs headless unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ashtally::Application app(argc, argv);
    ashtally::Application::setApplicationVersion(QStringLiteral(ASHTALLY_VERSION));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
