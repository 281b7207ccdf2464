-- Demo data: two operators, a few hundred customers and their history.
-- Loaded once into a fresh demo database by scripts/demo.
USE businesslog;

INSERT INTO `user` (`id`, `password`, `name`, `level`, jangbu_user, `hidden`, sale_user) VALUES
  ('demo', 'demo1234', '데모 관리자', 0, 0, 0, 1),
  ('clerk', 'clerk1234', '데모 직원', 1, 0, 0, 1);

-- 300 customers with hangul trade names, telephones and balances.
INSERT INTO emailuser (userid, userpw, username, restcnt, regdate, bigo, hpno, reguser)
SELECT CONCAT('cust', LPAD(i, 4, '0')),
       CONCAT('pw', i),
       CONCAT(ELT(1 + i % 10, '가나', '다라', '마바', '사아', '자차', '카타', '파하', '똠방', '한빛', '푸른'),
              ' 상사 ', i),
       (i * 37) % 5000,
       DATE_FORMAT(DATE_SUB('2026-12-01', INTERVAL i DAY), '%Y-%m-%d'),
       IF(i % 7 = 0, '정기 고객', ''),
       CONCAT('010-', LPAD(1000 + i, 4, '0'), '-', LPAD((i * 7919) % 10000, 4, '0')),
       'demo'
FROM (SELECT seq AS i FROM seq_1_to_300) AS n;

-- Top-ups (gubun 1) and uses (gubun 0) over the last months.
INSERT INTO emaillog (regdate, regtime, gubun, inprice, appcnt, ucode, recuserid, recusername, bigo)
SELECT DATE_FORMAT(DATE_SUB('2026-12-06', INTERVAL i % 120 DAY), '%Y-%m-%d'),
       CONCAT(LPAD(8 + i % 11, 2, '0'), ':', LPAD((i * 13) % 60, 2, '0')),
       IF(i % 3 = 0, 1, 0),
       IF(i % 3 = 0, 10000 * (1 + i % 5), 0),
       IF(i % 3 = 0, 1000 * (1 + i % 5), 10 + i % 90),
       1 + i % 300,
       IF(i % 3 = 0, 'demo', ''),
       IF(i % 3 = 0, '데모 관리자', '발송 서비스'),
       ''
FROM (SELECT seq AS i FROM seq_1_to_3000) AS n;
