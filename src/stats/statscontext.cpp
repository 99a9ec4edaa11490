#include "stats/statscontext.h"

namespace ashtally {

TemplateWords::TemplateWords(const StringSource& strings)
    : Year(strings.Get(sYear)), Years(strings.Get(sYears)), Month(strings.Get(sMonth)),
      Months(strings.Get(sMonths)), Day(strings.Get(sDay)), Days(strings.Get(sDays)),
      Hour(strings.Get(sHour)), Hours(strings.Get(sHours)), Minute(strings.Get(sMinute)),
      Minutes(strings.Get(sMinutes)), Second(strings.Get(sSecond)), Seconds(strings.Get(sSeconds)),
      And(strings.Get(sAnd)), NotQuitYet(strings.Get(sNotQuitYet)) {}

} // namespace ashtally
