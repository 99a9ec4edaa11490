#pragma once

#include <QLabel>

namespace ashtally {

// A caption that the desktop opens when clicked: a web address or a local file. It takes the
// keyboard focus like a link should (Tab, then Enter or Space opens it).
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

    void SetLink(const QString& caption, const QString& target);
    void Clear();

    QString Caption() const { return m_caption; }
    QString Target() const { return m_target; }

    // Asks the desktop to open a target; the outcome is not examined.
    static void OpenTarget(const QString& target);

signals:
    void activated(const QString& target);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Open();

    QString m_caption;
    QString m_target;
};

} // namespace ashtally
