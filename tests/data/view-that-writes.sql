-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- PostgreSQL: a table whose every read writes a row through a function, as the role reading it
-- may: only the server's read-only default stops it.
create table written (at timestamp);
create function write() returns int language sql as
    $$ insert into written values (now()) returning 1 $$;
alter table elements rename to plain;
create view elements as select plain.* from plain where write() = 1;
grant select on plain, written to quiz;
grant insert on written to quiz;
