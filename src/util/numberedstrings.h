#pragma once

#include <string>

namespace ashtally {

// The numbers of the program's translatable texts. Every default text, unit word and message
// that the core builds comes from here, so that a language module can replace it.
enum StringId : int {
    sDefaultDo72 = 65168,
    sDefaultDoCigs = 65169,
    sDefaultMoney = 65170,
    sDefaultLife = 65171,
    sDefaultDays = 65172,
    sDefaultMonths = 65173,
    sDefaultYear = 65174,
    sDefaultQuitReasons = 65175,
    sDefaultStats = 65176,
    sDefaultLinks = 65177,
    sDefaultClip = 65178,
    sDays = 65184,
    sDay = 65185,
    sHours = 65186,
    sHour = 65187,
    sMinutes = 65188,
    sMinute = 65189,
    sSeconds = 65190,
    sSecond = 65191,
    sAnd = 65192,
    sUser = 65193,
    sFriend = 65194,
    sNotQuitYet = 65195,
    sNoMilestone = 65196,
    sConfirmRemove = 65197,
    sBalloonFirstMinimise = 65198,
    sBalloonCopied = 65199,
    sYears = 65212,
    sYear = 65213,
    sMonths = 65214,
    sMonth = 65215,
};

// The English text of a numbered string; an empty text for a number the program does not have.
const char* EnglishString(int id);

// The context under which the numbered strings are kept in the translation catalogs.
inline constexpr const char* kStringsContext = "Strings";

// Where numbered strings come from. The default speaks English; the program hands in one that
// asks its language module first and falls back to English for a text the module lacks.
class StringSource {
public:
    virtual ~StringSource() = default;
    virtual std::string Get(int id) const { return EnglishString(id); }
};

// The English string source.
const StringSource& EnglishStrings();

} // namespace ashtally
