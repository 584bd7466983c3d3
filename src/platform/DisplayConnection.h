// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// For the object's life, while the application connects to its display: Qt's messages are held
// back. Where no display can be opened (none set, none answering, an unknown or failing
// platform), Qt would abort with advice to reinstall; instead `noDisplay` is printed as one line
// and the program ends with status 1. At the end of its life the messages held are passed on.
class DisplayConnection {
public:
    explicit DisplayConnection(const QString& noDisplay);
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;
};
