-- The installed schema of the school database didododederaz.
--
-- Load it into an empty, already selected database (no CREATE DATABASE or USE
-- here). The file is UTF-8 and is sent over a gbk connection, so every text in
-- it must exist in GBK. Statements end with a semicolon and none appears
-- anywhere else, so a simple statement splitter can load the file.
--
-- The application writes every value as a quoted text literal and compares
-- numbers with "+0", so values live in text columns. Columns that some insert
-- leaves out carry a default, so that strict mode accepts those inserts.
-- Every table has a primary key (row-based replication and Galera need one).

-- Login accounts. User is the full name of a staff member of 教员表.
-- PassWord is SHA1(CONCAT(UPPER(name),':',UPPER(password))) over the GBK bytes.
-- Level is "1111", "1110", "1100", "1000", "100" or "0". GradeID, Class and
-- ClassID are teaching lists, each item between two '<' and the items joined
-- by ',' (grades 3 and 4 read "<3<,<4<"). Online is '1' while logged in.
CREATE TABLE `users` (
  `ID` INT NOT NULL AUTO_INCREMENT,
  `User` VARCHAR(30) NOT NULL,
  `PassWord` VARCHAR(40) NOT NULL DEFAULT '',
  `Level` VARCHAR(10) NOT NULL DEFAULT '0',
  `Office` VARCHAR(50) NOT NULL DEFAULT '',
  `GradeID` VARCHAR(255) NOT NULL DEFAULT '',
  `Class` VARCHAR(1000) NOT NULL DEFAULT '',
  `ClassID` VARCHAR(255) NOT NULL DEFAULT '',
  `ClassTutor` VARCHAR(40) NOT NULL DEFAULT '',
  `Online` VARCHAR(1) NOT NULL DEFAULT '0',
  `LastIP` VARCHAR(255) NOT NULL DEFAULT '',
  PRIMARY KEY (`ID`),
  UNIQUE KEY `User` (`User`)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

-- The school's offices and teaching groups. hiddenmenu names the top-level
-- menus hidden from members, joined by '|' (for example "工资管理|办公管理").
CREATE TABLE `offices` (
  `id` INT NOT NULL AUTO_INCREMENT,
  `name` VARCHAR(50) NOT NULL DEFAULT '',
  `hiddenmenu` VARCHAR(255) NOT NULL DEFAULT '',
  PRIMARY KEY (`id`),
  KEY `name` (`name`)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

-- The operation-log switch: row id 1, record '1' = on, '0' = off.
CREATE TABLE `record` (
  `id` INT NOT NULL,
  `record` VARCHAR(1) NOT NULL DEFAULT '1',
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

INSERT INTO `record` (`id`, `record`) VALUES (1, '1');

-- The operation log: who did what, from which addresses, when.
CREATE TABLE `operatinglist` (
  `id` INT NOT NULL AUTO_INCREMENT,
  `user` VARCHAR(30) NOT NULL DEFAULT '',
  `ip` VARCHAR(255) NOT NULL DEFAULT '',
  `time` DATETIME NULL DEFAULT NULL,
  `operating` TEXT NULL,
  PRIMARY KEY (`id`),
  KEY `time` (`time`)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

-- The version of this schema, shown in the about window (row id 1).
CREATE TABLE `db_version` (
  `id` INT NOT NULL,
  `db_version` VARCHAR(20) NOT NULL DEFAULT '',
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

INSERT INTO `db_version` (`id`, `db_version`) VALUES (1, '1.0');

-- The school's FTP server (row id 1). server, user and password hold the
-- RC4-enciphered bytes of the texts, so they are binary. Empty until set.
CREATE TABLE `ftpserver` (
  `id` INT NOT NULL,
  `server` VARBINARY(255) NOT NULL DEFAULT '',
  `user` VARBINARY(255) NOT NULL DEFAULT '',
  `password` VARBINARY(255) NOT NULL DEFAULT '',
  `port` VARCHAR(10) NOT NULL DEFAULT '21',
  `passive` VARCHAR(4) NOT NULL DEFAULT '1',
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

INSERT INTO `ftpserver` (`id`, `server`, `user`, `password`, `port`, `passive`)
  VALUES (1, '', '', '', '21', '1');

-- Pupils now enrolled. A pupil is found by PersonalCode ('0' until a code is
-- given). The three pupil tables must keep identical columns in identical
-- order: pupils move between them by whole-row copies (insert ... select *).
-- Every value is kept as text, scores included (numeric order uses +0).
-- A row added with few columns (class-division import) gets the values of an
-- enrolled pupil: LeavingDate and LeavingCause '-', no scores, and the
-- report-card items at their reset values (Morality 2, counts 0, Reward 无).
CREATE TABLE `学籍表` (
  `ID` INT NOT NULL AUTO_INCREMENT,
  `PersonalCode` VARCHAR(20) NOT NULL DEFAULT '0',
  `StudentNumber` VARCHAR(30) NOT NULL DEFAULT '',
  `SN` VARCHAR(30) NOT NULL DEFAULT '',
  `IDcardNo` VARCHAR(30) NOT NULL DEFAULT '',
  `name` VARCHAR(30) NOT NULL DEFAULT '',
  `sex` VARCHAR(4) NOT NULL DEFAULT '',
  `nationality` VARCHAR(20) NOT NULL DEFAULT '',
  `birthday` VARCHAR(20) NOT NULL DEFAULT '',
  `EntranceDate` VARCHAR(20) NOT NULL DEFAULT '',
  `Positon` VARCHAR(20) NOT NULL DEFAULT '',
  `HomeAddress` VARCHAR(100) NOT NULL DEFAULT '',
  `Telephone` VARCHAR(30) NOT NULL DEFAULT '',
  `Residence` VARCHAR(50) NOT NULL DEFAULT '',
  `NativePlace` VARCHAR(100) NOT NULL DEFAULT '',
  `ParentA` VARCHAR(10) NOT NULL DEFAULT '',
  `NameOfParentA` VARCHAR(30) NOT NULL DEFAULT '',
  `WorkPlaceOfParentA` VARCHAR(100) NOT NULL DEFAULT '',
  `TelephoneOfParentA` VARCHAR(30) NOT NULL DEFAULT '',
  `ParentB` VARCHAR(10) NOT NULL DEFAULT '',
  `NameOfParentB` VARCHAR(30) NOT NULL DEFAULT '',
  `WorkPlaceOfParentB` VARCHAR(100) NOT NULL DEFAULT '',
  `TelephoneOfParentB` VARCHAR(30) NOT NULL DEFAULT '',
  `class` VARCHAR(40) NOT NULL DEFAULT '',
  `ClassID` VARCHAR(10) NOT NULL DEFAULT '',
  `GradeID` VARCHAR(10) NOT NULL DEFAULT '',
  `TypeOfClass` VARCHAR(20) NOT NULL DEFAULT '',
  `CommentOfThisTerm` VARCHAR(600) NOT NULL DEFAULT '',
  `GeneralComment` TEXT NULL,
  `MidTerm1` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm2` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm3` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm4` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm5` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm6` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm7` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm8` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm9` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm10` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm11` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm12` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm13` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm14` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm15` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm16` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm17` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm18` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm19` VARCHAR(10) NULL DEFAULT NULL,
  `MidTerm20` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd1` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd2` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd3` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd4` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd5` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd6` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd7` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd8` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd9` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd10` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd11` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd12` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd13` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd14` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd15` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd16` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd17` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd18` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd19` VARCHAR(10) NULL DEFAULT NULL,
  `TermEnd20` VARCHAR(10) NULL DEFAULT NULL,
  `Other1` VARCHAR(10) NULL DEFAULT NULL,
  `Other2` VARCHAR(10) NULL DEFAULT NULL,
  `Other3` VARCHAR(10) NULL DEFAULT NULL,
  `Other4` VARCHAR(10) NULL DEFAULT NULL,
  `Other5` VARCHAR(10) NULL DEFAULT NULL,
  `Other6` VARCHAR(10) NULL DEFAULT NULL,
  `Other7` VARCHAR(10) NULL DEFAULT NULL,
  `Other8` VARCHAR(10) NULL DEFAULT NULL,
  `Other9` VARCHAR(10) NULL DEFAULT NULL,
  `Other10` VARCHAR(10) NULL DEFAULT NULL,
  `Other11` VARCHAR(10) NULL DEFAULT NULL,
  `Other12` VARCHAR(10) NULL DEFAULT NULL,
  `Other13` VARCHAR(10) NULL DEFAULT NULL,
  `Other14` VARCHAR(10) NULL DEFAULT NULL,
  `Other15` VARCHAR(10) NULL DEFAULT NULL,
  `Other16` VARCHAR(10) NULL DEFAULT NULL,
  `Other17` VARCHAR(10) NULL DEFAULT NULL,
  `Other18` VARCHAR(10) NULL DEFAULT NULL,
  `Other19` VARCHAR(10) NULL DEFAULT NULL,
  `Other20` VARCHAR(10) NULL DEFAULT NULL,
  `Total` VARCHAR(10) NULL DEFAULT NULL,
  `MidClassPlace` VARCHAR(10) NULL DEFAULT NULL,
  `MidGradePlace` VARCHAR(10) NULL DEFAULT NULL,
  `EndClassPlace` VARCHAR(10) NULL DEFAULT NULL,
  `EndGradePlace` VARCHAR(10) NULL DEFAULT NULL,
  `OtherClassPlace` VARCHAR(10) NULL DEFAULT NULL,
  `OtherGradePlace` VARCHAR(10) NULL DEFAULT NULL,
  `Morality` VARCHAR(4) NOT NULL DEFAULT '2',
  `LateArrival` VARCHAR(6) NOT NULL DEFAULT '0',
  `ClassCutting` VARCHAR(6) NOT NULL DEFAULT '0',
  `PersonalLeave` VARCHAR(6) NOT NULL DEFAULT '0',
  `SickLeave` VARCHAR(6) NOT NULL DEFAULT '0',
  `Reward` VARCHAR(255) NOT NULL DEFAULT '无',
  `LeavingDate` VARCHAR(20) NOT NULL DEFAULT '-',
  `LeavingCause` VARCHAR(50) NOT NULL DEFAULT '-',
  `Photo` MEDIUMBLOB NULL,
  `SpareField` VARCHAR(100) NULL DEFAULT NULL,
  `LeagueMember` VARCHAR(10) NOT NULL DEFAULT '',
  PRIMARY KEY (`ID`),
  KEY `PersonalCode` (`PersonalCode`),
  KEY `class` (`class`, `name`),
  KEY `name` (`name`),
  KEY `Grade` (`GradeID`, `TypeOfClass`),
  KEY `IDcardNo` (`IDcardNo`),
  KEY `LeavingDate` (`LeavingDate`)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

-- Graduates: rows copied whole from 学籍表 (so the same columns in the same
-- order, which "insert into ... select *" relies on), LeavingCause '毕业' and the
-- graduation date in LeavingDate.
CREATE TABLE `毕业表` LIKE `学籍表`;

-- Pupils who left early (transfer, withdrawal ...): rows copied whole from
-- 学籍表 with the date and reason of leaving.
CREATE TABLE `转退表` LIKE `学籍表`;

-- The dates (date text) on which graduations were run. Rows are written as
-- "insert into 毕业时间表 values ('<date>')" and read with select *, so the
-- only visible column is GraduationTime. The invisible id keeps the order in
-- which the rows were added (newest first = order by id desc).
CREATE TABLE `毕业时间表` (
  `GraduationTime` VARCHAR(20) NOT NULL DEFAULT '',
  `id` INT NOT NULL AUTO_INCREMENT INVISIBLE,
  PRIMARY KEY (`id`)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

-- One row per class: name, tutor, category, grade and class numbers, the
-- subject of each score slot and its teacher, the total-score names and the
-- weekly timetable (Week<weekday 1-6><period 1-8>). Class names are unique.
CREATE TABLE `班级表` (
  `Class` VARCHAR(40) NOT NULL,
  `ClassTutor` VARCHAR(30) NOT NULL DEFAULT '',
  `ClassCategories` VARCHAR(10) NOT NULL DEFAULT '通用',
  `TypeOfClass` VARCHAR(20) NOT NULL DEFAULT '无分类',
  `ClassID` VARCHAR(10) NOT NULL DEFAULT '0',
  `GradeID` VARCHAR(10) NOT NULL DEFAULT '0',
  `Subject1` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject2` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject3` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject4` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject5` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject6` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject7` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject8` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject9` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject10` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject11` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject12` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject13` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject14` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject15` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject16` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject17` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject18` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject19` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject20` VARCHAR(20) NOT NULL DEFAULT '',
  `Subject1T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject2T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject3T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject4T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject5T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject6T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject7T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject8T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject9T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject10T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject11T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject12T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject13T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject14T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject15T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject16T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject17T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject18T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject19T` VARCHAR(30) NOT NULL DEFAULT '',
  `Subject20T` VARCHAR(30) NOT NULL DEFAULT '',
  `Total1` VARCHAR(40) NOT NULL DEFAULT '',
  `Total2` VARCHAR(40) NOT NULL DEFAULT '',
  `Total3` VARCHAR(40) NOT NULL DEFAULT '',
  `Total4` VARCHAR(40) NOT NULL DEFAULT '',
  `Total5` VARCHAR(40) NOT NULL DEFAULT '',
  `Total6` VARCHAR(40) NOT NULL DEFAULT '',
  `Total7` VARCHAR(40) NOT NULL DEFAULT '',
  `Total8` VARCHAR(40) NOT NULL DEFAULT '',
  `Total9` VARCHAR(40) NOT NULL DEFAULT '',
  `Total10` VARCHAR(40) NOT NULL DEFAULT '',
  `Week11` VARCHAR(20) NOT NULL DEFAULT '',
  `Week12` VARCHAR(20) NOT NULL DEFAULT '',
  `Week13` VARCHAR(20) NOT NULL DEFAULT '',
  `Week14` VARCHAR(20) NOT NULL DEFAULT '',
  `Week15` VARCHAR(20) NOT NULL DEFAULT '',
  `Week16` VARCHAR(20) NOT NULL DEFAULT '',
  `Week17` VARCHAR(20) NOT NULL DEFAULT '',
  `Week18` VARCHAR(20) NOT NULL DEFAULT '',
  `Week21` VARCHAR(20) NOT NULL DEFAULT '',
  `Week22` VARCHAR(20) NOT NULL DEFAULT '',
  `Week23` VARCHAR(20) NOT NULL DEFAULT '',
  `Week24` VARCHAR(20) NOT NULL DEFAULT '',
  `Week25` VARCHAR(20) NOT NULL DEFAULT '',
  `Week26` VARCHAR(20) NOT NULL DEFAULT '',
  `Week27` VARCHAR(20) NOT NULL DEFAULT '',
  `Week28` VARCHAR(20) NOT NULL DEFAULT '',
  `Week31` VARCHAR(20) NOT NULL DEFAULT '',
  `Week32` VARCHAR(20) NOT NULL DEFAULT '',
  `Week33` VARCHAR(20) NOT NULL DEFAULT '',
  `Week34` VARCHAR(20) NOT NULL DEFAULT '',
  `Week35` VARCHAR(20) NOT NULL DEFAULT '',
  `Week36` VARCHAR(20) NOT NULL DEFAULT '',
  `Week37` VARCHAR(20) NOT NULL DEFAULT '',
  `Week38` VARCHAR(20) NOT NULL DEFAULT '',
  `Week41` VARCHAR(20) NOT NULL DEFAULT '',
  `Week42` VARCHAR(20) NOT NULL DEFAULT '',
  `Week43` VARCHAR(20) NOT NULL DEFAULT '',
  `Week44` VARCHAR(20) NOT NULL DEFAULT '',
  `Week45` VARCHAR(20) NOT NULL DEFAULT '',
  `Week46` VARCHAR(20) NOT NULL DEFAULT '',
  `Week47` VARCHAR(20) NOT NULL DEFAULT '',
  `Week48` VARCHAR(20) NOT NULL DEFAULT '',
  `Week51` VARCHAR(20) NOT NULL DEFAULT '',
  `Week52` VARCHAR(20) NOT NULL DEFAULT '',
  `Week53` VARCHAR(20) NOT NULL DEFAULT '',
  `Week54` VARCHAR(20) NOT NULL DEFAULT '',
  `Week55` VARCHAR(20) NOT NULL DEFAULT '',
  `Week56` VARCHAR(20) NOT NULL DEFAULT '',
  `Week57` VARCHAR(20) NOT NULL DEFAULT '',
  `Week58` VARCHAR(20) NOT NULL DEFAULT '',
  `Week61` VARCHAR(20) NOT NULL DEFAULT '',
  `Week62` VARCHAR(20) NOT NULL DEFAULT '',
  `Week63` VARCHAR(20) NOT NULL DEFAULT '',
  `Week64` VARCHAR(20) NOT NULL DEFAULT '',
  `Week65` VARCHAR(20) NOT NULL DEFAULT '',
  `Week66` VARCHAR(20) NOT NULL DEFAULT '',
  `Week67` VARCHAR(20) NOT NULL DEFAULT '',
  `Week68` VARCHAR(20) NOT NULL DEFAULT '',
  `SpareField` VARCHAR(100) NULL DEFAULT NULL,
  PRIMARY KEY (`Class`),
  KEY `Grade` (`GradeID`, `ClassID`),
  KEY `ClassTutor` (`ClassTutor`)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;



-- Staff in service. ID is the staff number, given from 教员记号表 and kept
-- for life (AUTO_INCREMENT only numbers rows that an import adds by name).
-- The three staff tables must keep identical columns in identical order:
-- members move between them by whole-row copies. Level is what the account
-- synchronisation copies to users ('100': may look, nothing more). Optional
-- fields hold '-' rather than nothing.
CREATE TABLE `教员表` (
  `ID` INT NOT NULL AUTO_INCREMENT,
  `Name` VARCHAR(30) NOT NULL DEFAULT '',
  `Sex` VARCHAR(4) NOT NULL DEFAULT '',
  `Nationality` VARCHAR(20) NOT NULL DEFAULT '',
  `Birthday` VARCHAR(20) NOT NULL DEFAULT '',
  `HighestDegree` VARCHAR(20) NOT NULL DEFAULT '',
  `PoliticalSituation` VARCHAR(20) NOT NULL DEFAULT '-',
  `WorkingTime` VARCHAR(20) NOT NULL DEFAULT '',
  `JoiningTime` VARCHAR(20) NOT NULL DEFAULT '',
  `JobTitle` VARCHAR(20) NOT NULL DEFAULT '-',
  `Office` VARCHAR(50) NOT NULL DEFAULT '-',
  `IDNumber` VARCHAR(30) NOT NULL DEFAULT '-',
  `MobilePhoneNumber` VARCHAR(30) NOT NULL DEFAULT '-',
  `HomeAddress` VARCHAR(100) NOT NULL DEFAULT '-',
  `HomeTelephone` VARCHAR(30) NOT NULL DEFAULT '-',
  `NativePlace` VARCHAR(50) NOT NULL DEFAULT '-',
  `Residence` VARCHAR(100) NOT NULL DEFAULT '-',
  `PersonalResume` TEXT NULL,
  `OtherMaterial` TEXT NULL,
  `LeavingTime` VARCHAR(20) NOT NULL DEFAULT '-',
  `LeavingCause` VARCHAR(100) NOT NULL DEFAULT '-',
  `Photo` MEDIUMBLOB NULL,
  `Level` VARCHAR(10) NOT NULL DEFAULT '100',
  `SpareField` VARCHAR(100) NULL DEFAULT NULL,
  PRIMARY KEY (`ID`),
  KEY `Name` (`Name`)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

-- Retired staff: rows copied whole from 教员表, with LeavingTime and
-- LeavingCause set.
CREATE TABLE `退休表` LIKE `教员表`;

-- Staff transferred away: rows copied whole from 教员表, with LeavingTime
-- and LeavingCause set.
CREATE TABLE `调离表` LIKE `教员表`;

-- The staff-number counter: row ID 1, TeacherNO the last staff number given
-- ('0' before the first member is added).
CREATE TABLE `教员记号表` (
  `ID` INT NOT NULL,
  `TeacherNO` VARCHAR(20) NOT NULL DEFAULT '0',
  PRIMARY KEY (`ID`)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

INSERT INTO `教员记号表` (`ID`, `TeacherNO`) VALUES (1, '0');
