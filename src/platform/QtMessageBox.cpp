#include "QtMessageBox.h"

#include <QMessageBox>

namespace Platform {

void QtMessageBox::Warning(QWidget* Parent, const QString& Caption, const QString& Text) {
    QMessageBox::warning(Parent, Caption, Text, QMessageBox::Ok);
}

void QtMessageBox::Information(QWidget* Parent, const QString& Caption, const QString& Text) {
    QMessageBox::information(Parent, Caption, Text, QMessageBox::Ok);
}

} // namespace Platform
