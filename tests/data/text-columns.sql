-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- The element table as the sqlite3 shell imports a spreadsheet saved as CSV: every column text.
create table t (AtomicNumber text, AtomicSymbol text, ElementName text, AtomicMass text);
insert into t select * from elements;
drop table elements;
alter table t rename to elements;
