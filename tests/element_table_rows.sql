-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- The shipped element table, as the sqlite3 shell loads it: 118 rows, symbols unique and written
-- as one capital and at most two small letters, masses a plain decimal or a mass number in
-- brackets. Prints a line for each fault, nothing when there is none.
select 'rows: ' || count(*) from elements having count(*) <> 118;
select 'symbol used twice: ' || AtomicSymbol from elements group by AtomicSymbol
having count(*) > 1;
select 'symbol of ' || AtomicNumber || ': "' || AtomicSymbol || '"' from elements
 where AtomicSymbol not glob '[A-Z]' and AtomicSymbol not glob '[A-Z][a-z]'
   and AtomicSymbol not glob '[A-Z][a-z][a-z]';
select 'mass of ' || AtomicNumber || ': "' || AtomicMass || '"' from elements
 where not (AtomicMass glob '[0-9]*.[0-9]*' and AtomicMass not glob '*[^0-9.]*'
            and AtomicMass not glob '*.*.*' and AtomicMass not glob '*.')
   and not (AtomicMass glob '[[][0-9]*]' and substr(AtomicMass, 2, length(AtomicMass) - 2)
            not glob '*[^0-9]*');
