// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtRuntimeServices.h"

#include "ProgramEnd.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

namespace {
int ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    // Messages carry text from drivers and servers: shown as it stands, never read as markup.
    box.setTextFormat(Qt::PlainText);
    // The box waits for the user, not the user for the program, whatever the window says.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QGuiApplication::restoreOverrideCursor();
    // Without a window manager (a kiosk session) nothing gives the window its activation back,
    // and its keys would not reach it: it asks for it itself.
    if (parent)
        parent->activateWindow();
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
    ::EndProgram(exitStatus);
}
