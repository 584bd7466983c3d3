// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <mutex>

namespace {
const QString kBitmapFace = QStringLiteral("MS Sans Serif");
const QString kOutlineFace = QStringLiteral("Tahoma");

// Debian's fonts-wine ships both faces in a folder that fontconfig does not list, so the one in
// use is added here, once; where it is missing, the nearest narrow sans-serif face stands in.
void RegisterFace(const QString& face, const char* file) {
    static std::mutex registering;
    static QStringList registered;
    const std::lock_guard lock(registering);
    if (registered.contains(face))
        return;
    registered.append(face);
    QFontDatabase::addApplicationFont(QStringLiteral(VALTORA_WINE_FONTS "/") + QLatin1String(file));
    QFont::insertSubstitutions(face, QStringList{QStringLiteral("Liberation Sans Narrow"),
                                                 QStringLiteral("Nimbus Sans Narrow")});
}
} // namespace

QFont WindowFont(qreal pointSize, qreal devicePixelRatio) {
    const bool bitmap = devicePixelRatio == 1.0;
    if (bitmap)
        RegisterFace(kBitmapFace, "ms_sans_serif.ttf");
    else
        RegisterFace(kOutlineFace, "tahoma.ttf");
    QFont font(bitmap ? kBitmapFace : kOutlineFace);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    // Tahoma runs a little wider than MS Sans Serif at the same size: 5% tighter, every caption
    // keeps within the control the layout gives it.
    if (!bitmap)
        font.setLetterSpacing(QFont::PercentageSpacing, 95);
    return font;
}

QFont SignatureFont() {
    // The MS Sans Serif copy has no bold italic: the nearest face that has one.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(12);
    font.setBold(true);
    font.setItalic(true);
    return font;
}
