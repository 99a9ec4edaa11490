#pragma once

#include <QObject>

namespace ashtally {

// Keeps every pop-up hint of the program on screen for a minute, long enough to read a
// milestone's whole text, instead of the few seconds the toolkit gives by default.
class LongHints : public QObject {
    Q_OBJECT

public:
    static constexpr int kHintDuration = 60000;

    explicit LongHints(QObject* parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ashtally
