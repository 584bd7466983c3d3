// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ElementNames.h"
#include "platform/TextOperations.h"

#include <QLocale>
#include <QString>

// The language of the class: the element names its schools write, the notation of its masses and
// how an answer in it is judged. Every part of the quiz that depends on the language takes it
// from one of these, made once at start.
class ClassLanguage {
public:
    // A conversion of text that a language's rule applies.
    using TextMap = QString (*)(const QString&);

    // `code` as the names are filed under it ("de", "pt_BR", "en_US"); nothing for English.
    explicit ClassLanguage(const QString& code = {});

    const QString& Code() const { return names_.Language(); }
    const ElementNames& Names() const { return names_; }
    const QString& DecimalPoint() const { return decimalPoint_; }

    // The text in proper case by the language's own rule.
    QString ProperCase(const QString& text) const { return ::ProperCase(text, caseRule_); }
    // The language's own rule of proper case (Dutch IJ, Turkish dotted i, Georgian capitals), or
    // the ordinary one.
    CaseRule ProperCaseRule() const { return caseRule_; }
    // Greek writes capitals without their tonos: a name typed in capitals is right without it.
    bool CapitalsDropAccents() const { return capitalsDropAccents_; }
    // The text without the differences of spelling the language's answers may show and names
    // never tell apart (Catalan's l·l however typed, Arabic's hamza seats and vowel marks,
    // Japanese hiragana for katakana), for the answer and the names alike.
    QString Folded(const QString& text) const { return fold_ ? fold_(text) : text; }
    // What a name may be written with before it, as right as the name alone (Arabic's article
    // ال), or nothing.
    const QString& Article() const { return article_; }
    // The typed text in the names' script where the language writes in two (Serbian Latin as
    // Cyrillic); else as it is.
    QString InNamesScript(const QString& text) const {
        return fromSecondScript_ ? fromSecondScript_(text) : text;
    }

private:
    ElementNames names_;
    QString decimalPoint_;
    CaseRule caseRule_ = CaseRule::Ordinary;
    bool capitalsDropAccents_ = false;
    TextMap fold_ = nullptr;
    QString article_;
    TextMap fromSecondScript_ = nullptr;
};
