#include "stats/quitter.h"

#include <utility>

namespace ashtally {

Quitter NewQuitterRecord(std::string name, TDateTime now) {
    Quitter q;
    q.Name = std::move(name);
    q.QuitDate = IncMonth(DateOf(now) + 0.5, 6);
    q.CigPerDay = 40;
    q.CigPerPack = 20;
    q.CostPerPack = 1 * kMoneyScale;
    return q;
}

} // namespace ashtally
