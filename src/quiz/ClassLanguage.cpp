// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClassLanguage.h"

#include <array>

namespace {
// The languages whose pupils' answers follow a rule of their own; every other language follows
// the ordinary rules of case.
struct AnswerRule {
    QLocale::Language language;
    CaseRule properCase;
    bool capitalsDropAccents;
    bool foldsMiddleDot;
};
constexpr std::array kAnswerRules{
    AnswerRule{QLocale::Dutch, CaseRule::Dutch, false, false},
    AnswerRule{QLocale::Turkish, CaseRule::Turkish, false, false},
    AnswerRule{QLocale::Greek, CaseRule::Ordinary, true, false},
    AnswerRule{QLocale::Catalan, CaseRule::Ordinary, false, true},
};
} // namespace

ClassLanguage::ClassLanguage(const QString& code)
    : names_(code)
    , decimalPoint_(QLocale(code).decimalPoint()) {
    for (const AnswerRule& rule : kAnswerRules) {
        if (!code.isEmpty() && rule.language == QLocale(code).language()) {
            caseRule_ = rule.properCase;
            capitalsDropAccents_ = rule.capitalsDropAccents;
            foldsMiddleDot_ = rule.foldsMiddleDot;
        }
    }
}
