-- Quotadesk's own record of its top-ups, one row per top-up, written in the
-- same transaction as the top-up's log row and balance. Its key, a random
-- token made when the operator saves, tells afterwards whether a top-up whose
-- answer was lost landed: the program inserts the token again, marked
-- abandoned; a duplicate key means the top-up was saved. The sending service
-- never reads it. Loading this file on an existing database adds the table;
-- the program's account reaches it through its grants on businesslog.
USE businesslog;

CREATE TABLE IF NOT EXISTS topup_request (
  token       CHAR(32)    NOT NULL,
  logidx      INT         NULL,                -- emaillog.idx of the top-up; NULL when abandoned
  ucode       INT         NOT NULL DEFAULT 0,
  appcnt      BIGINT      NOT NULL DEFAULT 0,
  recuserid   VARCHAR(20) NOT NULL DEFAULT '',
  workstation VARCHAR(64) NOT NULL DEFAULT '',
  abandoned   TINYINT     NOT NULL DEFAULT 0,  -- 1: written by the look-up of a top-up that did not land
  created     TIMESTAMP   NOT NULL DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (token)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;
