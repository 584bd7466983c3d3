// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TextOperations.h"

#include <QChar>
#include <QList>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

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
// Georgian's capitals, Mtavruli; U+1CBB and U+1CBC are unassigned.
constexpr char32_t kFirstMtavruli = U'\u1C90';
constexpr char32_t kLastMtavruli = U'\u1CBF';

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
        char32_t c = codePoints[i];
        if (rule == CaseRule::Georgian && c >= kFirstMtavruli && c <= kLastMtavruli)
            c = QChar::toLower(c);
        if (IsWordSeparator(c)) {
            AppendCodePoint(result, c);
            wordStart = wordStart || rule != CaseRule::FirstWordOnly;
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

QString WithCatalanMiddleDot(const QString& text) {
    static const QRegularExpression kGeminateL(QStringLiteral("([lL])[.\\x{2027}]([lL])"));
    return QString(text)
        .replace(u'ŀ', QStringLiteral("l·"))
        .replace(u'Ŀ', QStringLiteral("L·"))
        .replace(kGeminateL, QStringLiteral("\\1·\\2"));
}

QString WithoutArabicVariants(const QString& text) {
    QString folded;
    folded.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'أ':
        case u'إ':
        case u'آ':
        case u'ٱ':
            folded += u'ا';
            break;
        case u'ى':
            folded += u'ي';
            break;
        case u'ة':
            folded += u'ه';
            break;
        // Tatweel, superscript alef, and the marks of direction.
        case u'\u0640':
        case u'\u0670':
        case u'\u200E':
        case u'\u200F':
        case u'\u061C':
            break;
        default:
            // The harakat, fathatan to sukun.
            if (c < u'\u064B' || c > u'\u0652')
                folded += c;
        }
    }
    return folded;
}

QString HiraganaAsKatakana(const QString& text) {
    // The two blocks share their order: hiragana from ぁ to ゖ, and the marks of repetition ゝ
    // and ゞ, stand 0x60 before their katakana.
    constexpr char16_t kToKatakana = 0x60;
    QString katakana = text;
    for (QChar& c : katakana) {
        if ((c >= u'ぁ' && c <= u'ゖ') || c == u'ゝ' || c == u'ゞ')
            c = QChar(char16_t(c.unicode() + kToKatakana));
    }
    return katakana;
}

QString SerbianLatinAsCyrillic(const QString& text) {
    // The digraphs first, also as the single characters of compatibility (ǉ, ǌ, ǆ).
    static const std::pair<QString, QChar> kLetters[]{
        {"lj", u'љ'}, {"nj", u'њ'}, {"dž", u'џ'}, {"ǉ", u'љ'}, {"ǌ", u'њ'}, {"ǆ", u'џ'},
        {"a", u'а'},  {"b", u'б'},  {"c", u'ц'},  {"č", u'ч'}, {"ć", u'ћ'}, {"d", u'д'},
        {"đ", u'ђ'},  {"e", u'е'},  {"f", u'ф'},  {"g", u'г'}, {"h", u'х'}, {"i", u'и'},
        {"j", u'ј'},  {"k", u'к'},  {"l", u'л'},  {"m", u'м'}, {"n", u'н'}, {"o", u'о'},
        {"p", u'п'},  {"r", u'р'},  {"s", u'с'},  {"š", u'ш'}, {"t", u'т'}, {"u", u'у'},
        {"v", u'в'},  {"z", u'з'},  {"ž", u'ж'}};
    QString cyrillic;
    cyrillic.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const auto letter = std::find_if(std::cbegin(kLetters), std::cend(kLetters),
                                         [&](const std::pair<QString, QChar>& l) {
                                             return QStringView(text)
                                                        .mid(i, l.first.size())
                                                        .compare(l.first, Qt::CaseInsensitive) == 0;
                                         });
        if (letter == std::cend(kLetters)) {
            cyrillic += text[i++];
            continue;
        }
        // Lj, LJ and ǈ all begin with a capital.
        cyrillic += text[i].isLower() ? letter->second : letter->second.toUpper();
        i += letter->first.size();
    }
    return cyrillic;
}
