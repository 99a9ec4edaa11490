#pragma once

#include <string>

#include "util/numberedstrings.h"
#include "util/regional.h"

namespace ashtally {

class TFormulaParser;

// The settings the statistics read while the program runs. The program hands in what the
// Milestone Options page shows (and the stored minutes per cigarette for the life text, which
// follows the option set, not the page); tests hand in plain numbers.
struct StatsSettings {
    double MinPerCig = 5;       // edMinCig as shown: the formula variable MinPerCig
    double InterestRate = 3;    // edInterest as shown: annual percentage for the money saved
    double StoredMinPerCig = 5; // edMinCig as stored in the option set: the life text
};

// The fixed words of the span and life texts and of the Today text, read once from the
// numbered strings so that a refresh does not look them up again.
struct TemplateWords {
    explicit TemplateWords(const StringSource& strings);

    std::string Year, Years;
    std::string Month, Months;
    std::string Day, Days;
    std::string Hour, Hours;
    std::string Minute, Minutes;
    std::string Second, Seconds;
    std::string And;        // the joining word before the last piece
    std::string NotQuitYet; // the Today and clipboard text before the quit date
};

// Everything the statistics and the templates work with besides the quitter and the moment:
// the one evaluator, the regional formats, the settings and the words. Nothing is read from
// globals, so the program, the command-line companion and tests each pass their own.
struct StatsContext {
    StatsContext(TFormulaParser& parser, const StringSource& strings,
                 const RegionalSettings& regional, StatsSettings settings = {})
        : Parser(parser), Regional(regional), Settings(settings), Words(strings) {}

    TFormulaParser& Parser;
    const RegionalSettings& Regional;
    StatsSettings Settings;
    TemplateWords Words;
};

} // namespace ashtally
