#include "TextOperations.h"

#include <QChar>
#include <QList>

QString NumberToText(int n) {
    return QString::number(n);
}

bool TextEquals(const QString& a, const QString& b) {
    // QString's operator== compares UTF-16 code units one by one, after the lengths.
    return a == b;
}

namespace {
bool IsWordSeparator(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r';
}
} // namespace

QString ProperCase(const QString& text) {
    // Work on code points so that letters outside the Basic Multilingual Plane map too.
    QList<uint> codePoints = text.toUcs4();
    bool wordStart = true;
    for (uint& c : codePoints) {
        const bool separator = IsWordSeparator(c);
        if (!separator)
            c = wordStart ? QChar::toTitleCase(c) : QChar::toLower(c);
        wordStart = separator;
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(codePoints.constData()),
                             codePoints.size());
}
