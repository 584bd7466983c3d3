-- PostgreSQL: a table whose every read takes a minute.
alter table elements rename to slow;
create view elements as select slow.* from slow, pg_sleep(60);
