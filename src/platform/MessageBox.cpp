#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace orvel {

void ShowMessageBox(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), message,
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace orvel
