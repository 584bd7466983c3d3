// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class ControlAccess;
class ElementDraw;
class RuntimeServices;

// Judges the answer box against the element on screen: the symbol exactly as stored, the name
// after converting the answer to proper case.
class AnswerCheck {
public:
    static inline const QString kRightMessage = QStringLiteral("Your my hero");
    static inline const QString kWrongMessage = QStringLiteral("Try Again");

    AnswerCheck(ElementDraw& draw, ControlAccess& controls, RuntimeServices& runtime);

    void Check();

private:
    void Judge(const QString& answer, const QString& reference);

    ElementDraw& draw_;
    ControlAccess& controls_;
    RuntimeServices& runtime_;
};
