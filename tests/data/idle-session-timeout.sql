-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- PostgreSQL: the quiz's role may stay idle on this database for three seconds at most.
do $$ begin
    execute format('alter role quiz in database %I set idle_session_timeout = ''3s''',
                   current_database());
end $$;
