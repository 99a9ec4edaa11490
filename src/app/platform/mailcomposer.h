#pragma once

#include "util/mailhandoff.h"

#include <QObject>
#include <QString>

#include <functional>

namespace ashtally {

// Hands messages to the desktop's mail-compose command (xdg-email), which opens the user's mail
// program with the message ready to finish and send. The window never waits for it: Compose
// returns at once and the outcome arrives later through the handler, on this object's thread.
//
// The outcome: failure, with a message for the user, when the command cannot be started or ends
// with an error; success when it ends well, or when it is still running after the patience
// (some mail programs keep the command waiting until the message window is closed; it is then
// left running, as the hand-off has evidently happened). Destroying the composer stops a command
// still running, but not the mail program it started: the user's message stays open.
class MailComposer : public QObject {
public:
    // ok, and for a failure the message to show.
    using FinishedHandler = std::function<void(bool ok, const QString& message)>;

    // command: a name looked up on PATH, or a path.
    explicit MailComposer(QString command = QStringLiteral("xdg-email"), QObject* parent = nullptr);
    ~MailComposer() override;

    MailComposer(const MailComposer&) = delete;
    MailComposer& operator=(const MailComposer&) = delete;

    // Starts the hand-off. The handler is called exactly once, never before Compose returns,
    // unless the composer is destroyed first.
    void Compose(const MailMessage& message, FinishedHandler finished);

    // How long a running command is waited for before the hand-off counts as done (10 s).
    void SetPatience(int milliseconds) { m_patience = milliseconds; }

private:
    QString m_command;
    int m_patience = 10000;
};

} // namespace ashtally
