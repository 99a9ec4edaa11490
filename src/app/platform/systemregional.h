#pragma once

#include "util/regional.h"

class QLocale;

namespace ashtally {

// The regional formats of a Qt locale as the plain data the core reads.
RegionalSettings RegionalSettingsOf(const QLocale& locale);

// The user's regional formats as the desktop reports them.
RegionalSettings SystemRegionalSettings();

} // namespace ashtally
