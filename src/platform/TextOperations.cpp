// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

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

constexpr char32_t kCapitalSigma = U'\u03A3';
constexpr char32_t kFinalSigma = U'\u03C2';
constexpr char32_t kCapitalIWithDot = U'\u0130';
constexpr char32_t kDotlessI = U'\u0131';
// Greek's tonos, once decomposed.
constexpr char16_t kAcute = u'\u0301';

// The next code point after `i` that is not a combining mark, or 0.
char32_t NextBaseCharacter(const QList<uint>& text, qsizetype i) {
    while (++i < text.size()) {
        if (!QChar::isMark(text[i]))
            return text[i];
    }
    return 0;
}

void AppendCodePoint(QString& out, char32_t c) {
    if (QChar::requiresSurrogates(c)) {
        out.append(QChar(QChar::highSurrogate(c)));
        out.append(QChar(QChar::lowSurrogate(c)));
    } else {
        out.append(QChar(static_cast<char16_t>(c)));
    }
}
} // namespace

QString WithoutTonos(const QString& text) {
    return text.normalized(QString::NormalizationForm_D)
        .remove(kAcute)
        .normalized(QString::NormalizationForm_C);
}

QString WithoutWidthForms(const QString& text) {
    QString ordinary;
    ordinary.reserve(text.size());
    for (QChar c : text) {
        const QChar::Decomposition form = c.decompositionTag();
        ordinary += form == QChar::Wide || form == QChar::Narrow ? c.decomposition() : QString(c);
    }
    return ordinary;
}

QString ProperCase(const QString& text, CaseRule rule) {
    const bool dutch = rule == CaseRule::Dutch;
    // Turkish pairs dotted i with İ, and dotless ı with I.
    const bool turkish = rule == CaseRule::Turkish;
    // Code points, so that letters outside the Basic Multilingual Plane map too.
    const QList<uint> codePoints = text.toUcs4();
    QString result;
    result.reserve(text.size());
    bool wordStart = true;
    bool afterLetter = false;
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        const char32_t c = codePoints[i];
        if (IsWordSeparator(c)) {
            AppendCodePoint(result, c);
            wordStart = true;
            afterLetter = false;
            continue;
        }
        if (wordStart && dutch && QChar::toLower(c) == U'i' && i + 1 < codePoints.size() &&
            QChar::toLower(codePoints[i + 1]) == U'j') {
            // Dutch writes the digraph ij as one letter, capital IJ.
            result.append(QStringLiteral("IJ"));
            ++i;
        } else if (wordStart) {
            AppendCodePoint(result,
                            turkish && c == U'i' ? kCapitalIWithDot : QChar::toTitleCase(c));
        } else if (turkish && (c == U'I' || c == kCapitalIWithDot)) {
            AppendCodePoint(result, c == U'I' ? kDotlessI : U'i');
        } else if (c == kCapitalSigma && afterLetter &&
                   !QChar::isLetter(NextBaseCharacter(codePoints, i))) {
            // Unicode's Final_Sigma rule: a capital sigma that ends a word becomes final sigma.
            AppendCodePoint(result, kFinalSigma);
        } else if (c == kCapitalIWithDot) {
            // Its full lower-case mapping keeps the dot: i and a combining dot above.
            result.append(QStringLiteral("i\u0307"));
        } else {
            AppendCodePoint(result, QChar::toLower(c));
        }
        if (!QChar::isMark(c))
            afterLetter = QChar::isLetter(c);
        wordStart = false;
    }
    return result;
}
