#include <QApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/mileform.h"

namespace ashtally {
namespace {

class MileFormTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString Picture(int width, int height) {
        const QString path = m_dir.filePath(QStringLiteral("p%1x%2.png").arg(width).arg(height));
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(30, 120, 200));
        EXPECT_TRUE(image.save(path));
        return path;
    }

    QString NotAPicture() {
        const QString path = m_dir.filePath(QStringLiteral("broken.png"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("this is text, not a picture");
        return path;
    }

    template <class T>
    T* Find(const char* name) {
        return m_form.findChild<T*>(QString::fromLatin1(name));
    }

    QTemporaryDir m_dir;
    TMileForm m_form;
};

TEST_F(MileFormTest, WindowIsSizedAroundThePicture) {
    struct Case {
        int width, height;
        QSize client;
        int left;
    };
    const std::vector<Case> cases = {
        {800, 300, {960, 622}, 80},
        {100, 50, {560, 372}, 230}, // never narrower than four Close buttons and a margin
        {101, 40, {560, 362}, 229}, // the left edge is truncated
        {400, 400, {560, 722}, 80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        m_form.PrepareLayout(80, Picture(c.width, c.height));
        EXPECT_EQ(m_form.CurrentView(), TMileForm::View::Still);
        EXPECT_EQ(m_form.size(), c.client);
        EXPECT_EQ(m_form.minimumSize(), m_form.maximumSize()); // not resizable
        EXPECT_EQ(m_form.PictureGeometry(), QRect(c.left, 121, c.width, c.height));
        EXPECT_EQ(Find<QWidget>("Panel")->geometry(), QRect(0, 0, c.client.width(), 41));
        EXPECT_EQ(Find<QWidget>("BotPanel")->geometry(),
                  QRect(0, c.client.height() - 121, c.client.width(), 121));
        const QRect message = Find<QLabel>("lblMess")->geometry();
        EXPECT_EQ(message.left(), 20);
        EXPECT_EQ(message.width(), c.client.width() - 40);
        const QRect close = Find<QPushButton>("btnClose")->geometry();
        EXPECT_EQ(close.width(), 120);
        EXPECT_EQ(close.right(), c.client.width() - 13);
        EXPECT_LE(close.bottom(), 120);
    }
}

TEST_F(MileFormTest, AnimatedGifPlaysAtItsOwnSize) {
    const QString gif = QStringLiteral(ASHTALLY_SOURCE_DIR "/images/assorted/party-confetti.gif");
    const QSize natural = QImageReader(gif).size();
    ASSERT_FALSE(natural.isEmpty());

    m_form.PrepareLayout(80, gif);
    ASSERT_EQ(m_form.CurrentView(), TMileForm::View::Animated);
    const QSize client(std::max(560, natural.width() + 160), natural.height() + 322);
    EXPECT_EQ(m_form.size(), client);
    EXPECT_EQ(m_form.PictureGeometry(), QRect((client.width() - natural.width()) / 2, 121,
                                              natural.width(), natural.height()));
    auto* image2 = Find<QLabel>("Image2");
    ASSERT_NE(image2->movie(), nullptr);
    EXPECT_FALSE(image2->isHidden());
    EXPECT_TRUE(Find<QLabel>("Image1")->isHidden());

    // The next announcement's still picture replaces the animation.
    m_form.PrepareLayout(80, Picture(200, 100));
    EXPECT_EQ(m_form.CurrentView(), TMileForm::View::Still);
    EXPECT_EQ(image2->movie(), nullptr);
    EXPECT_TRUE(image2->isHidden());
    EXPECT_FALSE(Find<QLabel>("Image1")->isHidden());
}

TEST_F(MileFormTest, PictureThatDoesNotLoadKeepsTheSizeAndShowsNothing) {
    m_form.PrepareLayout(80, NotAPicture());
    EXPECT_EQ(m_form.CurrentView(), TMileForm::View::None);
    EXPECT_EQ(m_form.size(), QSize(635, 388));
    EXPECT_EQ(Find<QWidget>("BotPanel")->geometry(), QRect(0, 267, 635, 121));
    EXPECT_EQ(Find<QLabel>("lblMess")->width(), 595);

    m_form.PrepareLayout(80, Picture(800, 300));
    for (const QString& file :
         {NotAPicture(), m_dir.filePath(QStringLiteral("missing.gif")), QString()}) {
        SCOPED_TRACE(file.toStdString());
        m_form.PrepareLayout(80, file);
        EXPECT_EQ(m_form.CurrentView(), TMileForm::View::None);
        EXPECT_EQ(m_form.size(), QSize(960, 622));
        EXPECT_TRUE(m_form.PictureGeometry().isNull());
        EXPECT_TRUE(Find<QLabel>("Image1")->isHidden());
        EXPECT_TRUE(Find<QLabel>("Image2")->isHidden());
    }
}

TEST_F(MileFormTest, MessageSlidesDownOnePixelEveryFifteenMilliseconds) {
    m_form.PrepareLayout(80, Picture(300, 200));
    auto* message = Find<QLabel>("lblMess");
    QPropertyAnimation* slide = m_form.MessageAnimation();
    const int height = message->height();
    ASSERT_GT(height, 0);
    EXPECT_EQ(message->y(), -height);
    EXPECT_EQ(slide->state(), QAbstractAnimation::Running);
    EXPECT_EQ(slide->duration(), height * 15);

    slide->pause();
    slide->setCurrentTime(150);
    EXPECT_EQ(message->y(), -height + 10);
    slide->resume();

    QTest::qWait(height * 15 + 200);
    EXPECT_EQ(slide->state(), QAbstractAnimation::Stopped);
    EXPECT_EQ(message->pos(), QPoint(20, 0));
}

TEST_F(MileFormTest, WindowIsCentredVerticallyInTheWorkArea) {
    m_form.PrepareLayout(80, Picture(100, 60));
    const QRect area = m_form.screen()->availableGeometry();
    EXPECT_EQ(m_form.frameGeometry().top(),
              area.top() + std::max(0, (area.height() - m_form.frameGeometry().height()) / 2));

    m_form.PrepareLayout(80, Picture(100, 3000)); // taller than the screen
    EXPECT_EQ(m_form.frameGeometry().top(), area.top());
}

TEST_F(MileFormTest, AnnounceShowsModelessAndCloseOnlyHides) {
    m_form.Announce(QStringLiteral("One week"), QStringLiteral("Salt & <b>pepper</b>"),
                    Picture(200, 100));
    QApplication::processEvents();
    EXPECT_TRUE(m_form.isVisible());
    EXPECT_FALSE(m_form.isModal());
    EXPECT_EQ(m_form.windowTitle(), QStringLiteral("One week"));
    auto* message = Find<QLabel>("lblMess");
    EXPECT_EQ(message->text(), QStringLiteral("Salt & <b>pepper</b>"));
    EXPECT_EQ(message->textFormat(), Qt::PlainText);
    EXPECT_EQ(Find<QLabel>("lblTitle")->text(), QStringLiteral("Congratulations!"));
    EXPECT_EQ(m_form.windowFlags() & Qt::WindowMinMaxButtonsHint, Qt::WindowFlags());

    // Shown the first time: centred on its screen.
    const QRect area = m_form.screen()->availableGeometry();
    EXPECT_LE((m_form.frameGeometry().center() - area.center()).manhattanLength(), 2);

    // An open window is updated where it stands.
    m_form.move(10, m_form.y());
    m_form.Announce(QStringLiteral("Two weeks"), QStringLiteral("Again"), Picture(800, 300));
    QApplication::processEvents();
    EXPECT_TRUE(m_form.isVisible());
    EXPECT_EQ(m_form.x(), 10);
    EXPECT_EQ(m_form.windowTitle(), QStringLiteral("Two weeks"));
    EXPECT_EQ(m_form.size(), QSize(960, 622));

    QTest::mouseClick(Find<QPushButton>("btnClose"), Qt::LeftButton);
    EXPECT_FALSE(m_form.isVisible());

    m_form.Announce(QStringLiteral("Three weeks"), QStringLiteral("Once more"), QString());
    QApplication::processEvents();
    EXPECT_TRUE(m_form.isVisible());
    EXPECT_TRUE(m_form.close());
    EXPECT_FALSE(m_form.isVisible());
    EXPECT_EQ(m_form.windowTitle(), QStringLiteral("Three weeks"));
}

} // namespace
} // namespace ashtally
