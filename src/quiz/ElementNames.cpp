// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ElementNames.h"

#include <QDir>
#include <QFile>

namespace {
// Reads one names file into `forms`, each line "number<TAB>shown<TAB>further forms...",
// replacing the forms of every number it lists; a missing file adds nothing.
void ReadNamesFile(const QString& code, QHash<int, QStringList>& forms) {
    QFile file(QStringLiteral(":/valtora/names/%1.tsv").arg(code));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        QStringList fields = line.split(u'\t');
        bool numbered = false;
        const int number = fields.takeFirst().toInt(&numbered);
        if (numbered && !fields.isEmpty())
            forms.insert(number, fields);
    }
}
} // namespace

ElementNames::ElementNames(const QString& language)
    : language_(language) {
    const QString code = language.isEmpty() ? QStringLiteral("en") : language;
    const QString base = code.section(u'_', 0, 0);
    if (base != code)
        ReadNamesFile(base, forms_);
    ReadNamesFile(code, forms_);
}

QStringList ElementNames::Languages() {
    QStringList codes = QDir(QStringLiteral(":/valtora/names"))
                            .entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name);
    for (QString& code : codes)
        code.chop(4);
    return codes;
}
