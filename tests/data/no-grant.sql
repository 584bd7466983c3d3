-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- PostgreSQL: the quiz's role may read the view elements, but not the table beneath it, which
-- the view reads with the reader's rights.
alter table elements rename to element_rows;
create view elements with (security_invoker = true) as select * from element_rows;
