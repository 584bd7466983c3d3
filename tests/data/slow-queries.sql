-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- PostgreSQL: every query of the table takes 8 s, within the limit of a query, while logging in
-- (slowed by the data source) and the check at start take longer than the start may.
alter table elements rename to element_rows;
create function slow() returns boolean language sql as $$ select pg_sleep(8); select true $$;
create view elements as select * from element_rows where (select slow());
