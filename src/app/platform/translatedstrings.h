#pragma once

#include "util/numberedstrings.h"

namespace ashtally {

// Numbered strings through Qt's translation system: the language module's text where it has
// one, English where it has none (never an empty text).
class TranslatedStrings : public StringSource {
public:
    std::string Get(int id) const override;
};

} // namespace ashtally
