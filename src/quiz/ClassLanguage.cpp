// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassLanguage.h"

#include <algorithm>
#include <array>

namespace {
// The languages whose pupils' answers follow a rule of their own, one row each; every other
// language follows the ordinary rules of case.
struct AnswerRule {
    QLocale::Language language;
    CaseRule properCase = CaseRule::Ordinary;
    bool capitalsDropAccents = false;
    // Applied to the answer and the names alike.
    ClassLanguage::TextMap fold = nullptr;
    // Joined before a name, as right as the name alone.
    const char16_t* article = u"";
    // Applied to the answer, which counts as typed too.
    ClassLanguage::TextMap fromSecondScript = nullptr;
};
constexpr std::array kAnswerRules{
    AnswerRule{.language = QLocale::Dutch, .properCase = CaseRule::Dutch},
    AnswerRule{.language = QLocale::Turkish, .properCase = CaseRule::Turkish},
    AnswerRule{.language = QLocale::Greek, .capitalsDropAccents = true},
    AnswerRule{.language = QLocale::Catalan, .fold = WithCatalanMiddleDot},
    AnswerRule{.language = QLocale::Arabic, .fold = WithoutArabicVariants, .article = u"ال"},
    AnswerRule{.language = QLocale::Japanese, .fold = HiraganaAsKatakana},
    AnswerRule{.language = QLocale::Georgian, .properCase = CaseRule::Georgian},
    AnswerRule{.language = QLocale::Serbian, .fromSecondScript = SerbianLatinAsCyrillic},
    AnswerRule{.language = QLocale::Slovenian, .properCase = CaseRule::FirstWordOnly},
};
} // namespace

ClassLanguage::ClassLanguage(const QString& code)
    : names_(code)
    , decimalPoint_(QLocale(code).decimalPoint()) {
    const QLocale::Language language =
        code.isEmpty() ? QLocale::AnyLanguage : QLocale(code).language();
    const auto rule =
        std::find_if(kAnswerRules.cbegin(), kAnswerRules.cend(),
                     [language](const AnswerRule& each) { return each.language == language; });
    if (rule != kAnswerRules.cend()) {
        caseRule_ = rule->properCase;
        capitalsDropAccents_ = rule->capitalsDropAccents;
        fold_ = rule->fold;
        article_ = QString::fromUtf16(rule->article);
        fromSecondScript_ = rule->fromSecondScript;
    }
}
