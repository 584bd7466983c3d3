-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- Rows beyond 103 whose atomic numbers pass 32 bits, one of them 26 once cut to 32 bits.
insert into elements values (9999999999, 'X', 'B', ''), (4294967322, 'Y', 'W', '');
