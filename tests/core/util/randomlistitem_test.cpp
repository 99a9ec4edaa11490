#include "util/errors.h"
#include "util/randomlistitem.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace ashtally {
namespace {

TEST(RandomListItem, AnEmptyListIsAListIndexError) {
    RandomGenerator random(1);
    try {
        RandomListItem({}, random);
        FAIL() << "no error";
    } catch (const EListError& e) {
        EXPECT_STREQ("List index out of bounds (0)", e.what());
    }
}

TEST(RandomListItem, EveryEntryIsReachableAndNothingElse) {
    const std::vector<std::string> list = {"a.jpg", "b.gif", "c.png", "d.jpg", "e.bmp"};
    RandomGenerator random(20240229);
    std::map<std::string, int> seen;
    for (int i = 0; i < 5000; ++i) {
        ++seen[RandomListItem(list, random)];
    }
    ASSERT_EQ(list.size(), seen.size());
    for (const auto& entry : list) {
        // Uniform: about 1000 each; far outside that means a skewed or stuck draw.
        EXPECT_GT(seen[entry], 800) << entry;
        EXPECT_LT(seen[entry], 1200) << entry;
    }

    RandomGenerator one(7);
    EXPECT_EQ("only", RandomListItem({"only"}, one));
}

TEST(RandomListItem, TheSameSeedGivesTheSameDraws) {
    const std::vector<std::string> list = {"a", "b", "c", "d", "e", "f", "g", "h"};
    RandomGenerator first(42);
    RandomGenerator second(42);
    std::string a;
    std::string b;
    for (int i = 0; i < 50; ++i) {
        a += RandomListItem(list, first);
        b += RandomListItem(list, second);
    }
    EXPECT_EQ(a, b);
}

} // namespace
} // namespace ashtally
