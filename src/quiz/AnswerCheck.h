// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

class ControlAccess;
class ElementDraw;
class RuntimeServices;

// Judges the answer box against the element on screen: the symbol exactly as stored, the name
// after converting the answer to proper case.
class AnswerCheck {
    Q_DECLARE_TR_FUNCTIONS(AnswerCheck)

public:
    AnswerCheck(ElementDraw& draw, ControlAccess& controls, RuntimeServices& runtime);

    void Check();

private:
    void Judge(const QString& answer, const QString& reference);

    ElementDraw& draw_;
    ControlAccess& controls_;
    RuntimeServices& runtime_;
};
