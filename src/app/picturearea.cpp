#include "app/picturearea.h"

#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QResizeEvent>

#include <cmath>

namespace ashtally {

namespace {

int RoundHalfEvenInt(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PictureArea"));
    setMinimumSize(64, 48);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_image1->setAttribute(Qt::WA_TranslucentBackground);

    m_image2 = new QLabel(this);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->setScaledContents(true);
    m_image2->setAttribute(Qt::WA_TranslucentBackground);
}

void PictureArea::Clear() {
    if (m_movie != nullptr) {
        m_movie->stop();
        m_image2->setMovie(nullptr);
        delete m_movie;
        m_movie = nullptr;
    }
    m_image2->clear();
    m_image1->clear();
    m_still = QPixmap();
    m_current = View::None;
}

PictureArea::View PictureArea::LoadPicture(const QString& file) {
    Clear();
    if (file.isEmpty()) {
        return m_current;
    }
    m_file = file;

    // A GIF goes to the animated view; every other format, and a GIF the movie reader cannot
    // play, is tried as a still picture.
    QImageReader reader(file);
    if (reader.format() == "gif" && !reader.read().isNull()) {
        auto* movie = new QMovie(file, QByteArray(), this);
        if (movie->isValid()) {
            m_movie = movie;
            m_movie->setCacheMode(QMovie::CacheAll);
            m_image2->setMovie(m_movie);
            m_movie->start();
            m_current = View::Animated;
            FitAnimation();
            return m_current;
        }
        delete movie;
    }

    QPixmap still;
    if (still.load(file)) {
        m_still = still;
        m_current = View::Still;
        FitStill();
    }
    return m_current;
}

QSize PictureArea::AnimationSize() const {
    return m_movie != nullptr ? m_movie->frameRect().size() : QSize();
}

void PictureArea::FitAnimation() {
    if (m_current != View::Animated || m_movie == nullptr) {
        return;
    }
    const QSize natural = AnimationSize();
    if (natural.isEmpty()) {
        return;
    }
    // The largest box of the animation's proportions inside the area, aligned top-left.
    const double ratio = static_cast<double>(natural.width()) / natural.height();
    const int areaWidth = width();
    const int areaHeight = height();
    const int fullHeightWidth = RoundHalfEvenInt(areaHeight * ratio);
    if (areaWidth < fullHeightWidth) {
        m_image2->setGeometry(0, 0, areaWidth, RoundHalfEvenInt(areaWidth / ratio));
    } else {
        m_image2->setGeometry(0, 0, fullHeightWidth, areaHeight);
    }
}

void PictureArea::FitStill() {
    m_image1->setGeometry(rect());
    if (m_still.isNull()) {
        return;
    }
    const qreal dpr = devicePixelRatioF();
    QPixmap scaled = m_still.scaled(size() * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(dpr);
    m_image1->setPixmap(scaled);
}

void PictureArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitStill();
    FitAnimation();
}

} // namespace ashtally
