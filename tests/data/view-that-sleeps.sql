-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- PostgreSQL: a table whose every read takes a minute.
alter table elements rename to slow;
create view elements as select slow.* from slow, pg_sleep(60);
