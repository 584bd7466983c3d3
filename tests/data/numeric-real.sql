-- SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
-- SPDX-License-Identifier: GPL-3.0-or-later
-- PostgreSQL: the atomic number numeric, the mass real, and an atomic number far beyond 103.
alter table elements alter column AtomicNumber type numeric;
alter table elements alter column AtomicMass type real
    using nullif(translate(AtomicMass, '[]', ''), '')::real;
insert into elements values (1e30, 'Xx', 'Big', 1);
