#include "app/titlestrip.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>

namespace ashtally {

TitleStrip MakeTitleStrip(QWidget* parent, const QString& text) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("Panel"));
    panel->setAutoFillBackground(true);
    panel->setFixedHeight(41);

    auto* title = new QLabel(text, panel);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont font = title->font();
    font.setBold(true);
    font.setPixelSize(16);
    title->setFont(font);

    QPalette strip = panel->palette();
    strip.setColor(QPalette::Window,
                   parent->palette().color(QPalette::Disabled, QPalette::WindowText));
    strip.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(strip);
    title->setPalette(strip);

    // A faint shadow lifts the white letters off the grey.
    auto* relief = new QGraphicsDropShadowEffect(title);
    relief->setBlurRadius(0);
    relief->setOffset(1, 1);
    relief->setColor(QColor(0, 0, 0, 110));
    title->setGraphicsEffect(relief);

    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(10, 4, 10, 4);
    layout->addWidget(title);
    return {panel, title};
}

} // namespace ashtally
