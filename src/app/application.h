#pragma once

#include <QApplication>

namespace ashtally {

// The program's application object. Every exception that leaves an event handler ends here and
// is shown once in the error box; the program then goes on with the next event. Exceptions never
// unwind through Qt's event loop.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Reports an exception caught by a handler that wants the program-wide treatment.
    static void ReportException(const std::exception_ptr& error);
};

} // namespace ashtally
