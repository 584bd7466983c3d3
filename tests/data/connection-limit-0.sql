-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- PostgreSQL: a database that admits no one but a superuser.
do $$ begin execute format('alter database %I connection limit 0', current_database()); end $$;
