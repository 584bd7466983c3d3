#pragma once

#include <QFont>

// The window's faces: MS Sans Serif at the given size for every control, and a bold italic
// face for the signature.
QFont WindowFont(qreal pointSize);
QFont SignatureFont();
