#pragma once

#include <QString>

#include <vector>

#include "settings/quittersfile.h"

namespace ashtally {

// What the user is told, once, about the lines of the quitters file that could not be read, in
// the user's language; empty when all were read. Each line's reason is the reading error's own
// text.
QString UnreadLinesText(const std::vector<UnreadLine>& unreadLines,
                        const QString& fileName = QStringLiteral("buddies.csv"));

} // namespace ashtally
