// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <utility>

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

enum class Shape { Bitmap, Outline };

// Each face at each size, made once: the boxes ask for theirs at every spin.
QFont Face(Shape shape, qreal pointSize) {
    static std::mutex making;
    static std::map<std::pair<Shape, qreal>, QFont> made;
    const std::lock_guard lock(making);
    if (const auto found = made.find({shape, pointSize}); found != made.end())
        return found->second;
    const bool bitmap = shape == Shape::Bitmap;
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
    made.emplace(std::pair{shape, pointSize}, font);
    return font;
}

// Languages whose letters fontconfig would otherwise take from whichever face it finds first:
// Han characters in their Japanese or their Chinese forms.
const std::array<std::pair<QLatin1StringView, QLatin1StringView>, 2> kLanguageFaces{{
    {QLatin1StringView("ja"), QLatin1StringView("VL Gothic")},
    {QLatin1StringView("zh"), QLatin1StringView("WenQuanYi Micro Hei")},
}};

// `face` with the same fallback faces as `model`.
QFont WithFallbacksOf(QFont face, const QFont& model) {
    face.setFamilies(QStringList{face.family()} + model.families().mid(1));
    return face;
}

// Whether MS Sans Serif's bitmaps draw every letter of `text` as itself.
bool BitmapDrawsAsItself(QStringView text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.script() == QChar::Script_Greek || c.script() == QChar::Script_Cyrillic;
    });
}

// The least width and size a name is drawn at, in percent of the face's own.
constexpr int kNarrowest = 70;
constexpr qreal kSmallest = 0.7;
// QLineEdit's blank on either side of its text, and the pixel its cursor takes after it.
constexpr int kLineEditMargin = 2;
constexpr int kCursorWidth = 1;

// The width `box` draws its text in without scrolling it.
int TextWidth(const QLineEdit& box) {
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.rect();
    option.lineWidth =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    const QRect contents = box.style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, &box)
                               .marginsRemoved(box.textMargins());
    return contents.width() - 2 * kLineEditMargin - kCursorWidth;
}
} // namespace

void FitText(QLineEdit& box, const QFont& font) {
    const int width = TextWidth(box);
    const auto fits = [&](const QFont& candidate) {
        return QFontMetrics(candidate).horizontalAdvance(box.text()) <= width;
    };
    QFont fitted = font;
    if (!fits(font)) {
        // Bitmaps have one size and one width: the outline face narrows.
        fitted = WithFallbacksOf(Face(Shape::Outline, font.pointSizeF()), font);
        for (int stretch = 100; stretch > kNarrowest && !fits(fitted); --stretch)
            fitted.setStretch(stretch - 1);
        for (qreal size = font.pointSizeF(); size > font.pointSizeF() * kSmallest && !fits(fitted);
             size -= 0.25)
            fitted.setPointSizeF(size - 0.25);
    }
    if (box.font() != fitted)
        box.setFont(fitted);
}

QFont FaceFor(const QFont& windowFace, QStringView text) {
    return windowFace.family() != kBitmapFace || BitmapDrawsAsItself(text)
               ? windowFace
               : WithFallbacksOf(Face(Shape::Outline, windowFace.pointSizeF()), windowFace);
}

QFont WindowFont(qreal pointSize, qreal devicePixelRatio, QStringView text,
                 const QString& language) {
    QFont font = devicePixelRatio == 1.0 && BitmapDrawsAsItself(text)
                     ? Face(Shape::Bitmap, pointSize)
                     : Face(Shape::Outline, pointSize);
    for (const auto& [code, face] : kLanguageFaces) {
        if (language.section(u'_', 0, 0) == code)
            font.setFamilies({font.family(), face});
    }
    return font;
}

QFont SignatureFont(const QString& text, int height) {
    // The MS Sans Serif copy has no bold italic: the nearest face that has one.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(12);
    font.setBold(true);
    font.setItalic(true);
    constexpr qreal kStep = 0.5;
    while (QFontMetrics(font).tightBoundingRect(text).height() > height &&
           font.pointSizeF() > kStep)
        font.setPointSizeF(font.pointSizeF() - kStep);
    return font;
}
