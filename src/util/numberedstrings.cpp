#include "util/numberedstrings.h"

#include <array>
#include <utility>

// lupdate reads this table for the translation catalogs; outside Qt the macro is the text itself.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace ashtally {

namespace {

struct NumberedString {
    int Id;
    const char* Text;
};

constexpr std::array kEnglish{
    NumberedString{sDefaultDo72,
                   QT_TRANSLATE_NOOP("Strings",
                                     "<DiffInHours> hours nicotine free|Way to go! You just need "
                                     "another <72-DiffInHours> hours for your physical addiction "
                                     "to end!")},
    NumberedString{sDefaultDoCigs,
                   QT_TRANSLATE_NOOP("Strings",
                                     "<CigPerDay*DiffInDays> not smoked|Congratulation <name>! You "
                                     "have not smoked <CigPerDay*DiffInDays> death sticks!")},
    NumberedString{sDefaultMoney,
                   QT_TRANSLATE_NOOP("Strings", "<MoneySaved> saved|Way to go <name>! You have "
                                                "saved up <MoneySaved>")},
    NumberedString{sDefaultLife,
                   QT_TRANSLATE_NOOP("Strings", "<lifetext> of life saved|Wow <name>! By not "
                                                "smoking you have saved <lifetext> of your life!")},
    NumberedString{sDefaultDays,
                   QT_TRANSLATE_NOOP("Strings", "<DiffInDays> days quit|Great going <name>! "
                                                "You've been quit <DiffInDays> days!")},
    NumberedString{sDefaultMonths,
                   QT_TRANSLATE_NOOP("Strings", "<DiffInMonths> months quit|Great going <name>! "
                                                "You've been quit <DiffInMonths> months!")},
    NumberedString{sDefaultYear,
                   QT_TRANSLATE_NOOP("Strings", "<DiffInYears> years quit|Happy anniversity "
                                                "<name>! You've been quit <DiffInYears> years!")},
    NumberedString{sDefaultQuitReasons,
                   QT_TRANSLATE_NOOP("Strings",
                                     "Make a list of the reasons you have quit smoking. Come back "
                                     "to this page afterwards, whenever you need reinforcement.")},
    NumberedString{sDefaultStats,
                   QT_TRANSLATE_NOOP("Strings",
                                     "My name is <name>, and I am a nicotine addict.\r\n"
                                     "I have stopped nicotine for <spantext> "
                                     "(<TRUNC(DiffInDays)> days).\r\n"
                                     "\r\n"
                                     "I've not smoked <CigPerDay*DiffInDays> death sticks, and "
                                     "saved <moneysaved>.\r\n"
                                     "I've saved <lifetext> of my life.\r\n")},
    // The default links are the same in every language, so they are not marked for translation.
    NumberedString{sDefaultLinks, "Why Quit,https://whyquit.com/\r\n"
                                  "Joel's Library,https://whyquit.com/joel/\r\n"
                                  "Freedom From Tobacco Forum,https://www.reddit.com/r/stopsmoking/"
                                  "\r\n"},
    NumberedString{sDefaultClip,
                   QT_TRANSLATE_NOOP("Strings",
                                     "<Name> - Free and Healing for <spantext01110001>, while "
                                     "extending my life expectancy <lifetext010001>, by avoiding "
                                     "the use of <CigPerDay*DiffInDays> nicotine delivery devices "
                                     "that would have cost me <moneysaved>.")},
    NumberedString{sDays, QT_TRANSLATE_NOOP("Strings", "days")},
    NumberedString{sDay, QT_TRANSLATE_NOOP("Strings", "day")},
    NumberedString{sHours, QT_TRANSLATE_NOOP("Strings", "hours")},
    NumberedString{sHour, QT_TRANSLATE_NOOP("Strings", "hour")},
    NumberedString{sMinutes, QT_TRANSLATE_NOOP("Strings", "minutes")},
    NumberedString{sMinute, QT_TRANSLATE_NOOP("Strings", "minute")},
    NumberedString{sSeconds, QT_TRANSLATE_NOOP("Strings", "seconds")},
    NumberedString{sSecond, QT_TRANSLATE_NOOP("Strings", "second")},
    NumberedString{sAnd, QT_TRANSLATE_NOOP("Strings", "and")},
    NumberedString{sUser, QT_TRANSLATE_NOOP("Strings", "User")},
    NumberedString{sFriend, QT_TRANSLATE_NOOP("Strings", "Friend")},
    NumberedString{sNotQuitYet, QT_TRANSLATE_NOOP("Strings", "I have not quit yet.")},
    NumberedString{sNoMilestone,
                   QT_TRANSLATE_NOOP("Strings", "No milestone right now, but here is something "
                                                "just to keep you going...")},
    NumberedString{sConfirmRemove,
                   QT_TRANSLATE_NOOP("Strings", "Are you sure you want to remove \"%s\" from "
                                                "list?")},
    NumberedString{sBalloonFirstMinimise,
                   QT_TRANSLATE_NOOP("Strings", "Click here to view your statistics. Right click "
                                                "to copy your statistics to the clipboard.")},
    NumberedString{sBalloonCopied,
                   QT_TRANSLATE_NOOP("Strings", "The following has been copied to the clipboard:")},
    NumberedString{sYears, QT_TRANSLATE_NOOP("Strings", "years")},
    NumberedString{sYear, QT_TRANSLATE_NOOP("Strings", "year")},
    NumberedString{sMonths, QT_TRANSLATE_NOOP("Strings", "months")},
    NumberedString{sMonth, QT_TRANSLATE_NOOP("Strings", "month")},
};

} // namespace

const char* EnglishString(int id) {
    for (const auto& entry : kEnglish) {
        if (entry.Id == id) {
            return entry.Text;
        }
    }
    return "";
}

const StringSource& EnglishStrings() {
    static const StringSource english;
    return english;
}

} // namespace ashtally
