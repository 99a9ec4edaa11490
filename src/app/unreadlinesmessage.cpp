#include "app/unreadlinesmessage.h"

#include <QCoreApplication>

#include <algorithm>

namespace ashtally {

namespace {

// How many unread lines the message lists one by one.
constexpr std::size_t kListedUnreadLines = 10;

} // namespace

QString UnreadLinesText(const std::vector<UnreadLine>& unreadLines, const QString& fileName) {
    if (unreadLines.empty()) {
        return {};
    }
    QString message =
        QCoreApplication::translate(
            "UnreadLines", "Some lines of %1 could not be read and will be kept as they are:")
            .arg(fileName);
    const std::size_t listed = std::min(unreadLines.size(), kListedUnreadLines);
    for (std::size_t i = 0; i < listed; ++i) {
        message += QLatin1Char('\n') + QCoreApplication::translate("UnreadLines", " line %1: %2")
                                           .arg(QString::number(unreadLines[i].LineNumber),
                                                QString::fromStdString(unreadLines[i].Reason));
    }
    if (unreadLines.size() > listed) {
        message +=
            QLatin1Char('\n') + QCoreApplication::translate("UnreadLines", " and %1 more")
                                    .arg(static_cast<qulonglong>(unreadLines.size() - listed));
    }
    return message;
}

} // namespace ashtally
