// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Translation.h"

#include "TextOperations.h"

#include <QCoreApplication>

Translation::Translation(const QLocale& locale) {
    if (translator_.load(locale, QStringLiteral("valtora"), QStringLiteral("_"),
                         QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&translator_);
    SetProperCaseLanguage(QLocale(Language()).language());
}

Translation::~Translation() {
    QCoreApplication::removeTranslator(&translator_);
    SetProperCaseLanguage(QLocale::AnyLanguage);
}
