#include "app/platform/translatedstrings.h"

#include <QCoreApplication>
#include <QString>

namespace ashtally {

std::string TranslatedStrings::Get(int id) const {
    const char* english = EnglishString(id);
    if (*english == '\0') {
        return {};
    }
    const QString text = QCoreApplication::translate(kStringsContext, english);
    return text.isEmpty() ? std::string(english) : text.toStdString();
}

} // namespace ashtally
