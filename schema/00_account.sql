-- The fixed account the program connects with. It reads and changes rows of
-- the program's tables and nothing else: tables are created and dropped by the
-- server's administrator. Earlier, wider grants are taken back first.
CREATE USER IF NOT EXISTS 'twbusiness'@'localhost' IDENTIFIED BY 'kpvr5820';
CREATE USER IF NOT EXISTS 'twbusiness'@'127.0.0.1' IDENTIFIED BY 'kpvr5820';
CREATE USER IF NOT EXISTS 'twbusiness'@'%' IDENTIFIED BY 'kpvr5820';
REVOKE ALL PRIVILEGES, GRANT OPTION FROM 'twbusiness'@'localhost', 'twbusiness'@'127.0.0.1', 'twbusiness'@'%';
GRANT SELECT, INSERT, UPDATE, DELETE ON businesslog.* TO 'twbusiness'@'localhost';
GRANT SELECT, INSERT, UPDATE, DELETE ON businesslog.* TO 'twbusiness'@'127.0.0.1';
GRANT SELECT, INSERT, UPDATE, DELETE ON businesslog.* TO 'twbusiness'@'%';
