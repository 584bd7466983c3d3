// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The names of the elements in one language as its schools write them (data/names): for each
// atomic number the name shown and the further forms that are as right ("Aluminium" and
// "Aluminum" in English). A regional variant ("en_US", "pt_BR") takes its language's names and
// replaces those it names itself. English is the language where none is given.
class ElementNames {
public:
    explicit ElementNames(const QString& language = {});

    // The codes of every language and variant whose names Valtora has ("de", "en_US", ...).
    static QStringList Languages();

    // The language's code as given ("de", "en_US"), or nothing for English.
    const QString& Language() const { return language_; }
    // Each atomic number the language names, with its forms: the shown one first.
    const QHash<int, QStringList>& Forms() const { return forms_; }
    // The forms of `number`, or none where the language does not name it.
    QStringList Accepted(int number) const { return forms_.value(number); }

private:
    QString language_;
    QHash<int, QStringList> forms_;
};
