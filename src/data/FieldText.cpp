// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FieldText.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

QString FieldText(const QVariant& value) {
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (!std::isfinite(number))
            return value.toString();
        return QString::number(number, 'f', QLocale::FloatingPointShortest);
    }
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}

QString WithDecimalPoint(const QString& text, const QString& decimalPoint) {
    static const QRegularExpression kPlainDecimal(QStringLiteral("^[0-9]+\\.[0-9]+$"));
    return kPlainDecimal.match(text).hasMatch() ? QString(text).replace(u'.', decimalPoint) : text;
}
