#include "app/linklabel.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QUrl>

namespace ashtally {

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::NoTextInteraction); // clicks and keys are ours
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::SetLink(const QString& caption, const QString& target) {
    m_caption = caption;
    m_target = target;
    // Shown in the palette's link colour, underlined, as the desktop draws its links.
    setText(caption.isEmpty()
                ? QString()
                : QStringLiteral("<a href=\"#\">%1</a>").arg(caption.toHtmlEscaped()));
    setToolTip(target);
    setFocusPolicy(caption.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

void LinkLabel::Clear() {
    SetLink(QString(), QString());
}

void LinkLabel::OpenTarget(const QString& target) {
    if (target.isEmpty()) {
        return;
    }
    // A path to a file on this machine opens as a file; anything else as an address.
    const QFileInfo file(target);
    const QUrl url = file.isAbsolute() && file.exists() ? QUrl::fromLocalFile(target)
                                                        : QUrl::fromUserInput(target);
    QDesktopServices::openUrl(url);
}

void LinkLabel::Open() {
    emit activated(m_target);
    OpenTarget(m_target);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Open();
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        Open();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace ashtally
