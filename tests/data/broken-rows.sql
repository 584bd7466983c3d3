-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- Every problem a table's rows can have, without constraints and with a number column of type
-- real: rows missing and doubled, a number not whole, no symbol, no name, a name not in proper
-- case (answers are put in proper case and compared as they stand) and blanks around a symbol or
-- a name, a name whose UTF-8 was read as Windows-1250 ("SĂłd" for "Sód", all letters), and a
-- row without a number. "GA" for gallium is taken as stored, as any symbol is. An empty row, as
-- office programs leave one, is no row.
create table t (AtomicNumber real, AtomicSymbol, ElementName, AtomicMass);
insert into t select * from elements where AtomicNumber not in (5, 7) and AtomicNumber < 40;
insert into t select * from t where AtomicNumber = 27;
update t set AtomicNumber = 30.5 where AtomicNumber = 30;
update t set AtomicSymbol = NULL where AtomicNumber = 8;
update t set ElementName = ' ' where AtomicNumber = 9;
update t set ElementName = 'MANGANESE' where AtomicNumber = 25;
update t set ElementName = 'iron' where AtomicNumber = 26;
update t set AtomicSymbol = 'Ni ' where AtomicNumber = 28;
update t set ElementName = ' Copper' where AtomicNumber = 29;
update t set ElementName = 'SĂłd' where AtomicNumber = 11;
update t set AtomicSymbol = 'GA' where AtomicNumber = 31;
insert into t values (NULL, 'Xx', 'Extra', '1'), ('', NULL, '', ' ');
drop table elements;
alter table t rename to elements;
