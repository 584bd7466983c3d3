// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QTranslator>

// The language the program speaks, for the object's life: the first of the locale's languages
// (as Qt reads them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that the program is translated
// into, or English. Only that one translation is loaded; proper case follows its rules.
class Translation {
public:
    explicit Translation(const QLocale& locale = QLocale::system());
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // The language's code, as the element names are filed under it ("de", "pt_BR"), or nothing
    // for English.
    QString Language() const { return translator_.language(); }

private:
    QTranslator translator_;
};
