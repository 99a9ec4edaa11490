#include "app/pages/linkspage.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/linklabel.h"

namespace ashtally {

LinksPage::LinksPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabLinks"));

    Label1 = new QLabel(tr("Links:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setItalic(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.6);
    Label1->setFont(heading);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(12);
    for (std::size_t i = 0; i < Links.size(); ++i) {
        Links[i] = new LinkLabel(this);
        Links[i]->setObjectName(QStringLiteral("Link%1").arg(i + 1));
        QFont font = Links[i]->font();
        font.setPointSizeF(font.pointSizeF() * 1.25);
        Links[i]->setFont(font);
        layout->addWidget(Links[i]);
        layout->addSpacing(10);
    }
    layout->addStretch(1);
}

} // namespace ashtally
