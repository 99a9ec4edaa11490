#include <QApplication>
#include <QDate>
#include <QFont>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QTextDocument>
#include <QTime>
#include <QToolTip>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/desktopformats.h"
#include "app/milestonesmodel.h"
#include "util/clock.h"
#include "util/datetime.h"

namespace ashtally {
namespace {

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0) {
    return EncodeDateTime({year, month, day, hour, minute, 0, 0});
}

QString DateText(TDateTime moment) {
    const DateTimeParts parts = DecodeDateTime(moment);
    return ShortDateText(QDate(parts.Year, parts.Month, parts.Day));
}

class MilestonesModelTest : public ::testing::Test {
protected:
    MilestonesModel& Model() {
        m_model = std::make_unique<MilestonesModel>(m_list, m_clock, [this] { return m_user; });
        return *m_model;
    }

    QFont FontAt(int row, int column) {
        return qvariant_cast<QFont>(m_model->data(m_model->index(row, column), Qt::FontRole));
    }
    QColor ColourAt(int row, int column, int role) {
        return qvariant_cast<QColor>(m_model->data(m_model->index(row, column), role));
    }

    MilestoneList m_list;
    FixedClock m_clock{At(2026, 12, 11, 10, 30)};
    std::string m_user = "Me";
    std::unique_ptr<MilestonesModel> m_model;
};

TEST_F(MilestonesModelTest, StylesFollowLevelOwnerAndTime) {
    struct Case {
        const char* label;
        std::string who;
        int level;
        TDateTime when;
        bool whoBold, whoItalic, whenBold, eventBold, grey;
    };
    const std::vector<Case> cases = {
        {"user, level 4, later today", "Me", 4, At(2026, 12, 11, 12), true, false, true, true,
         false},
        {"buddy, level 4, later today", "Ann", 4, At(2026, 12, 11, 12), false, true, true, true,
         false},
        {"name differing in case is a buddy", "me", 1, At(2026, 12, 12), false, true, false, false,
         false},
        {"user, passed earlier today", "Me", 1, At(2026, 12, 11, 8), false, false, true, false,
         true},
        {"user, passed yesterday", "Me", 2, At(2026, 12, 10, 23, 59), false, false, false, false,
         true},
        {"user, ahead tomorrow at midnight", "Me", 3, At(2026, 12, 12), false, false, false, false,
         false},
    };
    const QColor grey(128, 128, 128);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        m_list.Clear();
        m_list.AddMilestone(c.who, "", static_cast<std::uint8_t>(c.level), "Short|Long", c.when);
        Model();
        EXPECT_EQ(FontAt(0, MilestonesModel::WhoColumn).bold(), c.whoBold);
        EXPECT_EQ(FontAt(0, MilestonesModel::WhoColumn).italic(), c.whoItalic);
        EXPECT_EQ(FontAt(0, MilestonesModel::WhenColumn).bold(), c.whenBold);
        EXPECT_FALSE(FontAt(0, MilestonesModel::WhenColumn).italic());
        EXPECT_EQ(FontAt(0, MilestonesModel::EventColumn).bold(), c.eventBold);
        EXPECT_FALSE(FontAt(0, MilestonesModel::EventColumn).italic());
        for (int column = 0; column < MilestonesModel::ColumnCount; ++column) {
            const QColor text = ColourAt(0, column, Qt::ForegroundRole);
            EXPECT_EQ(text == grey, c.grey) << "column " << column;
            // Whatever the palette, the text stays dark enough to read on the pale fills.
            EXPECT_LE(text.lightness(), 128) << "column " << column;
        }
    }
}

TEST_F(MilestonesModelTest, FontsChangeOnlyWeightAndSlantOfTheViewFont) {
    m_list.AddMilestone("Ann", "", 4, "Short|Long", At(2026, 12, 11, 12));
    Model();
    QFont viewFont(QStringLiteral("Serif"), 17);
    viewFont.setUnderline(true);
    for (int column = 0; column < MilestonesModel::ColumnCount; ++column) {
        const QFont merged = FontAt(0, column).resolve(viewFont);
        EXPECT_EQ(merged.pointSize(), 17);
        EXPECT_TRUE(merged.underline());
        EXPECT_EQ(merged.family(), viewFont.family());
    }
}

TEST_F(MilestonesModelTest, StylesFollowTheClockWithoutRebuild) {
    m_list.AddMilestone("Me", "", 1, "Short|Long", At(2026, 12, 12, 9));
    Model();
    EXPECT_NE(ColourAt(0, 0, Qt::ForegroundRole), QColor(128, 128, 128));
    EXPECT_FALSE(FontAt(0, MilestonesModel::WhenColumn).bold());
    m_clock.Set(At(2026, 12, 12, 9, 1));
    EXPECT_EQ(ColourAt(0, 0, Qt::ForegroundRole), QColor(128, 128, 128));
    EXPECT_TRUE(FontAt(0, MilestonesModel::WhenColumn).bold());
    m_user = "Someone else";
    EXPECT_TRUE(FontAt(0, MilestonesModel::WhoColumn).italic());
}

TEST_F(MilestonesModelTest, WhenShowsDaysSinceTheRowAbove) {
    struct Row {
        TDateTime when;
        const char* suffix;
    };
    const std::vector<Row> rows = {
        {At(2026, 12, 1, 10), ""},    // the first row never has one
        {At(2026, 12, 2, 16), " +1"}, // one day and six hours
        {At(2026, 12, 3, 8), ""},     // 16 hours later, on another date
        {At(2026, 12, 5, 20), " +2"}, // 2.5 days: halves go to the even number
        {At(2026, 12, 9, 8), " +4"},  // 3.5 days
        {At(2026, 12, 10, 8), " +1"}, // exactly one day
        {At(2026, 12, 10, 8), ""},    // the same moment
    };
    for (const Row& row : rows) {
        m_list.AddMilestone("Me", "", 0, "Event", row.when);
    }
    Model();
    ASSERT_EQ(m_model->rowCount(), static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        const QString expected = DateText(rows[i].when) + QString::fromLatin1(rows[i].suffix);
        EXPECT_EQ(m_model->data(m_model->index(static_cast<int>(i), 1)).toString(), expected);
    }
    EXPECT_EQ(m_model->data(m_model->index(0, 0)).toString(), QStringLiteral("Me"));
    EXPECT_EQ(m_model->data(m_model->index(0, 2)).toString(), QStringLiteral("Event"));
}

TEST_F(MilestonesModelTest, EveryCellIsFilledWithItsLevelColour) {
    const std::vector<QColor> colours = {
        {255, 255, 255}, {200, 249, 219}, {200, 249, 247}, {249, 227, 200}, {199, 203, 250}};
    for (int level = 0; level < 5; ++level) {
        m_list.AddMilestone("Me", "", static_cast<std::uint8_t>(level), "Event",
                            At(2026, 12, 1 + level));
    }
    Model();
    for (int level = 0; level < 5; ++level) {
        for (int column = 0; column < MilestonesModel::ColumnCount; ++column) {
            EXPECT_EQ(ColourAt(level, column, Qt::BackgroundRole), colours[level])
                << "level " << level << " column " << column;
        }
    }
}

TEST_F(MilestonesModelTest, HintGivesWhoMomentAndBothTexts) {
    m_list.AddMilestone("Ann", "", 2, "One week|A whole week & more", At(2026, 12, 3, 14, 5));
    m_list.AddMilestone("Me", "", 1, "One month|Thirty days", At(2026, 12, 4));
    Model();
    const QString withTime = QStringLiteral("Ann - ") + DateText(At(2026, 12, 3)) +
                             QLatin1Char(' ') + LongTimeText(QTime(14, 5, 0)) +
                             QStringLiteral(" - One week\n\nA whole week & more");
    const QString midnight = QStringLiteral("Me - ") + DateText(At(2026, 12, 4)) +
                             QStringLiteral(" - One month\n\nThirty days");
    for (int column = 0; column < MilestonesModel::ColumnCount; ++column) {
        EXPECT_EQ(m_model->data(m_model->index(0, column), Qt::ToolTipRole).toString(), withTime);
        EXPECT_EQ(m_model->data(m_model->index(1, column), Qt::ToolTipRole).toString(), midnight);
    }
}

TEST_F(MilestonesModelTest, HintShowsMarkupAsWrittenWithItsLineBreaks) {
    m_list.AddMilestone("Me", "", 1, "Less <b>is</b> more|Line one\nLine & two", At(2026, 12, 4));
    Model();
    QTreeView view;
    view.setModel(m_model.get());
    MilestonesModel::SetUpView(&view);
    view.resize(600, 300);
    view.show();
    QApplication::processEvents();

    const QPoint spot = view.visualRect(m_model->index(0, 2)).center();
    QHelpEvent help(QEvent::ToolTip, spot, view.viewport()->mapToGlobal(spot));
    QApplication::sendEvent(view.viewport(), &help);
    ASSERT_TRUE(QToolTip::isVisible());
    QTextDocument shown;
    shown.setHtml(QToolTip::text());
    EXPECT_EQ(shown.toPlainText(), m_model->HintText(0));
    QToolTip::hideText();
}

TEST_F(MilestonesModelTest, RebuiltListReachesTheView) {
    Model();
    QTreeView view;
    view.setModel(m_model.get());
    MilestonesModel::SetUpView(&view);
    EXPECT_EQ(view.model()->rowCount(), 0);

    m_model->BeginRebuild();
    for (int day = 1; day <= 20; ++day) {
        m_list.AddMilestone("Me", "", 1, "Event", At(2026, 11, day));
    }
    m_model->EndRebuild();
    EXPECT_EQ(view.model()->rowCount(), 20);

    m_list.Clear();
    m_list.AddMilestone("Me", "", 1, "Only", At(2026, 11, 1));
    m_model->Rebuilt();
    ASSERT_EQ(view.model()->rowCount(), 1);
    EXPECT_EQ(view.model()->index(0, 2).data().toString(), QStringLiteral("Only"));
}

TEST_F(MilestonesModelTest, ViewShowsHeaderFillsAndGridLines) {
    m_list.AddMilestone("Me", "", 1, "A", At(2026, 12, 1));
    m_list.AddMilestone("Ann", "", 3, "B", At(2026, 12, 2));
    Model();
    QTreeView view;
    view.setModel(m_model.get());
    MilestonesModel::SetUpView(&view);
    view.resize(600, 300);
    view.setFocusPolicy(Qt::NoFocus); // no current row with its own highlight
    view.show();
    QApplication::processEvents();

    QHeaderView* header = view.header();
    EXPECT_FALSE(view.isHeaderHidden());
    EXPECT_TRUE(header->sectionsMovable());
    EXPECT_FALSE(view.isSortingEnabled());
    EXPECT_TRUE(view.uniformRowHeights());
    EXPECT_FALSE(view.rootIsDecorated());
    EXPECT_EQ(view.selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(header->sectionSize(0), 80);
    EXPECT_EQ(header->sectionSize(1), 110);
    EXPECT_EQ(header->sectionSize(0) + header->sectionSize(1) + header->sectionSize(2),
              view.viewport()->width());
    EXPECT_EQ(m_model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Who"));
    EXPECT_EQ(m_model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("When"));
    EXPECT_EQ(m_model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Event"));

    // The far right of each row holds no text: there the fill and the grid line show.
    const QImage shot = view.viewport()->grab().toImage();
    const qreal dpr = shot.devicePixelRatio();
    const int x = static_cast<int>((view.viewport()->width() - 4) * dpr);
    for (int row = 0; row < 2; ++row) {
        const QRect cell = view.visualRect(m_model->index(row, 2));
        const int middle = static_cast<int>(cell.center().y() * dpr);
        const int bottom = static_cast<int>(cell.bottom() * dpr);
        EXPECT_EQ(QColor(shot.pixel(x, middle)), MilestonesModel::LevelColour(row == 0 ? 1 : 3))
            << "row " << row;
        EXPECT_EQ(QColor(shot.pixel(x, bottom)).rgb(), view.palette().color(QPalette::Mid).rgb())
            << "row " << row;
    }
}

} // namespace
} // namespace ashtally
