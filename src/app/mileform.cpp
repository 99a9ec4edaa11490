#include "app/mileform.h"

#include "app/titlestrip.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QPixmap>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

namespace ashtally {

namespace {

constexpr int kPanelHeight = 41;
constexpr int kBotPanelHeight = 121;
// The window before its first picture, and where a picture goes if none ever loaded.
constexpr QSize kDesignClientSize(635, 388);
constexpr QPoint kDesignPicturePos(15, 54);
constexpr int kMessageLeft = 20;
constexpr int kMessageHeight = 84;
constexpr QSize kCloseSize(120, 22);
constexpr int kCloseRightGap = 12;
constexpr int kCloseTop = 89;
// The message slides down one pixel every this many milliseconds.
constexpr int kSlideStepMs = 15;

} // namespace

TMileForm::TMileForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("MileForm"));
    setModal(false);
    setSizeGripEnabled(false);
    setWindowTitle(tr("Congratulations!"));

    // The title strip, in the look of the main window's.
    const TitleStrip strip = MakeTitleStrip(this, tr("Congratulations!"));
    Panel = strip.Panel;
    lblTitle = strip.Title;

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->move(kDesignPicturePos);
    Image1->hide();

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAlignment(Qt::AlignCenter);
    Image2->move(kDesignPicturePos);
    Image2->hide();

    BotPanel = new QFrame(this);
    BotPanel->setObjectName(QStringLiteral("BotPanel"));
    BotPanel->setAutoFillBackground(true);
    BotPanel->setBackgroundRole(QPalette::Window);

    lblMess = new QLabel(BotPanel);
    lblMess->setObjectName(QStringLiteral("lblMess"));
    lblMess->setTextFormat(Qt::PlainText); // "&" and "<" are shown as written
    lblMess->setAlignment(Qt::AlignCenter);
    lblMess->setWordWrap(true);
    {
        QFont font = lblMess->font();
        font.setItalic(true);
        font.setPixelSize(21);
        lblMess->setFont(font);
    }
    lblMess->setGeometry(10, 0, 616, kMessageHeight);

    btnClose = new QPushButton(tr("Close"), BotPanel);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    btnClose->setFixedSize(kCloseSize.width(),
                           std::max(kCloseSize.height(), btnClose->sizeHint().height()));
    connect(btnClose, &QPushButton::clicked, this, &QWidget::hide);

    m_slide = new QPropertyAnimation(lblMess, "pos", this);
    m_slide->setEasingCurve(QEasingCurve::Linear);

    setFixedSize(kDesignClientSize);
    ArrangeStrips();
}

TMileForm::~TMileForm() = default;

void TMileForm::Announce(const QString& caption, const QString& message,
                         const QString& pictureFile) {
    lblMess->setText(message);
    setWindowTitle(caption);
    PrepareLayout(80, pictureFile);
    if (isVisible()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        raise();
        activateWindow();
    } else {
        show();
    }
}

void TMileForm::PrepareLayout(int margin, const QString& pictureFile) {
    const int pictureTop = kPanelHeight + margin;
    Image1->move(Image1->x(), pictureTop);
    Image2->move(Image2->x(), pictureTop);

    m_current = LoadPicture(pictureFile);
    if (QWidget* view = PictureView()) {
        const int clientHeight = kPanelHeight + kBotPanelHeight + view->height() + 2 * margin;
        const int clientWidth =
            std::max(4 * btnClose->width() + margin, view->width() + 2 * margin);
        setFixedSize(clientWidth, clientHeight);
        view->move((clientWidth - view->width()) / 2, pictureTop);
        view->show();
    }
    ArrangeStrips();

    lblMess->setGeometry(kMessageLeft, 0, width() - 2 * kMessageLeft, lblMess->height());
    StartSlide();

    // Centred vertically in the work area (the left edge stays where the user put it), but
    // never with the title bar above the work area's top.
    QScreen* screen =
        (!m_placed && parentWidget() != nullptr) ? parentWidget()->screen() : this->screen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        const int top = std::max(0, (area.height() - frameGeometry().height()) / 2);
        move(x(), area.top() + top);
    }
}

QString TMileForm::TitleText() const {
    return lblTitle->text();
}

QRect TMileForm::PictureGeometry() const {
    const QWidget* view = PictureView();
    return view != nullptr ? view->geometry() : QRect();
}

QWidget* TMileForm::PictureView() const {
    switch (m_current) {
    case View::Still:
        return Image1;
    case View::Animated:
        return Image2;
    case View::None:
        break;
    }
    return nullptr;
}

void TMileForm::ClearPicture() {
    if (m_movie != nullptr) {
        m_movie->stop();
        Image2->setMovie(nullptr);
        delete m_movie;
        m_movie = nullptr;
    }
    Image2->clear();
    Image2->hide();
    Image1->clear();
    Image1->hide();
    m_current = View::None;
}

TMileForm::View TMileForm::LoadPicture(const QString& file) {
    ClearPicture();
    if (file.isEmpty()) {
        return View::None;
    }

    // A GIF plays in the animated view; every other picture, and a GIF the movie reader
    // cannot play, is tried as a still picture.
    QImageReader reader(file);
    if (reader.format() == "gif") {
        auto* movie = new QMovie(file, QByteArray(), this);
        if (movie->isValid() && movie->jumpToFrame(0)) {
            QSize size = movie->currentImage().size();
            if (size.isEmpty()) {
                size = reader.size();
            }
            if (!size.isEmpty()) {
                m_movie = movie;
                m_movie->setCacheMode(QMovie::CacheAll);
                Image2->setMovie(m_movie);
                Image2->resize(size);
                m_movie->start();
                return View::Animated;
            }
        }
        delete movie;
    }

    QPixmap still;
    if (still.load(file) && !still.isNull()) {
        Image1->setPixmap(still);
        Image1->resize(still.deviceIndependentSize().toSize());
        return View::Still;
    }
    return View::None;
}

void TMileForm::ArrangeStrips() {
    Panel->setGeometry(0, 0, width(), kPanelHeight);
    BotPanel->setGeometry(0, height() - kBotPanelHeight, width(), kBotPanelHeight);
    const int closeTop = std::min(kCloseTop, kBotPanelHeight - 4 - btnClose->height());
    btnClose->move(width() - kCloseRightGap - btnClose->width(), closeTop);
}

void TMileForm::StartSlide() {
    m_slide->stop();
    const int height = lblMess->height();
    const QPoint home(lblMess->x(), 0);
    m_slide->setStartValue(QPoint(home.x(), -height));
    m_slide->setEndValue(home);
    m_slide->setDuration(std::max(0, height) * kSlideStepMs);
    lblMess->move(home.x(), -height);
    lblMess->show();
    m_slide->start();
}

void TMileForm::showEvent(QShowEvent* event) {
    if (!m_placed && !event->spontaneous()) {
        // The first time, the window goes to the middle of the screen it opens on.
        m_placed = true;
        QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
        if (screen != nullptr) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    if (m_movie != nullptr && m_movie->state() == QMovie::Paused) {
        m_movie->setPaused(false);
    }
    QDialog::showEvent(event);
}

void TMileForm::hideEvent(QHideEvent* event) {
    // Nobody watches a hidden animation.
    if (m_movie != nullptr && m_movie->state() == QMovie::Running) {
        m_movie->setPaused(true);
    }
    QDialog::hideEvent(event);
}

} // namespace ashtally
