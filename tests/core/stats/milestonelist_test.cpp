#include "stats/milestonelist.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace ashtally {
namespace {

constexpr double kMs = 1.0 / 86400000.0;
const TDateTime kNoon = EncodeDateTime({2024, 7, 20, 12, 0, 0, 0});

TEST(MilestoneListTest, AddMilestoneSplitsTheTextAtTheFirstBar) {
    struct Case {
        std::string text;
        std::string shortText;
        std::string longText;
    };
    const std::vector<Case> cases{
        {"100 days quit|Great going!", "100 days quit", "Great going!"},
        {"A|B|C", "A", "B|C"},
        {"no bar at all", "no bar at all", "no bar at all"},
        {"|only long", "", "only long"},
        {"only short|", "only short", ""},
        {"", "", ""},
    };
    MilestoneList list;
    for (const Case& c : cases) {
        list.AddMilestone("Ann", "ann@example.org", 2, c.text, kNoon);
        const Milestone& row = list[list.Size() - 1];
        EXPECT_EQ(row.ShortText, c.shortText) << c.text;
        EXPECT_EQ(row.LongText, c.longText) << c.text;
        EXPECT_EQ(row.Who, "Ann");
        EXPECT_EQ(row.EMail, "ann@example.org");
        EXPECT_EQ(row.Level, 2);
        EXPECT_EQ(row.When, kNoon);
    }
}

std::vector<std::string> Texts(const MilestoneList& list) {
    std::vector<std::string> texts;
    for (const Milestone& row : list) {
        texts.push_back(row.ShortText);
    }
    return texts;
}

TEST(MilestoneListTest, SortsByMomentThenLevel) {
    MilestoneList list;
    list.AddMilestone("Ann", "", 4, "tomorrow", kNoon + 1);
    list.AddMilestone("Ann", "", 3, "noon level 3", kNoon);
    list.AddMilestone("Bob", "", 0, "noon level 0", kNoon);
    list.AddMilestone("Ann", "", 1, "yesterday", kNoon - 1);
    list.AddMilestone("Ann", "", 1, "noon level 1", kNoon);
    list.Sort();
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"yesterday", "noon level 0", "noon level 1",
                                                     "noon level 3", "tomorrow"}));
}

// The rules compute "the same" moment in different ways, a rounding apart: moments less than a
// millisecond apart are ordered by level, moments a millisecond or more apart by time.
TEST(MilestoneListTest, MomentsLessThanAMillisecondApartCountAsEqual) {
    MilestoneList list;
    list.AddMilestone("Ann", "", 4, "hour 24", kNoon + 1e-12);
    list.AddMilestone("Ann", "", 0, "day 1", kNoon);
    list.AddMilestone("Ann", "", 1, "0.9 ms later", kNoon + 0.9 * kMs);
    list.AddMilestone("Ann", "", 0, "1.5 ms later", kNoon + 1.5 * kMs);
    list.Sort();
    EXPECT_EQ(Texts(list),
              (std::vector<std::string>{"day 1", "0.9 ms later", "hour 24", "1.5 ms later"}));
}

TEST(MilestoneListTest, RowsEqualInMomentAndLevelKeepTheirOrder) {
    MilestoneList list;
    for (const char* text : {"first", "second", "third", "fourth"}) {
        list.AddMilestone("Ann", "", 1, text, kNoon);
    }
    list.AddMilestone("Ann", "", 0, "lower level", kNoon + 0.5 * kMs);
    list.Sort();
    EXPECT_EQ(Texts(list),
              (std::vector<std::string>{"lower level", "first", "second", "third", "fourth"}));
}

// Rows a fraction of a millisecond apart in a long chain: the order is still a proper one (no
// row lies a millisecond or more before one listed ahead of it), and rows of one moment still
// go by level.
TEST(MilestoneListTest, ChainsOfCloseMomentsSortSafely) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> level(0, 4);
    std::uniform_int_distribution<int> tenths(0, 30);
    MilestoneList list;
    for (int i = 0; i < 2000; ++i) {
        list.AddMilestone("Ann", "", static_cast<std::uint8_t>(level(random)), "x",
                          kNoon + tenths(random) * 0.1 * kMs);
    }
    list.AddMilestone("Ann", "", 4, "NaN", std::nan(""));
    list.Sort();
    ASSERT_EQ(list.Size(), 2001u);
    EXPECT_EQ(list[2000].ShortText, "NaN");
    TDateTime latest = list[0].When;
    for (std::size_t i = 1; i < 2000; ++i) {
        EXPECT_GT(list[i].When, latest - kMs) << i;
        latest = std::max(latest, list[i].When);
        if (list[i].When == list[i - 1].When) {
            EXPECT_LE(list[i - 1].Level, list[i].Level) << i;
        }
    }
}

class LatestDueTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The user "Ann" and buddies whose names nearly match hers.
        list.AddMilestone("Ann", "", 1, "Ann day 1", kNoon - 3);
        list.AddMilestone("ann", "", 1, "ann day 2", kNoon - 2);
        list.AddMilestone("Ann ", "", 1, "Ann-blank day 2", kNoon - 2);
        list.AddMilestone("Anna", "", 1, "Anna day 2", kNoon - 2);
        list.AddMilestone("Ann", "", 4, "Ann noon level 4", kNoon);
        list.AddMilestone("Ann", "", 0, "Ann noon level 0", kNoon);
        list.AddMilestone("Ann", "", 2, "Ann noon level 2", kNoon);
        list.AddMilestone("ANN", "", 1, "ANN tomorrow", kNoon + 1);
        list.AddMilestone("Ann", "", 1, "Ann day 5", kNoon + 2);
        list.Sort();
    }

    std::string Due(std::string_view name, TDateTime now) const {
        const Milestone* row = list.LatestDue(name, now);
        return row == nullptr ? "none" : row->ShortText;
    }

    MilestoneList list;
};

TEST_F(LatestDueTest, MatchesTheNameExactlyAndCaseSensitively) {
    EXPECT_EQ(Due("Ann", kNoon - 1), "Ann day 1");
    EXPECT_EQ(Due("ann", kNoon - 1), "ann day 2");
    EXPECT_EQ(Due("Ann ", kNoon - 1), "Ann-blank day 2");
    EXPECT_EQ(Due("Anna", kNoon - 1), "Anna day 2");
    EXPECT_EQ(Due("ANN", kNoon + 1.5), "ANN tomorrow");
    EXPECT_EQ(Due("An", kNoon + 5), "none");
    EXPECT_EQ(Due("", kNoon + 5), "none");
}

TEST_F(LatestDueTest, GivesTheLatestRowWhoseMomentHasCome) {
    EXPECT_EQ(Due("Ann", kNoon - 4), "none");      // the first milestone still lies ahead
    EXPECT_EQ(Due("Ann", kNoon - 3), "Ann day 1"); // its very moment counts as come
    EXPECT_EQ(Due("Ann", kNoon - kMs), "Ann day 1");
    // Of rows at the same moment, the one of the highest level.
    EXPECT_EQ(Due("Ann", kNoon), "Ann noon level 4");
    EXPECT_EQ(Due("Ann", kNoon + 1.9), "Ann noon level 4");
    EXPECT_EQ(Due("Ann", kNoon + 30), "Ann day 5");
    EXPECT_EQ(MilestoneList().LatestDue("Ann", kNoon), nullptr);
}

// The walk ends at the first row of the name still ahead: rows of one moment are ordered by
// level, so a row a fraction of a millisecond later but of a lower level ends it early.
TEST(MilestoneListTest, LatestDueStopsAtTheFirstRowAhead) {
    MilestoneList list;
    list.AddMilestone("Ann", "", 4, "level 4", kNoon);
    list.AddMilestone("Ann", "", 1, "level 1 later", kNoon + 0.5 * kMs);
    list.Sort();
    ASSERT_EQ(list[0].ShortText, "level 1 later");
    EXPECT_EQ(list.LatestDue("Ann", kNoon + 0.2 * kMs), nullptr);
    EXPECT_EQ(list.LatestDue("Ann", kNoon + 0.5 * kMs)->ShortText, "level 4");
}

} // namespace
} // namespace ashtally
