#include "app/qt/AboutBox.h"

#include "app/UserTexts.h"
#include "app/qt/UiSupport.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace korvanel {

namespace {

// The labels are laid out around the box's middle; a font wider than the one they were
// drawn for would push left-anchored text off centre, so each spans the box and centres.
QLabel* addCentredLabel(QWidget* box, std::string_view text, int top, int height,
                        const QFont& font) {
    auto* label = new QLabel(qtText(text), box);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const int margin = fromTwips(120);
    label->setGeometry(margin, fromTwips(top), box->width() - 2 * margin,
                       std::max(fromTwips(height), label->sizeHint().height()));
    return label;
}

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(qtText(texts::aboutCaption));
    setFixedSize(fromTwips(4095), fromTwips(2325));

    QFont normal = QApplication::font();
    normal.setPixelSize(11);
    QFont bold = normal;
    bold.setBold(true);
    QFont maker = normal;
    maker.setPixelSize(13);

    addCentredLabel(this, texts::aboutProduct, 240, 195, normal)->setObjectName("Label1");
    addCentredLabel(this, texts::aboutVersion, 480, 195, bold)->setObjectName("Label2");

    auto* rule = new QFrame(this);
    rule->setObjectName("Frame1");
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(twipsRect(120, 720, 3855, 135));

    addCentredLabel(this, texts::aboutMaker, 960, 240, maker)->setObjectName("Label3");
    addCentredLabel(this, texts::aboutPhone, 1222, 195, normal)->setObjectName("Label4");
    addCentredLabel(this, texts::aboutEmail, 1440, 195, normal)->setObjectName("Label5");

    auto* ok = new QPushButton(qtText(texts::aboutOk), this);
    ok->setObjectName("Command1");
    ok->setFont(normal);
    ok->setGeometry(twipsRect(1440, 1800, 1215, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutBox::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        centreOnScreen(*this);
    }
    QDialog::showEvent(event);
}

} // namespace korvanel
