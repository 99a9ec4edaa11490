#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QMovie;
class QPropertyAnimation;
class QPushButton;

namespace ashtally {

// The milestone announcement: a title strip, a picture at its natural size and the milestone's
// long text sliding into view above the Close button. Created hidden, shown without blocking
// the main window at every announcement; closing it only hides it. The window's size follows
// the picture and the user cannot change it.
class TMileForm : public QDialog {
    Q_OBJECT

public:
    enum class View { None, Still, Animated };

    explicit TMileForm(QWidget* parent = nullptr);
    ~TMileForm() override;

    // Puts the message and caption up, lays the window out around the picture and shows it;
    // an open window is updated where it is and brought to the front.
    void Announce(const QString& caption, const QString& message, const QString& pictureFile);

    // Loads the picture and sizes the window to it: the picture margin pixels below the title
    // strip and above the bottom strip, centred across a window at least wide enough for four
    // Close buttons. A file that does not load leaves the window's size as it was and the
    // picture area empty. Then starts the message's slide and centres the window vertically in
    // the work area.
    void PrepareLayout(int margin, const QString& pictureFile);

    // The fixed title, which also serves as the caption when there is nothing to announce.
    QString TitleText() const;

    View CurrentView() const { return m_current; }
    // The view showing the picture, in the window's client coordinates; empty without one.
    QRect PictureGeometry() const;
    QPropertyAnimation* MessageAnimation() const { return m_slide; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    View LoadPicture(const QString& file);
    void ClearPicture();
    void ArrangeStrips();
    void StartSlide();
    QWidget* PictureView() const;

    QFrame* Panel;
    QLabel* lblTitle;
    QFrame* BotPanel;
    QLabel* lblMess;
    QPushButton* btnClose;
    QLabel* Image1;
    QLabel* Image2;

    QMovie* m_movie = nullptr;
    QPropertyAnimation* m_slide;
    View m_current = View::None;
    bool m_placed = false; // centred on the screen at the first show
};

} // namespace ashtally
