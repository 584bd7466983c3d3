#include "QtRuntimeServices.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>

namespace {
int ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
    return RuntimeServices::kOk;
}
} // namespace

int QtRuntimeServices::MsgBox(const QString& text) {
    return ShowBox(dialogParent_, QMessageBox::NoIcon, text);
}

void QtRuntimeServices::ShowError(const QString& message) {
    ShowBox(dialogParent_, QMessageBox::Critical, message);
}

void QtRuntimeServices::EndProgram(int exitStatus) {
    QCoreApplication::exit(exitStatus);
}
