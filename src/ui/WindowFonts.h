// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The window's faces: MS Sans Serif at the given size for every control, and a bold italic
// face for the signature. MS Sans Serif has only bitmaps, drawn right at a display scale of 1
// alone; at any other scale its outline successor Tahoma takes its place.
QFont WindowFont(qreal pointSize, qreal devicePixelRatio);
QFont SignatureFont();
