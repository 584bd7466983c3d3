#include "WindowFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <mutex>

namespace {
const QString kWindowFace = QStringLiteral("MS Sans Serif");

// MS Sans Serif is the outline copy that Debian's fonts-wine ships, which fontconfig does not
// list, so it is added here; where it is missing, the nearest narrow sans-serif face stands in.
void RegisterWindowFace() {
    static std::once_flag registered;
    std::call_once(registered, [] {
        QFontDatabase::addApplicationFont(QStringLiteral(VALTORA_MS_SANS_SERIF_FONT));
        QFont::insertSubstitutions(kWindowFace,
                                   QStringList{QStringLiteral("Liberation Sans Narrow"),
                                               QStringLiteral("Nimbus Sans Narrow")});
    });
}
} // namespace

QFont WindowFont(qreal pointSize) {
    RegisterWindowFace();
    QFont font(kWindowFace);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
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
