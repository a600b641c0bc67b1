#include "platform/qt/QtAlerts.h"

#include <QApplication>
#include <QMessageBox>

namespace korvanel {

QString alertText(const std::string& text) {
    QString converted = QString::fromStdString(text);
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    converted.replace(u'\r', u'\n');
    return converted;
}

void QtAlerts::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Korvanel"), alertText(text),
                    QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtAlerts::beep() {
    QApplication::beep();
}

} // namespace korvanel
