#include "util/randomlistitem.h"

#include "util/errors.h"

namespace ashtally {

std::size_t RandomGenerator::Index(std::size_t count) {
    if (count == 0) {
        throw EListError(0);
    }
    std::uniform_int_distribution<std::size_t> distribution(0, count - 1);
    return distribution(m_engine);
}

std::string RandomListItem(const std::vector<std::string>& list, RandomGenerator& random) {
    return list[random.Index(list.size())];
}

} // namespace ashtally
