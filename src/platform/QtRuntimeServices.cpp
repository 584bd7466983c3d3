#include "QtRuntimeServices.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMetaObject>

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
    // exit() does nothing while no event loop runs (an error during start-up): the queued call
    // ends the loop as soon as it starts.
    QMetaObject::invokeMethod(
        qApp, [exitStatus] { QCoreApplication::exit(exitStatus); }, Qt::QueuedConnection);
}
