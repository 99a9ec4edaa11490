#pragma once

#include <string>

namespace ashtally {

// The user's regional formats as plain data. The program fills them from the desktop's locale;
// the core only reads them, so tests can set any locale they like.
struct RegionalSettings {
    std::string DecimalSeparator = ".";
    std::string ThousandSeparator = ",";
    std::string CurrencySymbol = "$";
    // Position of the symbol for positive amounts: 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int CurrencyFormat = 0;
    // Pattern for negative amounts, 0 to 15, as the classic desktop currency patterns:
    // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-", 8 "-1 $",
    // 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)", 15 "(1 $)".
    int NegCurrFormat = 1;
    // Date and time patterns in Qt/ICU style letters (d, M, yyyy, H, mm, ss, AP).
    std::string ShortDateFormat = "yyyy-MM-dd";
    std::string LongTimeFormat = "HH:mm:ss";
};

} // namespace ashtally
