#pragma once

#include <string>

#include "settings/ovoptions.h"

namespace ashtally {

class StringSource;

// The index of each program option: "o" and the option's key.
enum OptionIndex : int {
    ocbDo72 = 0,
    oedDo72 = 1,
    ocbDoCigs = 2,
    oedCigsNum = 3,
    oedDoCigs = 4,
    ocbMoney = 5,
    oedMoneyCount = 6,
    oedInterest = 7,
    oedMoney = 8,
    ocbLife = 9,
    oedLifeNum = 10,
    oedMinCig = 11,
    oedLife = 12,
    ocbDays = 13,
    oedDaysNum = 14,
    oedDays = 15,
    ocbMonths = 16,
    oedMonthNum = 17,
    oedMonths = 18,
    ocbYear = 19,
    oedYear = 20,
    omemStats = 21,
    omemLinks = 22,
    omemClip = 23,
    oUpdateTimer = 24,
    omemQuitReasons = 25,
};

inline constexpr int kOptionCount = 26;

// The program's option set: the milestone rules with their numbers and texts, the Today text,
// the links, the clipboard text, the announcement check's interval while minimised and the
// user's reasons for quitting. Most keys are also the names of the controls that show them.
class TOptions : public TOVOptions {
public:
    // The default texts come from strings, which must outlive the set. programFolder is the
    // folder that holds the program, where the offline help file lies.
    TOptions(const StringSource& strings, std::string programFolder);

    void SetDefaults() override;

private:
    const StringSource* m_strings;
    std::string m_programFolder;
};

} // namespace ashtally
