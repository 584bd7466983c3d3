-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- PostgreSQL: a table whose every read is cancelled as an administrator's pg_cancel_backend
-- cancels it.
alter table elements rename to element_rows;
create view elements as select * from element_rows where pg_cancel_backend(pg_backend_pid());
