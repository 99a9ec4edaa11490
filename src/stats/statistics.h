#pragma once

#include "stats/quitter.h"
#include "stats/statscontext.h"
#include "util/datetime.h"

namespace ashtally {

// The figures of one quitter at one moment. Whoever expands a template for a quitter calls, for
// the same quitter and moment, SetQuitterVariables, SetDateVariables and CalcMoneySaved in this
// order, and only then ExpandTemplate: the evaluator's variables always describe the quitter
// and the moment last set.

// Sets MinPerCig (the shown minutes per cigarette), CigPerDay, CigPerPack and CostPerPack (in
// money units), in that order.
void SetQuitterVariables(const StatsContext& context, const Quitter& quitter);

// Sets QuitYear ... QuitSec, NowYear ... NowSec (calendar parts after rounding to the
// millisecond) and DiffInYears, DiffInMonths, DiffInDays, DiffInWeeks, DiffInHours, DiffInMins,
// DiffInSecs from D, the distance in days between the moment and the quit date (never
// negative, never rounded), in that order.
void SetDateVariables(const StatsContext& context, const Quitter& quitter, TDateTime moment);

// Stores into the quitter the money saved from its quit date up to the moment, with interest at
// the shown annual rate compounded every second. Sets no formula variable.
void CalcMoneySaved(const StatsContext& context, Quitter& quitter, TDateTime moment);

// The three calls that prepare an expansion for a quitter at a moment, in their order:
// SetQuitterVariables, SetDateVariables, CalcMoneySaved.
void SetStatistics(const StatsContext& context, Quitter& quitter, TDateTime moment);

// The money CalcMoneySaved stores, in fixed point: 0 up to the quit date and for a quitter
// whose pack holds 0 cigarettes; the cost per second times the seconds for a rate of 0. A
// result that a double or the money type cannot hold raises EOverflow (infinite) or EInvalidOp
// (not a number, or beyond the money range) instead of storing garbage.
Money MoneySavedAt(const Quitter& quitter, TDateTime moment, double interestRate);

} // namespace ashtally
