// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AnswerCheck.h"

#include "ElementDraw.h"
#include "QuizState.h"
#include "platform/RuntimeServices.h"
#include "platform/TextOperations.h"

#include <QHash>
#include <algorithm>

namespace {
// Cyrillic and Greek letters drawn exactly as a Latin letter of the same case, as a Cyrillic or
// Greek keyboard layout types them: the single-letter Latin prototypes of Unicode's confusables
// for these scripts, less those only alike in some faces (Greek ν and v, ι and i). None stands
// for l, so that "CI" never passes for "Cl".
const QHash<char16_t, char16_t> kLatinLookAlikes{// Cyrillic capitals and small letters.
                                                 {u'А', u'A'},
                                                 {u'В', u'B'},
                                                 {u'Е', u'E'},
                                                 {u'К', u'K'},
                                                 {u'М', u'M'},
                                                 {u'Н', u'H'},
                                                 {u'О', u'O'},
                                                 {u'Р', u'P'},
                                                 {u'С', u'C'},
                                                 {u'Т', u'T'},
                                                 {u'Х', u'X'},
                                                 {u'І', u'I'},
                                                 {u'Ј', u'J'},
                                                 {u'Ѕ', u'S'},
                                                 {u'Ү', u'Y'},
                                                 {u'а', u'a'},
                                                 {u'е', u'e'},
                                                 {u'о', u'o'},
                                                 {u'р', u'p'},
                                                 {u'с', u'c'},
                                                 {u'у', u'y'},
                                                 {u'х', u'x'},
                                                 {u'і', u'i'},
                                                 {u'ј', u'j'},
                                                 {u'ѕ', u's'},
                                                 {u'ԁ', u'd'},
                                                 // Greek capitals, and omicron.
                                                 {u'Α', u'A'},
                                                 {u'Β', u'B'},
                                                 {u'Ε', u'E'},
                                                 {u'Ζ', u'Z'},
                                                 {u'Η', u'H'},
                                                 {u'Ι', u'I'},
                                                 {u'Κ', u'K'},
                                                 {u'Μ', u'M'},
                                                 {u'Ν', u'N'},
                                                 {u'Ο', u'O'},
                                                 {u'Ρ', u'P'},
                                                 {u'Τ', u'T'},
                                                 {u'Υ', u'Y'},
                                                 {u'Χ', u'X'},
                                                 {u'ο', u'o'}};

// A symbol as typed, with each look-alike letter read as the Latin letter it looks like.
QString AsLatinLetters(QString symbol) {
    for (QChar& c : symbol)
        c = QChar(kLatinLookAlikes.value(c.unicode(), c.unicode()));
    return symbol;
}

// Whether the folded answer `typed` in proper case equals the folded name `expected`.
bool NameMatches(const ClassLanguage& language, const QString& typed, const QString& expected) {
    // By the rule of the class's language, or by the ordinary one: a Turkish desk's rule makes
    // "ZINC" "Zınc", which an English table does not hold.
    for (CaseRule rule : {language.ProperCaseRule(), CaseRule::Ordinary}) {
        if (TextEquals(ProperCase(typed, rule).normalized(QString::NormalizationForm_C), expected))
            return true;
    }
    const QString named = language.ProperCase(typed).normalized(QString::NormalizationForm_C);
    const bool inCapitals =
        std::none_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.isLower(); });
    return language.CapitalsDropAccents() && inCapitals &&
           TextEquals(WithoutTonos(named), WithoutTonos(expected));
}
} // namespace

bool AnswerMatches(const ClassLanguage& language, QuizMode mode, const QString& answer,
                   const QString& reference) {
    const QString typed =
        WithoutWidthForms(answer).trimmed().normalized(QString::NormalizationForm_C);
    const QString expected = reference.normalized(QString::NormalizationForm_C);
    if (mode == QuizMode::GuessSymbol)
        return TextEquals(AsLatinLetters(typed), expected);
    // The answer as typed, and in the names' script; the name alone, and with its article.
    const QStringList answers{language.Folded(typed),
                              language.Folded(language.InNamesScript(typed))};
    const QStringList names{language.Folded(expected),
                            language.Folded(language.Article() + expected)};
    return std::any_of(answers.cbegin(), answers.cend(), [&](const QString& reading) {
        return std::any_of(names.cbegin(), names.cend(), [&](const QString& name) {
            return NameMatches(language, reading, name);
        });
    });
}

AnswerCheck::AnswerCheck(ElementDraw& draw, ControlAccess& controls, RuntimeServices& runtime,
                         const ClassLanguage& language)
    : draw_(draw)
    , controls_(controls)
    , runtime_(runtime)
    , language_(language) {}

void AnswerCheck::Check() {
    // Before the first element there is nothing to judge (an empty answer would match the empty
    // record box): draw the first element instead.
    if (controls_.GetText(Box::txtAtomicNumber).isEmpty()) {
        draw_.Spin();
        return;
    }
    if (controls_.IsSelected(Option::optSymbol)) {
        Judge(AnswerMatches(language_, QuizMode::GuessSymbol, controls_.GetText(Box::txtAnswer),
                            controls_.GetText(Box::txtSymbol)));
    }
    if (controls_.IsSelected(Option::optName)) {
        // The user sees the converted answer while the message is up; it is judged as typed,
        // since proper case is not all of the rule (Greek capitals lack their tonos).
        const QString answer = controls_.GetText(Box::txtAnswer);
        controls_.SetText(Box::txtAnswer, language_.ProperCase(answer));
        // The name shown, or any form the class's language accepts for the element shown.
        QStringList names =
            language_.Names().Accepted(controls_.GetText(Box::txtAtomicNumber).toInt());
        names.prepend(controls_.GetText(Box::txtElement));
        Judge(std::any_of(names.cbegin(), names.cend(), [&](const QString& name) {
            return AnswerMatches(language_, QuizMode::GuessName, answer, name);
        }));
    }
}

void AnswerCheck::Judge(bool right) {
    if (right) {
        if (runtime_.MsgBox(tr("Your my hero")) == RuntimeServices::kOk)
            draw_.Spin();
    } else {
        runtime_.MsgBox(tr("Try Again"));
        controls_.SetText(Box::txtAnswer, QString());
    }
}
