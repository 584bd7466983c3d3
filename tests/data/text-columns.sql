-- The element table as the sqlite3 shell imports a spreadsheet saved as CSV: every column text.
create table t (AtomicNumber text, AtomicSymbol text, ElementName text, AtomicMass text);
insert into t select * from elements;
drop table elements;
alter table t rename to elements;
