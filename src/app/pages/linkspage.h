#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace ashtally {

class LinkLabel;

// Page 3: up to six links built from the links text.
class LinksPage : public QWidget {
    Q_OBJECT

public:
    explicit LinksPage(QWidget* parent = nullptr);

    QLabel* Label1;
    std::array<LinkLabel*, 6> Links{};
};

} // namespace ashtally
