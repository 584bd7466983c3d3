// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <QTranslator>

// The user's languages, most wanted first, as gettext reads them: none where the locale of
// messages (LC_ALL, else LC_MESSAGES, else LANG) is unset, C or POSIX, whatever LANGUAGE says;
// otherwise LANGUAGE's list, or that locale alone. Entries stand as written ("de_DE.UTF-8").
[[nodiscard]] QStringList
UserLanguages(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// `text` of the translation context `context` in the first of `languages` that the program
// speaks, for what it says before the application exists, when no translation can be installed.
[[nodiscard]] QString TranslateBeforeStart(const char* context, const char* text,
                                           const QStringList& languages = UserLanguages());

// The language the program speaks, for the object's life: the first of the user's languages that
// is English or that the program is translated into. Its translation is loaded, and Qt's own
// where Qt ships one. Brazilian Portuguese is only
// for a list that names Brazil (pt_BR): Portuguese alone is European. Traditional Chinese is
// Taiwan's, Hong Kong's and Macau's; Simplified everyone else's.
class Translation {
public:
    explicit Translation(const QStringList& languages = UserLanguages());
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // The language's code, as the element names are filed under it ("de", "pt_BR"): for English,
    // its region's ("en_US", "en_GB"), or nothing where the locale names none.
    const QString& Language() const { return language_; }

private:
    QString language_;
    QTranslator program_;
    QTranslator qt_;
};
