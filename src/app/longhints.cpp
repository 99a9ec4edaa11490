#include "app/longhints.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace ashtally {

bool LongHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QObject::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    const auto* help = static_cast<QHelpEvent*>(event);

    // An item view's hint belongs to the row under the pointer.
    if (auto* view = qobject_cast<QAbstractItemView*>(widget->parentWidget());
        view != nullptr && view->viewport() == widget) {
        const QModelIndex index = view->indexAt(help->pos());
        const QString hint = index.isValid() ? index.data(Qt::ToolTipRole).toString() : QString();
        if (hint.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), hint, widget, view->visualRect(index),
                               kHintDuration);
        }
        return true;
    }
    if (!widget->toolTip().isEmpty()) {
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), kHintDuration);
        return true;
    }
    return false;
}

} // namespace ashtally
