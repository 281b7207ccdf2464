-- The business database shared with the sending service.
CREATE DATABASE IF NOT EXISTS businesslog CHARACTER SET utf8mb4 COLLATE utf8mb4_general_ci;
USE businesslog;

-- Customers of the sending service.
CREATE TABLE IF NOT EXISTS emailuser (
  code     INT NOT NULL AUTO_INCREMENT,
  userid   VARCHAR(20)  NOT NULL,
  userpw   VARCHAR(20)  NOT NULL DEFAULT '',
  username VARCHAR(30)  NOT NULL DEFAULT '',
  restcnt  BIGINT       NOT NULL DEFAULT 0,
  regdate  CHAR(10)     NOT NULL DEFAULT '',
  bigo     VARCHAR(200) NOT NULL DEFAULT '',
  hpno     VARCHAR(15)  NOT NULL DEFAULT '',
  reguser  VARCHAR(20)  NOT NULL DEFAULT '',
  PRIMARY KEY (code),
  UNIQUE KEY uq_emailuser_userid (userid),
  KEY ix_emailuser_username (username)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Top-ups (gubun 1, written by Quotadesk) and uses (gubun 0, written by the sending service).
CREATE TABLE IF NOT EXISTS emaillog (
  idx         INT NOT NULL AUTO_INCREMENT,
  regdate     CHAR(10)     NOT NULL DEFAULT '',
  regtime     CHAR(5)      NOT NULL DEFAULT '',
  gubun       INT          NOT NULL DEFAULT 1,
  inprice     BIGINT       NOT NULL DEFAULT 0,
  appcnt      BIGINT       NOT NULL DEFAULT 0,
  ucode       INT          NOT NULL,
  recuserid   VARCHAR(20)  NOT NULL DEFAULT '',
  recusername VARCHAR(30)  NOT NULL DEFAULT '',
  bigo        VARCHAR(200) NOT NULL DEFAULT '',
  PRIMARY KEY (idx),
  KEY ix_emaillog_history (ucode, regdate, regtime)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Operators (shared with other systems of the business).
CREATE TABLE IF NOT EXISTS `user` (
  `id`        VARCHAR(20) NOT NULL,
  `password`  VARCHAR(50) NOT NULL DEFAULT '',
  `name`      VARCHAR(30) NOT NULL DEFAULT '',
  `level`     SMALLINT    NOT NULL DEFAULT 1,
  jangbu_user TINYINT     NOT NULL DEFAULT 0,
  `hidden`    TINYINT     NOT NULL DEFAULT 0,
  sale_user   TINYINT     NOT NULL DEFAULT 1,
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

-- Workstations admitted to log in, by network adapter address.
CREATE TABLE IF NOT EXISTS user_mac (
  user_id  VARCHAR(20) NOT NULL,
  mac_addr VARCHAR(12) NOT NULL,
  block    TINYINT     NOT NULL DEFAULT 0,
  KEY ix_user_mac_addr (mac_addr)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;
