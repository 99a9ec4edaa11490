#include "app/errorreporter.h"

#include <QApplication>
#include <QMessageBox>

namespace ashtally {

namespace {

ErrorReporter* g_installed = nullptr;

} // namespace

ErrorReporter& ErrorReporter::Current() {
    static MessageBoxReporter messageBox;
    return g_installed != nullptr ? *g_installed : messageBox;
}

void ErrorReporter::Install(ErrorReporter* reporter) {
    g_installed = reporter;
}

void MessageBoxReporter::ShowError(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), message,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void ReportError(const QString& message) {
    ErrorReporter::Current().ShowError(message);
}

} // namespace ashtally
