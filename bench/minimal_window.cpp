// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up and memory baseline: a Qt Widgets program that shows one window with one label,
// so that it, too, sets up fontconfig and Qt's font database for the first text it draws.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Elements"));
    window.resize(640, 484);
    window.show();
    return QApplication::exec();
}
