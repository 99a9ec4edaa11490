#include "app/application.h"

#include <exception>

#include "app/errorreporter.h"

namespace ashtally {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportException(std::current_exception());
        return false;
    }
}

void Application::ReportException(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()));
    } catch (...) {
        ReportError(tr("Unknown error"));
    }
}

} // namespace ashtally
