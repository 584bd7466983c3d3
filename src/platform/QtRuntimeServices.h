// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomGenerator.h"
#include "RuntimeServices.h"

class QWidget;

// The runtime services of the running program: Qt message boxes and the Qt event loop.
class QtRuntimeServices final : public RuntimeServices {
public:
    // Message boxes are modal to `parent` (may be null until the window exists).
    void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }

    void Randomize() override { generator_.Reseed(); }
    float NextRandom() override { return generator_.Next(); }
    int MsgBox(const QString& text) override;
    void ShowError(const QString& message) override;
    void EndProgram(int exitStatus) override;

private:
    RandomGenerator generator_;
    QWidget* dialogParent_ = nullptr;
};
