#include "WindowFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <mutex>

namespace {
const QString kBitmapFace = QStringLiteral("MS Sans Serif");
const QString kOutlineFace = QStringLiteral("Tahoma");

// Debian's fonts-wine ships both faces in a folder that fontconfig does not list, so they are
// added here; where they are missing, the nearest narrow sans-serif face stands in.
void RegisterWindowFaces() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        QFontDatabase::addApplicationFont(QStringLiteral(VALTORA_WINE_FONTS "/ms_sans_serif.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral(VALTORA_WINE_FONTS "/tahoma.ttf"));
        for (const QString& face : {kBitmapFace, kOutlineFace}) {
            QFont::insertSubstitutions(face, QStringList{QStringLiteral("Liberation Sans Narrow"),
                                                         QStringLiteral("Nimbus Sans Narrow")});
        }
    });
}
} // namespace

QFont WindowFont(qreal pointSize, qreal devicePixelRatio) {
    RegisterWindowFaces();
    const bool bitmap = devicePixelRatio == 1.0;
    QFont font(bitmap ? kBitmapFace : kOutlineFace);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    // Tahoma runs about 3% wider than MS Sans Serif at the same size; this keeps every caption
    // within the control the layout gives it.
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
