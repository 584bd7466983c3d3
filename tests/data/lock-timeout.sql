-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- PostgreSQL: the quiz's queries wait for a lock at most 100 ms, and the server speaks Russian to
-- it, whose words for a lock timeout begin with those for a statement timeout.
do $$ begin
    execute format('alter role quiz in database %I set lock_timeout = ''100ms''',
                   current_database());
    execute format('alter role quiz in database %I set lc_messages = ''ru_RU.UTF-8''',
                   current_database());
end $$;
