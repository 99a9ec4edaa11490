#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace ashtally {

class LinkLabel;

// Page 7: the program's name and version, credits and the disclaimer.
class AboutPage : public QWidget {
    Q_OBJECT

public:
    explicit AboutPage(QWidget* parent = nullptr);

    // The texts are set when the window is first shown.
    void SetTexts();

    QLabel* lblProgram;
    QLabel* Label4;
    QLabel* lblProgrammer;
    LinkLabel* LinkProgrammer;
    QLabel* Label5;
    QLabel* lblTranslator;
    LinkLabel* LinkTranslator;
    QPlainTextEdit* memDisclaimer;
};

} // namespace ashtally
