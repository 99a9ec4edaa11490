#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;
class QMovie;

namespace ashtally {

// The picture area of the Today page: a still view that scales its picture to fit (keeping the
// aspect ratio, enlarging too, top-left aligned) and an animated view laid over it that plays
// a GIF in the largest box of the animation's own proportions that fits.
class PictureArea : public QWidget {
    Q_OBJECT

public:
    enum class View { None, Still, Animated };

    explicit PictureArea(QWidget* parent = nullptr);

    // Empties both views, then shows the file as an animation if it is a GIF, else as a still
    // picture. A file neither view accepts leaves the area empty, silently.
    View LoadPicture(const QString& file);
    void Clear();

    // Sizes the animated view inside the area; only when it holds the current picture.
    void FitAnimation();

    View Current() const { return m_current; }
    // The file last shown, empty when the area is empty.
    QString CurrentFile() const { return m_current == View::None ? QString() : m_file; }
    QLabel* Image1() const { return m_image1; }
    QLabel* Image2() const { return m_image2; }
    QSize AnimationSize() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitStill();

    QLabel* m_image1;
    QLabel* m_image2;
    QMovie* m_movie = nullptr;
    QPixmap m_still;
    QString m_file;
    View m_current = View::None;
};

} // namespace ashtally
