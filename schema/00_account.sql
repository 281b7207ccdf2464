-- The fixed account the program connects with.
CREATE USER IF NOT EXISTS 'twbusiness'@'localhost' IDENTIFIED BY 'kpvr5820';
CREATE USER IF NOT EXISTS 'twbusiness'@'127.0.0.1' IDENTIFIED BY 'kpvr5820';
CREATE USER IF NOT EXISTS 'twbusiness'@'%' IDENTIFIED BY 'kpvr5820';
GRANT ALL PRIVILEGES ON businesslog.* TO 'twbusiness'@'localhost';
GRANT ALL PRIVILEGES ON businesslog.* TO 'twbusiness'@'127.0.0.1';
GRANT ALL PRIVILEGES ON businesslog.* TO 'twbusiness'@'%';
