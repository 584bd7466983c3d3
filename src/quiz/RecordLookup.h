// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the draw hands the drawn number to: looks up the element whose atomic number waits in the
// quiz state and shows its record (the element table's lookup, data/ElementLookup).
class RecordLookup {
public:
    virtual ~RecordLookup() = default;
    virtual void GetRecord() = 0;
};
