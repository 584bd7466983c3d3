// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <QStringView>

class QLineEdit;

// The window's faces: MS Sans Serif at the given size for every control, and a bold italic
// face for the signature. MS Sans Serif has only bitmaps, drawn right at a display scale of 1
// alone, and only for Latin letters: it draws Greek ά as α, ζ as δ, Cyrillic и as Latin u. At
// any other scale, and for text with Greek or Cyrillic letters, its outline successor Tahoma
// takes its place. Scripts neither face has (Chinese) come from the faces fontconfig adds.
// Han characters come from the face of the class's `language`: Japanese forms for Japanese,
// Chinese forms for Chinese.
QFont WindowFont(qreal pointSize, qreal devicePixelRatio, QStringView text = {},
                 const QString& language = {});
// The size of every caption, box text and message.
inline constexpr qreal kWindowPointSize = 8.25;
// The signature's face for `text`, smaller where the face that draws its letters (Arabic's,
// Georgian's) is taller than `height`.
QFont SignatureFont(const QString& text, int height);
// The face of `windowFace`'s size that draws every letter of `text` as itself: `windowFace`
// itself where it does, else the outline face.
QFont FaceFor(const QFont& windowFace, QStringView text);

// Draws the text of `box` whole in it, in `font` where it fits; otherwise in the outline face
// made narrower, and then smaller, just enough to fit.
void FitText(QLineEdit& box, const QFont& font);
