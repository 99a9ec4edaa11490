#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ashtally {

// The one place where the program shows a message that no handler dealt with: a modal error
// box with the message and an OK button. Tests install a recorder instead, so no dialog ever
// blocks a headless run.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void ShowError(const QString& message) = 0;

    // The reporter in use; a message box reporter unless another was installed.
    static ErrorReporter& Current();
    // Installs a reporter (nullptr puts the message box back). The caller keeps ownership.
    static void Install(ErrorReporter* reporter);
};

class MessageBoxReporter : public ErrorReporter {
public:
    void ShowError(const QString& message) override;
};

// Collects the messages instead of showing them.
class RecordingReporter : public ErrorReporter {
public:
    void ShowError(const QString& message) override { Messages.append(message); }
    QStringList Messages;
};

// Shows the message through the current reporter.
void ReportError(const QString& message);

} // namespace ashtally
