#pragma once

#include <QObject>

class QSocketNotifier;

namespace ashtally {

// Turns SIGTERM and SIGINT into a Qt signal delivered on the GUI thread, so that ending the
// program from outside saves exactly as closing its window does.
class ShutdownSignals : public QObject {
    Q_OBJECT

public:
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

signals:
    void shutdownRequested();

private:
    void OnReadable();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace ashtally
