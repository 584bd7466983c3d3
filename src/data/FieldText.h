// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QVariant>

// A column value as a record box shows it: NULL as empty text, whole numbers without decimals,
// floating-point numbers in plain decimal notation with the fewest digits that read back as the
// same number (55.845, never 5.5845e+01 or 55.844999999), text and exact numerics as stored.
QString FieldText(const QVariant& value);

// A plain decimal number ("26.982", "1.0080") written with `decimalPoint` in place of its point,
// its digits as they are; any other text as it stands ("[97]", "12", "26,98").
QString WithDecimalPoint(const QString& text, const QString& decimalPoint);
