-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- Czech names in UTF-8, to be read by psql told another character set.
update elements set ElementName = 'Vodík' where AtomicNumber = 1;
update elements set ElementName = 'Uhlík' where AtomicNumber = 6;
update elements set ElementName = 'Železo' where AtomicNumber = 26;
