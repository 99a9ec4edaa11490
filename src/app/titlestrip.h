#pragma once

#include <QString>

class QFrame;
class QLabel;
class QWidget;

namespace ashtally {

// The title strip both windows open with: white bold letters, lifted by a faint shadow, on
// the desktop's grey-text colour, 41 pixels high. Named "Panel" and "lblTitle".
struct TitleStrip {
    QFrame* Panel;
    QLabel* Title;
};

TitleStrip MakeTitleStrip(QWidget* parent, const QString& text);

} // namespace ashtally
