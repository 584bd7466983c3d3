// SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLatin1StringView>

// The table of elements the quiz reads, and the columns it relies on. Databases match these
// names without regard to case.
namespace ElementTable {
inline constexpr QLatin1StringView kName{"elements"};
inline constexpr QLatin1StringView kAtomicNumber{"AtomicNumber"};
inline constexpr QLatin1StringView kAtomicSymbol{"AtomicSymbol"};
inline constexpr QLatin1StringView kElementName{"ElementName"};
inline constexpr QLatin1StringView kAtomicMass{"AtomicMass"};

// The query for one element is this text followed by the atomic number's digits.
inline constexpr QLatin1StringView kQueryPrefix{"select * from elements where atomicnumber = "};
} // namespace ElementTable
