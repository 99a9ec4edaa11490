#include "settings/options.h"

#include "util/numberedstrings.h"

namespace ashtally {

TOptions::TOptions(const StringSource& strings, std::string programFolder)
    : m_strings(&strings), m_programFolder(std::move(programFolder)) {
    if (!m_programFolder.empty() && m_programFolder.back() != '/') {
        m_programFolder += '/';
    }
    DeclareOption("cbDo72", ocbDo72, OptionType::Boolean);
    DeclareOption("edDo72", oedDo72, OptionType::String);
    DeclareOption("cbDoCigs", ocbDoCigs, OptionType::Boolean);
    DeclareOption("edCigsNum", oedCigsNum, OptionType::Integer);
    DeclareOption("edDoCigs", oedDoCigs, OptionType::String);
    DeclareOption("cbMoney", ocbMoney, OptionType::Boolean);
    DeclareOption("edMoneyCount", oedMoneyCount, OptionType::Real);
    DeclareOption("edInterest", oedInterest, OptionType::Real);
    DeclareOption("edMoney", oedMoney, OptionType::String);
    DeclareOption("cbLife", ocbLife, OptionType::Boolean);
    DeclareOption("edLifeNum", oedLifeNum, OptionType::Integer);
    DeclareOption("edMinCig", oedMinCig, OptionType::Real);
    DeclareOption("edLife", oedLife, OptionType::String);
    DeclareOption("cbDays", ocbDays, OptionType::Boolean);
    DeclareOption("edDaysNum", oedDaysNum, OptionType::Integer);
    DeclareOption("edDays", oedDays, OptionType::String);
    DeclareOption("cbMonths", ocbMonths, OptionType::Boolean);
    DeclareOption("edMonthNum", oedMonthNum, OptionType::Integer);
    DeclareOption("edMonths", oedMonths, OptionType::String);
    DeclareOption("cbYear", ocbYear, OptionType::Boolean);
    DeclareOption("edYear", oedYear, OptionType::String);
    DeclareOption("memStats", omemStats, OptionType::String);
    DeclareOption("memLinks", omemLinks, OptionType::String);
    DeclareOption("memClip", omemClip, OptionType::String);
    DeclareOption("UpdateTimer", oUpdateTimer, OptionType::Integer);
    DeclareOption("memQuitReasons", omemQuitReasons, OptionType::String);
    SetDefaults();
}

void TOptions::SetDefaults() {
    // The highest index first, so the slots have their full length at once.
    SetStr(omemQuitReasons, m_strings->Get(sDefaultQuitReasons));
    SetInt(oUpdateTimer, 30000);
    SetBool(ocbDo72, true);
    SetStr(oedDo72, m_strings->Get(sDefaultDo72));
    SetBool(ocbDoCigs, true);
    SetInt(oedCigsNum, 500);
    SetStr(oedDoCigs, m_strings->Get(sDefaultDoCigs));
    SetBool(ocbMoney, true);
    SetReal(oedMoneyCount, 100);
    SetReal(oedInterest, 3);
    SetStr(oedMoney, m_strings->Get(sDefaultMoney));
    SetBool(ocbLife, true);
    SetInt(oedLifeNum, 1);
    SetReal(oedMinCig, 5);
    SetStr(oedLife, m_strings->Get(sDefaultLife));
    SetBool(ocbDays, true);
    SetInt(oedDaysNum, 100);
    SetStr(oedDays, m_strings->Get(sDefaultDays));
    SetBool(ocbMonths, true);
    SetInt(oedMonthNum, 1);
    SetStr(oedMonths, m_strings->Get(sDefaultMonths));
    SetBool(ocbYear, true);
    SetStr(oedYear, m_strings->Get(sDefaultYear));
    SetStr(omemStats, m_strings->Get(sDefaultStats));
    // The help file's line is not translated: it names a file, not a thing to read.
    SetStr(omemLinks, "Ashtally Help file (offline)," + m_programFolder + "Ashtally.html\r\n" +
                          m_strings->Get(sDefaultLinks));
    SetStr(omemClip, m_strings->Get(sDefaultClip));
}

} // namespace ashtally
