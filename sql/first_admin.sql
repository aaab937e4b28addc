-- Creates the first super administrator of a freshly installed school
-- database (after schema.sql). Accounts are bound to staff records, so the
-- administrator also becomes a staff member of 教员表 unless one of that name
-- already exists.
--
-- Usage, in the mariadb or mysql client with didododederaz selected:
--
--   SET @admin_name='张三', @admin_password='secret1';
--   SOURCE sql/first_admin.sql
--
-- The name is the administrator's full name as it will be typed at login.
-- Running it again for an existing account makes that account a super
-- administrator again and gives it the new password (the way back in when
-- every super administrator's password is lost). A missing or empty name or
-- password (spaces only counts as empty) stops the script with an error
-- before anything is written, and every write below checks it once more, so
-- a client that carries on after errors writes nothing either.
--
-- The password is stored as the application checks it: SHA-1 over the GBK
-- bytes of UPPER(name):UPPER(password), whatever character set the client
-- talks.

SET @admin_ok = (REPLACE(REPLACE(IFNULL(@admin_name, ''), ' ', ''), '　', '') <> ''
                 AND REPLACE(REPLACE(IFNULL(@admin_password, ''), ' ', ''), '　', '') <> '');
SET @admin_name_checked = IF(@admin_ok, TRIM(@admin_name), NULL);
SET @admin_check = IF(@admin_ok, 'DO 0',
  'SIGNAL SQLSTATE ''45000'' SET MESSAGE_TEXT = ''请先设置 @admin_name 和 @admin_password（都不能为空）''');
PREPARE admin_check FROM @admin_check;
EXECUTE admin_check;
DEALLOCATE PREPARE admin_check;

-- The rows every installation needs, in case they went missing (system data
-- initialisation empties every table). Present rows are left as they are.
INSERT IGNORE INTO `record` (`id`, `record`) SELECT 1, '1' FROM DUAL WHERE @admin_ok;
INSERT IGNORE INTO `db_version` (`id`, `db_version`) SELECT 1, '1.0' FROM DUAL WHERE @admin_ok;
INSERT IGNORE INTO `ftpserver` (`id`, `server`, `user`, `password`, `port`, `passive`)
  SELECT 1, '', '', '', '21', '1' FROM DUAL WHERE @admin_ok;
INSERT IGNORE INTO `教员记号表` (`ID`, `TeacherNO`) SELECT 1, '0' FROM DUAL WHERE @admin_ok;

-- The staff record, numbered after the last staff number given (or after the
-- highest number in use, should the counter lag behind).
INSERT INTO `教员表` (`ID`, `Name`, `Level`)
SELECT GREATEST(
         IFNULL((SELECT IF(`TeacherNO` + 0 > 0, FLOOR(`TeacherNO` + 0), 0) FROM `教员记号表` WHERE `ID` = 1), 0),
         IFNULL((SELECT MAX(`ID`) FROM `教员表`), 0),
         IFNULL((SELECT MAX(`ID`) FROM `退休表`), 0),
         IFNULL((SELECT MAX(`ID`) FROM `调离表`), 0)) + 1,
       @admin_name_checked, '1111'
FROM DUAL
WHERE @admin_ok AND NOT EXISTS (SELECT 1 FROM `教员表` WHERE `Name` = @admin_name_checked);

-- An existing staff member keeps the record but gets the level, so that the
-- account synchronisation (which copies Level from 教员表) keeps the account
-- a super administrator.
UPDATE `教员表` SET `Level` = '1111' WHERE @admin_ok AND `Name` = @admin_name_checked;

UPDATE `教员记号表`
SET `TeacherNO` = GREATEST(IF(`TeacherNO` + 0 > 0, FLOOR(`TeacherNO` + 0), 0),
                           (SELECT MAX(`ID`) FROM `教员表` WHERE `Name` = @admin_name_checked))
WHERE @admin_ok AND `ID` = 1;

INSERT INTO `users` (`User`, `PassWord`, `Level`, `Office`, `Online`)
SELECT @admin_name_checked,
       SHA1(CONVERT(CONCAT(UPPER(CONVERT(@admin_name_checked USING gbk)), ':',
                           UPPER(CONVERT(@admin_password USING gbk))) USING gbk)),
       '1111',
       IFNULL((SELECT IF(`Office` = '-', '', `Office`) FROM `教员表`
               WHERE `Name` = @admin_name_checked ORDER BY `ID` LIMIT 1), ''),
       '0'
FROM DUAL
WHERE @admin_ok
ON DUPLICATE KEY UPDATE `PassWord` = VALUES(`PassWord`), `Level` = '1111', `Online` = '0';

SELECT `User`, `Level`, `Office` FROM `users` WHERE `User` = @admin_name_checked;
