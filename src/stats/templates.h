#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "stats/quitter.h"
#include "stats/statscontext.h"
#include "util/datetime.h"

namespace ashtally {

// A template is free text with placeholders in angle brackets. The fixed ones ("<name>",
// "<moneysaved>", "<spantext>", "<spanshorttext>", "<lifetext>" and the masked span and life
// texts) are replaced first, in that order and without regard to case; every other "<...>" is
// then a formula over the statistics variables, replaced by its value rounded to a whole number
// (halves to even). The variables must have been set for the same quitter and moment first
// (SetQuitterVariables, SetDateVariables, CalcMoneySaved). An error of the evaluator leaves
// ExpandTemplate unchanged; there is no partial result.
std::string ExpandTemplate(const StatsContext& context, const Quitter& quitter,
                           std::string_view text, TDateTime moment);

// How long the quit has lasted at the moment, in years, months and days, and optionally hours,
// minutes and seconds. The mask holds up to 8 flag characters, a flag being on when its
// character is "1": 1 seconds, 2 minutes, 3 hours, 4 years/months/days in words, 5 hours/
// minutes/seconds in words, 6 abbreviate unit names to their first letter, 7 upper-case,
// 8 capitalise every word. "<spantext>" is mask 11100000, "<spanshorttext>" 01100000. For a
// moment before the quit date it tells the distance to the quit date.
std::string SpanText(const StatsContext& context, const Quitter& quitter, TDateTime moment,
                     std::string_view mask);

// The lifetime regained at the moment (cigarettes not smoked times the stored minutes per
// cigarette), in days and optionally hours and minutes. Mask of up to 6 flags: 1 minutes,
// 2 hours, 3 numbers in words, 4 abbreviate, 5 upper-case, 6 capitalise. "<lifetext>" is 110000.
std::string LifeText(const StatsContext& context, const Quitter& quitter, TDateTime moment,
                     std::string_view mask);

// One piece of a span or life text: "" for 0, else the count (in digits or English words), a
// blank, the singular or plural word (or its first character upper-cased when abbreviated) and
// ", ".
std::string UnitPart(std::int64_t count, std::string_view singular, std::string_view plural,
                     bool abbreviate, bool words);

// Trims the pieces, drops one trailing comma and puts the joining word in place of the last
// remaining comma: "2 years, 3 days," becomes "2 years and 3 days".
std::string JoinWithAnd(std::string text, std::string_view andWord);

// The Today text or the clipboard text of a quitter at a moment: the variables are set and the
// money is computed for the quitter and the moment, then the template is expanded, or the
// "not quit yet" text is given when the moment lies before the quit date.
std::string StatisticsText(const StatsContext& context, Quitter& quitter, std::string_view text,
                           TDateTime moment);

} // namespace ashtally
