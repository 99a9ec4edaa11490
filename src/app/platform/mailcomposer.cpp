#include "app/platform/mailcomposer.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace ashtally {

namespace {

// The texts the user sees are translated in the context "MailComposer".
QString NotStartedMessage(const QString& command) {
    return QCoreApplication::translate(
               "MailComposer",
               "The mail program could not be started: the command \"%1\" was not found or "
               "cannot be run. Install xdg-utils (it provides xdg-email) or set up a mail "
               "program.")
        .arg(command);
}

// The command's exit codes say what went wrong.
QString FailedMessage(const QString& command, int exitCode) {
    switch (exitCode) {
    case 2:
        return QCoreApplication::translate(
            "MailComposer", "A file to attach was not found, so the message was not prepared.");
    case 3:
        return QCoreApplication::translate(
            "MailComposer",
            "No mail program is set up on this desktop. Set up a mail program and try "
            "again.");
    case 4:
        return QCoreApplication::translate("MailComposer",
                                           "The mail program could not open a new message.");
    case 5:
        return QCoreApplication::translate(
            "MailComposer", "A file to attach cannot be read, so the message was not prepared.");
    default:
        return QCoreApplication::translate(
                   "MailComposer",
                   "The mail program could not prepare the message (%1 ended with exit code %2).")
            .arg(command)
            .arg(exitCode);
    }
}

QString CrashedMessage(const QString& command) {
    return QCoreApplication::translate(
               "MailComposer",
               "The mail program stopped unexpectedly (%1); the message was not prepared.")
        .arg(command);
}

// One hand-off: its handler is called once, whichever of the process's ends comes first.
struct Request {
    MailComposer::FinishedHandler Finished;
    bool Reported = false;
};

} // namespace

MailComposer::MailComposer(QString command, QObject* parent)
    : QObject(parent), m_command(std::move(command)) {}

MailComposer::~MailComposer() {
    // A command still running is stopped; the mail program it started has no pipe to us (its
    // output goes nowhere), so it keeps the user's message open.
    for (QProcess* process : findChildren<QProcess*>(QString(), Qt::FindDirectChildrenOnly)) {
        process->disconnect();
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(1000);
        }
    }
}

void MailComposer::Compose(const MailMessage& message, FinishedHandler finished) {
    QStringList arguments;
    for (const std::string& argument : XdgEmailArguments(message)) {
        arguments << QString::fromStdString(argument);
    }

    auto* process = new QProcess(this);
    process->setProgram(m_command);
    process->setArguments(arguments);
    // The mail program may outlive this program; a pipe to us would break under it then.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());

    auto request = std::make_shared<Request>();
    request->Finished = std::move(finished);
    // The handler runs from the event loop, never inside Compose: a start failure can be known
    // at once, and the caller should not have to expect a call back in the middle of its own.
    auto report = [this, request](bool ok, const QString& text) {
        if (request->Reported) {
            return;
        }
        request->Reported = true;
        QMetaObject::invokeMethod(
            this,
            [request, ok, text] {
                if (request->Finished) {
                    request->Finished(ok, text);
                }
            },
            Qt::QueuedConnection);
    };

    auto* patience = new QTimer(process);
    patience->setSingleShot(true);
    connect(patience, &QTimer::timeout, this, [report] { report(true, QString()); });

    const QString command = m_command;
    connect(process, &QProcess::errorOccurred, this,
            [process, report, command](QProcess::ProcessError error) {
                // A crash also ends the process, and is told there.
                if (error == QProcess::FailedToStart) {
                    report(false, NotStartedMessage(command));
                    process->deleteLater();
                }
            });
    connect(process, &QProcess::finished, this,
            [process, report, command](int exitCode, QProcess::ExitStatus status) {
                if (status == QProcess::CrashExit) {
                    report(false, CrashedMessage(command));
                } else if (exitCode != 0) {
                    report(false, FailedMessage(command, exitCode));
                } else {
                    report(true, QString());
                }
                process->deleteLater();
            });

    process->start();
    patience->start(m_patience);
}

} // namespace ashtally
