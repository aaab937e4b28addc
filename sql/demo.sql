-- A demo school for didododederaz, loaded after schema.sql into the freshly
-- installed, empty database.
--
-- A complete middle school (初中 and 高中) in the school year 2024-2025:
-- 初中1年级 to 高中3年级 with six classes each (about 1,620 pupils), their
-- subjects, subject teachers, class tutors and timetables, 60 staff members,
-- the school's offices and seven login accounts. All data is made up. It is
-- computed with plain arithmetic (no RAND()), so every load gives the same
-- school. It uses MariaDB's sequence engine (seq_1_to_N tables).
--
-- Demo accounts (every password is 123456):
--
--   name     level  office      notes
--   周志强   1111   教务处      super administrator, teaches 信息技术
--   陈国华   1110   教导处      senior administrator
--   林慧敏   1110   政教处      senior administrator, teaches 高中政治
--   刘静     1100   语文教研组  class tutor of 初中2年级1班, teaches 语文 in 初中2年级1-3班
--   马卫东   1100   总务处      office hides 评测管理
--   赵磊     1000   数学教研组  class tutor of 高中1年级2班, teaches 数学 in 高中1年级1-3班
--   孙丽     1000   理科教研组  teaches 高中生物, no class of her own
--
-- The teaching groups hide the menus 工资管理 and 办公管理.
--
-- Passwords are stored as the application checks them: SHA-1 of the GBK
-- bytes of UPPER(name):UPPER(password). A client that talks UTF-8 must
-- therefore convert to GBK before hashing, as the statements below do.

-- Offices. 教研组长 and 备课组长 are the two the application never deletes.
INSERT INTO offices (name, hiddenmenu) VALUES
  ('校长室', ''),
  ('教务处', ''),
  ('教导处', ''),
  ('政教处', ''),
  ('总务处', '评测管理'),
  ('语文教研组', '工资管理|办公管理'),
  ('数学教研组', '工资管理|办公管理'),
  ('英语教研组', '工资管理|办公管理'),
  ('理科教研组', '工资管理|办公管理'),
  ('文科教研组', '工资管理|办公管理'),
  ('艺体教研组', '工资管理|办公管理'),
  ('教研组长', ''),
  ('备课组长', '');

-- The working tables of this file are temporary and UTF-8 (utf8mb4): a
-- UTF-8 client mixes its text literals freely with them, where mixing them
-- with GBK columns in one expression would be refused. Values are converted
-- to GBK when they are stored in the school's tables.

-- The 36 classes: 初中1-3年级 and 高中1-3年级, six classes each. GradeID and
-- ClassID are the digits of the grade and class names, so 初中1年级 and
-- 高中1年级 share GradeID 1. The senior classes carry a category (1-4班 理本,
-- 5-6班 文本) so that each ranking group (grade + category) holds one school
-- level only. Class sizes vary between 42 and 48.
CREATE TEMPORARY TABLE demo_class (
  Class VARCHAR(40) NOT NULL PRIMARY KEY,
  lvl INT NOT NULL,
  cls INT NOT NULL,
  GradeID INT NOT NULL,
  TypeOfClass VARCHAR(20) NOT NULL,
  k VARCHAR(4) NOT NULL,
  entry_year INT NOT NULL,
  size INT NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

INSERT INTO demo_class
SELECT CONCAT(IF(l.seq <= 3, '初中', '高中'), (l.seq - 1) MOD 3 + 1, '年级', c.seq, '班'),
       l.seq, c.seq, (l.seq - 1) MOD 3 + 1,
       IF(l.seq <= 3, '无分类', IF(c.seq <= 4, '理本', '文本')),
       ELT(l.seq, 'C1', 'C2', 'C3', 'S1', IF(c.seq <= 4, 'SL', 'SW'), IF(c.seq <= 4, 'SL', 'SW')),
       2024 - (l.seq - 1) MOD 3,
       42 + (l.seq * 5 + c.seq * 3) MOD 7
FROM seq_1_to_6 l JOIN seq_1_to_6 c;

-- Subject lists by grade: the subjects with scores first, those without
-- (信息技术, 音乐, 美术, 班会 ...) last. Each list also has a Monday-Friday
-- timetable of seven periods, 35 cells by day then period.
CREATE TEMPORARY TABLE demo_subjects (
  k VARCHAR(4) NOT NULL PRIMARY KEY,
  subjects VARCHAR(400) NOT NULL,
  scored INT NOT NULL,
  week VARCHAR(800) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

INSERT INTO demo_subjects (k, subjects, scored, week) VALUES
  ('C1', '语文,数学,英语,政治,历史,地理,生物,信息技术,体育,音乐,美术,班会,,,,,,,,', 7,
   '语文,语文,数学,英语,音乐,地理,体育,语文,数学,数学,英语,音乐,地理,政治,语文,数学,英语,英语,美术,生物,政治,语文,数学,英语,美术,生物,历史,体育,语文,数学,英语,信息技术,历史,体育,班会'),
  ('C2', '语文,数学,英语,物理,政治,历史,地理,生物,体育,音乐,美术,班会,,,,,,,,', 8,
   '语文,数学,数学,英语,音乐,历史,体育,语文,数学,英语,音乐,地理,体育,物理,语文,数学,英语,美术,地理,政治,物理,语文,数学,英语,美术,生物,政治,物理,语文,数学,英语,生物,历史,体育,班会'),
  ('C3', '语文,数学,英语,物理,化学,政治,历史,体育,班会,,,,,,,,,,,', 8,
   '语文,语文,数学,英语,体育,化学,物理,语文,数学,数学,英语,体育,政治,物理,语文,数学,英语,英语,历史,政治,化学,语文,数学,英语,历史,政治,化学,物理,语文,数学,英语,体育,化学,物理,班会'),
  ('S1', '语文,数学,英语,物理,化学,生物,政治,历史,地理,信息技术,体育,班会,,,,,,,,', 9,
   '语文,数学,英语,地理,生物,化学,物理,语文,数学,英语,地理,政治,体育,物理,语文,数学,英语,信息技术,政治,体育,物理,语文,数学,英语,信息技术,历史,体育,化学,语文,数学,英语,历史,生物,化学,班会'),
  ('SL', '语文,数学,英语,物理,化学,生物,体育,班会,,,,,,,,,,,,', 6,
   '语文,语文,数学,英语,生物,化学,物理,语文,数学,数学,英语,生物,化学,物理,语文,数学,数学,英语,体育,化学,物理,语文,数学,英语,英语,体育,生物,物理,语文,数学,英语,生物,化学,物理,班会'),
  ('SW', '语文,数学,英语,政治,历史,地理,体育,班会,,,,,,,,,,,,', 6,
   '语文,语文,数学,英语,地理,历史,政治,语文,语文,数学,英语,地理,历史,政治,语文,数学,数学,英语,体育,历史,政治,语文,数学,英语,英语,体育,地理,政治,语文,数学,英语,地理,历史,政治,班会');

-- Staff. Numbers 1-36 teach 语文, 数学 and 英语 (six per grade, in grade
-- order: 语文, 数学, 英语 for 1-3班, then for 4-6班), 37-56 the other
-- subjects, 57-60 do not teach. Level is the account level of the seven
-- account holders (the account synchronisation copies it to users) and '100'
-- for everybody else.
CREATE TEMPORARY TABLE demo_staff (
  id INT NOT NULL PRIMARY KEY,
  name VARCHAR(30) NOT NULL,
  sex VARCHAR(4) NOT NULL,
  nation VARCHAR(20) NOT NULL,
  birth DATE NOT NULL,
  degree VARCHAR(20) NOT NULL,
  party VARCHAR(20) NOT NULL,
  start_year INT NOT NULL,
  join_year INT NOT NULL,
  title VARCHAR(20) NOT NULL,
  office VARCHAR(50) NOT NULL,
  level VARCHAR(10) NOT NULL,
  college VARCHAR(50) NOT NULL,
  idbase VARCHAR(17) NOT NULL DEFAULT ''
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

INSERT INTO demo_staff (id, name, sex, nation, birth, degree, party, start_year, join_year, title, office, level, college) VALUES
  (1, '郑丽华', '女', '汉族', '1975-03-12', '大学', '共产党员', 1997, 2003, '中教高级', '语文教研组', '100', '浙江师范大学中文系'),
  (2, '何建明', '男', '汉族', '1979-11-02', '大学', '群众', 2001, 2001, '中教高级', '数学教研组', '100', '杭州师范大学数学系'),
  (3, '许晓婷', '女', '汉族', '1990-06-18', '大学', '群众', 2012, 2012, '中教一级', '英语教研组', '100', '浙江师范大学外国语学院'),
  (4, '冯雪梅', '女', '汉族', '1983-01-25', '大学', '共产党员', 2005, 2009, '中教一级', '语文教研组', '100', '宁波大学中文系'),
  (5, '罗志刚', '男', '汉族', '1986-09-09', '大学', '群众', 2008, 2008, '中教一级', '备课组长', '100', '温州大学数学系'),
  (6, '谢婷婷', '女', '汉族', '1994-04-30', '硕士', '共产党员', 2019, 2019, '中教二级', '英语教研组', '100', '华东师范大学外语学院'),
  (7, '刘静', '女', '汉族', '1985-07-14', '大学', '共产党员', 2007, 2010, '中教一级', '语文教研组', '1100', '浙江师范大学中文系'),
  (8, '胡文斌', '男', '汉族', '1977-12-03', '大学', '共产党员', 1999, 2004, '中教高级', '数学教研组', '100', '浙江师范大学数学系'),
  (9, '高燕', '女', '汉族', '1988-02-21', '大学', '群众', 2010, 2010, '中教一级', '英语教研组', '100', '杭州师范大学外国语学院'),
  (10, '宋玉兰', '女', '汉族', '1972-10-08', '大专', '共产党员', 1993, 1998, '中教高级', '语文教研组', '100', '金华师范专科学校中文科'),
  (11, '唐海涛', '男', '汉族', '1992-05-27', '大学', '群众', 2014, 2014, '中教二级', '数学教研组', '100', '湖州师范学院数学系'),
  (12, '韩雪', '女', '汉族', '1996-12-12', '大学', '共青团员', 2018, 2018, '中教二级', '英语教研组', '100', '绍兴文理学院外国语学院'),
  (13, '曹建平', '男', '汉族', '1970-08-19', '大学', '共产党员', 1992, 1996, '中教高级', '教研组长', '100', '浙江师范大学中文系'),
  (14, '彭立新', '男', '汉族', '1981-03-06', '大学', '群众', 2003, 2003, '中教一级', '数学教研组', '100', '浙江师范大学数学系'),
  (15, '曾小红', '女', '汉族', '1984-11-15', '大学', '共产党员', 2006, 2012, '中教一级', '英语教研组', '100', '宁波大学外语学院'),
  (16, '董淑芬', '女', '汉族', '1976-05-22', '大学', '群众', 1998, 1998, '中教高级', '语文教研组', '100', '杭州师范大学中文系'),
  (17, '袁明', '男', '汉族', '1989-09-01', '硕士', '共产党员', 2014, 2014, '中教一级', '数学教研组', '100', '浙江大学数学系'),
  (18, '蒋佳怡', '女', '汉族', '1995-01-19', '大学', '共青团员', 2017, 2017, '中教二级', '英语教研组', '100', '浙江师范大学外国语学院'),
  (19, '潘文静', '女', '汉族', '1982-04-04', '大学', '共产党员', 2004, 2004, '中教一级', '语文教研组', '100', '浙江师范大学中文系'),
  (20, '赵磊', '男', '汉族', '1987-10-10', '大学', '群众', 2009, 2013, '中教一级', '数学教研组', '1000', '温州大学数学系'),
  (21, '杜娟', '女', '汉族', '1991-07-07', '大学', '群众', 2013, 2013, '中教二级', '英语教研组', '100', '湖州师范学院外国语学院'),
  (22, '叶国庆', '男', '汉族', '1969-10-01', '大学', '共产党员', 1991, 1995, '中教高级', '语文教研组', '100', '浙江师范大学中文系'),
  (23, '程伟', '男', '汉族', '1984-06-16', '硕士', '共产党员', 2009, 2009, '中教一级', '数学教研组', '100', '华东师范大学数学系'),
  (24, '魏晓丽', '女', '汉族', '1980-02-28', '大学', '群众', 2002, 2006, '中教高级', '英语教研组', '100', '浙江师范大学外国语学院'),
  (25, '苏红梅', '女', '汉族', '1978-09-13', '大学', '共产党员', 2000, 2000, '中教高级', '语文教研组', '100', '杭州师范大学中文系'),
  (26, '吕建军', '男', '汉族', '1974-05-05', '大学', '共产党员', 1996, 2001, '中教高级', '数学教研组', '100', '浙江师范大学数学系'),
  (27, '丁玲', '女', '汉族', '1993-03-17', '硕士', '群众', 2018, 2018, '中教二级', '英语教研组', '100', '宁波大学外语学院'),
  (28, '沈秋云', '女', '汉族', '1987-08-29', '大学', '群众', 2009, 2009, '中教一级', '语文教研组', '100', '绍兴文理学院中文系'),
  (29, '任志勇', '男', '汉族', '1990-11-20', '大学', '共产党员', 2012, 2016, '中教一级', '数学教研组', '100', '浙江师范大学数学系'),
  (30, '姚丽娟', '女', '汉族', '1983-12-09', '大学', '群众', 2005, 2005, '中教一级', '英语教研组', '100', '浙江师范大学外国语学院'),
  (31, '卢振华', '男', '汉族', '1971-06-06', '大学', '共产党员', 1993, 1993, '中教高级', '语文教研组', '100', '浙江师范大学中文系'),
  (32, '钟新民', '男', '汉族', '1973-04-18', '大学', '共产党员', 1995, 2002, '中教高级', '数学教研组', '100', '杭州大学数学系'),
  (33, '姜美玲', '女', '汉族', '1982-08-08', '大学', '群众', 2004, 2004, '中教一级', '英语教研组', '100', '浙江师范大学外国语学院'),
  (34, '崔文娟', '女', '汉族', '1986-01-30', '大学', '共产党员', 2008, 2008, '中教一级', '语文教研组', '100', '宁波大学中文系'),
  (35, '谭永辉', '男', '汉族', '1979-07-24', '大学', '群众', 2001, 2007, '中教高级', '数学教研组', '100', '温州大学数学系'),
  (36, '陆晓燕', '女', '汉族', '1989-05-11', '大学', '共产党员', 2011, 2011, '中教一级', '英语教研组', '100', '杭州师范大学外国语学院'),
  (37, '汪海军', '男', '汉族', '1980-09-16', '大学', '群众', 2002, 2002, '中教一级', '理科教研组', '100', '浙江师范大学物理系'),
  (38, '范立强', '男', '汉族', '1976-03-03', '大学', '共产党员', 1998, 2003, '中教高级', '理科教研组', '100', '浙江师范大学物理系'),
  (39, '金鹏', '男', '汉族', '1991-10-26', '硕士', '群众', 2016, 2016, '中教二级', '理科教研组', '100', '浙江大学物理学系'),
  (40, '石建华', '男', '汉族', '1972-12-22', '大学', '共产党员', 1994, 1994, '中教高级', '理科教研组', '100', '杭州大学物理系'),
  (41, '廖春燕', '女', '汉族', '1985-04-12', '大学', '群众', 2007, 2007, '中教一级', '理科教研组', '100', '浙江师范大学化学系'),
  (42, '邹红', '女', '汉族', '1988-11-08', '大学', '共产党员', 2010, 2010, '中教一级', '理科教研组', '100', '宁波大学化学系'),
  (43, '熊卫国', '男', '汉族', '1975-01-15', '大学', '共产党员', 1997, 2000, '中教高级', '理科教研组', '100', '浙江师范大学化学系'),
  (44, '孟晓梅', '女', '汉族', '1990-02-14', '大学', '群众', 2012, 2012, '中教二级', '理科教研组', '100', '湖州师范学院生物系'),
  (45, '孙丽', '女', '汉族', '1984-09-27', '硕士', '共产党员', 2009, 2009, '中教一级', '理科教研组', '1000', '浙江师范大学生命科学学院'),
  (46, '秦玉珍', '女', '汉族', '1974-07-03', '大学', '共产党员', 1996, 1996, '中教高级', '文科教研组', '100', '浙江师范大学政治系'),
  (47, '林慧敏', '女', '汉族', '1977-10-20', '硕士', '共产党员', 1999, 2005, '中教高级', '政教处', '1110', '华东师范大学政治系'),
  (48, '邱德明', '男', '汉族', '1971-02-11', '大学', '群众', 1993, 1993, '中教高级', '文科教研组', '100', '浙江师范大学历史系'),
  (49, '贺兰英', '女', '汉族', '1986-06-02', '大学', '群众', 2008, 2011, '中教一级', '文科教研组', '100', '杭州师范大学历史系'),
  (50, '龙海燕', '女', '汉族', '1992-08-15', '大学', '共青团员', 2014, 2014, '中教二级', '文科教研组', '100', '浙江师范大学地理系'),
  (51, '万志华', '男', '汉族', '1982-05-19', '大学', '共产党员', 2004, 2004, '中教一级', '文科教研组', '100', '浙江师范大学地理系'),
  (52, '段刚', '男', '汉族', '1987-03-23', '大学', '群众', 2009, 2009, '中教一级', '艺体教研组', '100', '浙江师范大学体育学院'),
  (53, '雷鸣', '男', '畲族', '1993-09-05', '大学', '共青团员', 2015, 2015, '中教二级', '艺体教研组', '100', '杭州师范大学体育学院'),
  (54, '侯丽萍', '女', '汉族', '1989-12-01', '大学', '群众', 2011, 2011, '中教一级', '艺体教研组', '100', '浙江师范大学音乐学院'),
  (55, '邵晓峰', '男', '汉族', '1985-10-10', '大学', '群众', 2007, 2007, '中教一级', '艺体教研组', '100', '中国美术学院'),
  (56, '周志强', '男', '汉族', '1978-04-08', '大学', '共产党员', 2000, 2000, '中教高级', '教务处', '1111', '浙江师范大学计算机系'),
  (57, '王建国', '男', '汉族', '1966-05-01', '大学', '共产党员', 1987, 2008, '中教高级', '校长室', '100', '杭州大学物理系'),
  (58, '陈国华', '男', '汉族', '1970-11-11', '大学', '共产党员', 1992, 1999, '中教高级', '教导处', '1110', '杭州大学中文系'),
  (59, '马卫东', '男', '回族', '1973-08-16', '大专', '共产党员', 1994, 2001, '中教一级', '总务处', '1100', '金华师范专科学校'),
  (60, '黄秀英', '女', '汉族', '1981-03-30', '大专', '群众', 2002, 2002, '未定级', '总务处', '100', '浙江财经学院会计专业');

UPDATE demo_staff SET idbase = CONCAT(ELT(id MOD 4 + 1, '330702', '330703', '330782', '330723'),
  DATE_FORMAT(birth, '%Y%m%d'), LPAD(((id * 37) MOD 499) * 2 + IF(sex = '男', 1, 0), 3, '0'));

INSERT INTO 教员表 (ID, Name, Sex, Nationality, Birthday, HighestDegree, PoliticalSituation,
  WorkingTime, JoiningTime, JobTitle, Office, IDNumber, MobilePhoneNumber, HomeAddress,
  HomeTelephone, NativePlace, Residence, PersonalResume, OtherMaterial, LeavingTime,
  LeavingCause, Level)
SELECT id, name, sex, nation,
  CONCAT(YEAR(birth), '年', MONTH(birth), '月', DAY(birth), '日'),
  degree, party,
  CONCAT(start_year, '年8月1日'),
  CONCAT(join_year, '年8月', 20 + id MOD 8, '日'),
  title, office,
  CONCAT(idbase, SUBSTRING('10X98765432', MOD(SUBSTRING(idbase,1,1)*7 + SUBSTRING(idbase,2,1)*9 + SUBSTRING(idbase,3,1)*10 + SUBSTRING(idbase,4,1)*5 + SUBSTRING(idbase,5,1)*8 + SUBSTRING(idbase,6,1)*4 + SUBSTRING(idbase,7,1)*2 + SUBSTRING(idbase,8,1)*1 + SUBSTRING(idbase,9,1)*6 + SUBSTRING(idbase,10,1)*3 + SUBSTRING(idbase,11,1)*7 + SUBSTRING(idbase,12,1)*9 + SUBSTRING(idbase,13,1)*10 + SUBSTRING(idbase,14,1)*5 + SUBSTRING(idbase,15,1)*8 + SUBSTRING(idbase,16,1)*4 + SUBSTRING(idbase,17,1)*2, 11) + 1, 1)),
  CONCAT(ELT(id MOD 8 + 1, '135', '136', '137', '138', '139', '158', '159', '186'),
         LPAD((id * 7368787) MOD 100000000, 8, '0')),
  CONCAT(ELT(id MOD 4 + 1, '金华市婺城区', '金华市金东区', '义乌市', '武义县'),
         ELT(id MOD 6 + 1, '江南花园', '金都美地', '湖海塘小区', '御园小区', '丽州花园', '东方明珠小区'), id MOD 18 + 1, '幢', id MOD 3 + 1, '单元', 100 * (id MOD 6 + 1) + id MOD 4 + 1, '室'),
  IF(id MOD 3 = 0, '-', CONCAT('0579-8', 2000000 + (id * 7919) MOD 8000000)),
  ELT(id MOD 7 + 1, '浙江金华', '浙江兰溪', '浙江东阳', '浙江永康', '浙江义乌', '浙江衢州', '江西上饶'),
  CONCAT('浙江省', ELT(id MOD 4 + 1, '金华市婺城区', '金华市金东区', '义乌市', '武义县')),
  CONCAT(YEAR(birth) + 18, '年9月至', start_year, '年7月  ', college, '学习\r\n',
         start_year, '年8月起  ', IF(join_year > start_year,
           CONCAT('在', ELT(id MOD 4 + 1, '汤溪中学', '孝顺中学', '佛堂中学', '履坦中学'), '工作\r\n', join_year, '年8月起  调入本校工作'),
           '在本校工作')),
  '-', '-', '-', level
FROM demo_staff ORDER BY id;

-- The counter holds the last staff number given.
UPDATE 教员记号表 SET TeacherNO = (SELECT MAX(ID) FROM 教员表) WHERE ID = 1;

-- Each class is tutored by one of its own 语文, 数学 or 英语 teachers (staff
-- numbers 1-36 teach those, six per grade: 1-3班 and 4-6班 each have one
-- teacher per subject, and teacher (grade-1)*6+n tutors class n).
INSERT INTO 班级表 (Class, ClassTutor, ClassCategories, TypeOfClass, ClassID, GradeID)
SELECT c.Class, t.Name, '通用', c.TypeOfClass, c.cls, c.GradeID
FROM demo_class c JOIN 教员表 t ON t.ID = (c.lvl - 1) * 6 + c.cls
ORDER BY c.lvl, c.cls;

UPDATE 班级表 b JOIN demo_class c ON c.Class = b.Class JOIN demo_subjects s ON s.k = c.k SET
  Subject1 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 1), ',', -1),
  Subject2 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 2), ',', -1),
  Subject3 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 3), ',', -1),
  Subject4 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 4), ',', -1),
  Subject5 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 5), ',', -1),
  Subject6 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 6), ',', -1),
  Subject7 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 7), ',', -1),
  Subject8 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 8), ',', -1),
  Subject9 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 9), ',', -1),
  Subject10 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 10), ',', -1),
  Subject11 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 11), ',', -1),
  Subject12 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 12), ',', -1),
  Subject13 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 13), ',', -1),
  Subject14 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 14), ',', -1),
  Subject15 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 15), ',', -1),
  Subject16 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 16), ',', -1),
  Subject17 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 17), ',', -1),
  Subject18 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 18), ',', -1),
  Subject19 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 19), ',', -1),
  Subject20 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', 20), ',', -1);

-- Who teaches what: a subject in one grade, in classes 1-3 (half 1), 4-6
-- (half 2) or all classes that have the subject (half 0). 班会 is the tutor's.
CREATE TEMPORARY TABLE demo_teach (
  name VARCHAR(30) NOT NULL,
  lvl INT NOT NULL,
  half INT NOT NULL,
  subject VARCHAR(20) NOT NULL
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

INSERT INTO demo_teach
SELECT name, (id - 1) DIV 6 + 1, ((id - 1) MOD 6) DIV 3 + 1, ELT((id - 1) MOD 3 + 1, '语文', '数学', '英语')
FROM demo_staff WHERE id <= 36;

INSERT INTO demo_teach (name, lvl, half, subject) VALUES
  ('汪海军', 2, 0, '物理'), ('范立强', 3, 0, '物理'), ('金鹏', 4, 0, '物理'),
  ('石建华', 5, 0, '物理'), ('石建华', 6, 0, '物理'),
  ('廖春燕', 3, 0, '化学'), ('邹红', 4, 0, '化学'), ('熊卫国', 5, 0, '化学'), ('熊卫国', 6, 0, '化学'),
  ('孟晓梅', 1, 0, '生物'), ('孟晓梅', 2, 0, '生物'),
  ('孙丽', 4, 0, '生物'), ('孙丽', 5, 0, '生物'), ('孙丽', 6, 0, '生物'),
  ('秦玉珍', 1, 0, '政治'), ('秦玉珍', 2, 0, '政治'), ('秦玉珍', 3, 0, '政治'),
  ('林慧敏', 4, 0, '政治'), ('林慧敏', 5, 0, '政治'), ('林慧敏', 6, 0, '政治'),
  ('邱德明', 1, 0, '历史'), ('邱德明', 2, 0, '历史'), ('邱德明', 3, 0, '历史'),
  ('贺兰英', 4, 0, '历史'), ('贺兰英', 5, 0, '历史'), ('贺兰英', 6, 0, '历史'),
  ('龙海燕', 1, 0, '地理'), ('龙海燕', 2, 0, '地理'),
  ('万志华', 4, 0, '地理'), ('万志华', 5, 0, '地理'), ('万志华', 6, 0, '地理'),
  ('段刚', 1, 0, '体育'), ('段刚', 2, 0, '体育'), ('段刚', 3, 0, '体育'),
  ('雷鸣', 4, 0, '体育'), ('雷鸣', 5, 0, '体育'), ('雷鸣', 6, 0, '体育'),
  ('侯丽萍', 1, 0, '音乐'), ('侯丽萍', 2, 0, '音乐'),
  ('邵晓峰', 1, 0, '美术'), ('邵晓峰', 2, 0, '美术'),
  ('周志强', 1, 0, '信息技术'), ('周志强', 4, 0, '信息技术');

CREATE TEMPORARY TABLE demo_slot (
  Class VARCHAR(40) NOT NULL,
  n INT NOT NULL,
  lvl INT NOT NULL,
  half INT NOT NULL,
  subject VARCHAR(20) NOT NULL,
  teacher VARCHAR(30) NOT NULL DEFAULT '',
  PRIMARY KEY (Class, n)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4;

INSERT INTO demo_slot (Class, n, lvl, half, subject)
SELECT c.Class, n.seq, c.lvl, IF(c.cls <= 3, 1, 2), SUBSTRING_INDEX(SUBSTRING_INDEX(s.subjects, ',', n.seq), ',', -1)
FROM demo_class c JOIN demo_subjects s ON s.k = c.k JOIN seq_1_to_20 n;

UPDATE demo_slot d JOIN demo_teach t
  ON t.lvl = d.lvl AND t.subject = d.subject AND t.half IN (0, d.half)
SET d.teacher = t.name;

UPDATE demo_slot d JOIN 班级表 b ON b.Class = d.Class
SET d.teacher = b.ClassTutor WHERE d.subject = '班会';

UPDATE 班级表 b JOIN (
  SELECT Class, GROUP_CONCAT(teacher ORDER BY n SEPARATOR ',') AS teachers
  FROM demo_slot GROUP BY Class) x ON x.Class = b.Class
SET
  b.Subject1T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 1), ',', -1),
  b.Subject2T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 2), ',', -1),
  b.Subject3T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 3), ',', -1),
  b.Subject4T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 4), ',', -1),
  b.Subject5T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 5), ',', -1),
  b.Subject6T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 6), ',', -1),
  b.Subject7T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 7), ',', -1),
  b.Subject8T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 8), ',', -1),
  b.Subject9T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 9), ',', -1),
  b.Subject10T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 10), ',', -1),
  b.Subject11T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 11), ',', -1),
  b.Subject12T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 12), ',', -1),
  b.Subject13T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 13), ',', -1),
  b.Subject14T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 14), ',', -1),
  b.Subject15T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 15), ',', -1),
  b.Subject16T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 16), ',', -1),
  b.Subject17T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 17), ',', -1),
  b.Subject18T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 18), ',', -1),
  b.Subject19T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 19), ',', -1),
  b.Subject20T = SUBSTRING_INDEX(SUBSTRING_INDEX(x.teachers, ',', 20), ',', -1);

-- Timetables: the grade's week, with Monday-Thursday and the morning periods
-- shifted by the class number so that classes differ. The eighth period is
-- free, and the graduating senior grade has Saturday morning lessons.
UPDATE 班级表 b JOIN demo_class c ON c.Class = b.Class JOIN demo_subjects s ON s.k = c.k SET
  b.Week11 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1) MOD 4) * 7 + ((c.cls - 1) MOD 4) + 1), ',', -1),
  b.Week12 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1) MOD 4) * 7 + ((c.cls - 1 + 1) MOD 4) + 1), ',', -1),
  b.Week13 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1) MOD 4) * 7 + ((c.cls - 1 + 2) MOD 4) + 1), ',', -1),
  b.Week14 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1) MOD 4) * 7 + ((c.cls - 1 + 3) MOD 4) + 1), ',', -1),
  b.Week15 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1) MOD 4) * 7 + 4 + 1), ',', -1),
  b.Week16 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1) MOD 4) * 7 + 5 + 1), ',', -1),
  b.Week17 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1) MOD 4) * 7 + 6 + 1), ',', -1),
  b.Week18 = '',
  b.Week21 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 1) MOD 4) * 7 + ((c.cls - 1) MOD 4) + 1), ',', -1),
  b.Week22 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 1) MOD 4) * 7 + ((c.cls - 1 + 1) MOD 4) + 1), ',', -1),
  b.Week23 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 1) MOD 4) * 7 + ((c.cls - 1 + 2) MOD 4) + 1), ',', -1),
  b.Week24 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 1) MOD 4) * 7 + ((c.cls - 1 + 3) MOD 4) + 1), ',', -1),
  b.Week25 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 1) MOD 4) * 7 + 4 + 1), ',', -1),
  b.Week26 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 1) MOD 4) * 7 + 5 + 1), ',', -1),
  b.Week27 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 1) MOD 4) * 7 + 6 + 1), ',', -1),
  b.Week28 = '',
  b.Week31 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 2) MOD 4) * 7 + ((c.cls - 1) MOD 4) + 1), ',', -1),
  b.Week32 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 2) MOD 4) * 7 + ((c.cls - 1 + 1) MOD 4) + 1), ',', -1),
  b.Week33 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 2) MOD 4) * 7 + ((c.cls - 1 + 2) MOD 4) + 1), ',', -1),
  b.Week34 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 2) MOD 4) * 7 + ((c.cls - 1 + 3) MOD 4) + 1), ',', -1),
  b.Week35 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 2) MOD 4) * 7 + 4 + 1), ',', -1),
  b.Week36 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 2) MOD 4) * 7 + 5 + 1), ',', -1),
  b.Week37 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 2) MOD 4) * 7 + 6 + 1), ',', -1),
  b.Week38 = '',
  b.Week41 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 3) MOD 4) * 7 + ((c.cls - 1) MOD 4) + 1), ',', -1),
  b.Week42 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 3) MOD 4) * 7 + ((c.cls - 1 + 1) MOD 4) + 1), ',', -1),
  b.Week43 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 3) MOD 4) * 7 + ((c.cls - 1 + 2) MOD 4) + 1), ',', -1),
  b.Week44 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 3) MOD 4) * 7 + ((c.cls - 1 + 3) MOD 4) + 1), ',', -1),
  b.Week45 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 3) MOD 4) * 7 + 4 + 1), ',', -1),
  b.Week46 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 3) MOD 4) * 7 + 5 + 1), ',', -1),
  b.Week47 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', ((c.cls - 1 + 3) MOD 4) * 7 + 6 + 1), ',', -1),
  b.Week48 = '',
  b.Week51 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', 4 * 7 + ((c.cls - 1) MOD 4) + 1), ',', -1),
  b.Week52 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', 4 * 7 + ((c.cls - 1 + 1) MOD 4) + 1), ',', -1),
  b.Week53 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', 4 * 7 + ((c.cls - 1 + 2) MOD 4) + 1), ',', -1),
  b.Week54 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', 4 * 7 + ((c.cls - 1 + 3) MOD 4) + 1), ',', -1),
  b.Week55 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', 4 * 7 + 4 + 1), ',', -1),
  b.Week56 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', 4 * 7 + 5 + 1), ',', -1),
  b.Week57 = SUBSTRING_INDEX(SUBSTRING_INDEX(s.week, ',', 4 * 7 + 6 + 1), ',', -1),
  b.Week58 = '',
  b.Week61 = IF(c.lvl = 6, '语文', ''),
  b.Week62 = IF(c.lvl = 6, '数学', ''),
  b.Week63 = IF(c.lvl = 6, '英语', ''),
  b.Week64 = IF(c.lvl = 6, '数学', ''),
  b.Week65 = '',
  b.Week66 = '',
  b.Week67 = '',
  b.Week68 = '';

-- Pupils, numbered n = (grade-1)*300 + (class-1)*50 + seat. Every value is
-- plain arithmetic on n, so the school is the same on every load. Names take
-- a surname from a weighted list and a given name from a list of 50 per sex,
-- so no two pupils of one class share a name. PersonalCode is given per
-- GradeID as the batch code window would: a prefix (2024 for grade 1, 2023
-- for grade 2, 2022 for grade 3) and a four-digit serial in ID order.
-- IDcardNo and SN get their check digit in the next statement.
INSERT INTO 学籍表 (PersonalCode, StudentNumber, SN, IDcardNo, name, sex, nationality,
  birthday, EntranceDate, Positon, HomeAddress, Telephone, Residence, NativePlace,
  ParentA, NameOfParentA, WorkPlaceOfParentA, TelephoneOfParentA,
  ParentB, NameOfParentB, WorkPlaceOfParentB, TelephoneOfParentB,
  class, ClassID, GradeID, TypeOfClass, LeagueMember,
  MidTerm1, MidTerm2, MidTerm3, MidTerm4, MidTerm5, MidTerm6, MidTerm7, MidTerm8, MidTerm9, MidTerm10, MidTerm11, MidTerm12, MidTerm13, MidTerm14, MidTerm15, MidTerm16, MidTerm17, MidTerm18, MidTerm19, MidTerm20)
SELECT
  CONCAT(2025 - p.GradeID, LPAD(ROW_NUMBER() OVER (PARTITION BY p.GradeID ORDER BY p.n), 4, '0')),
  CONCAT(p.entry_year, IF(p.lvl <= 3, '1', '2'), LPAD(p.cls, 2, '0'), LPAD(p.seat, 2, '0')),
  '',
  CONCAT(ELT(p.dist + 1, '330702', '330703', '330782', '330723'), DATE_FORMAT(p.birth, '%Y%m%d'),
         LPAD(((p.n * 37) MOD 499) * 2 + p.male, 3, '0')),
  CONCAT(p.sur, IF(p.male = 1, ELT((p.n * 29) MOD 50 + 1, '浩然', '子轩', '宇航', '博文', '俊杰', '明轩', '志强', '晨阳', '嘉豪', '天佑', '思远', '一鸣', '家乐', '文博', '泽宇', '睿哲', '皓轩', '子豪', '俊熙', '宏伟', '建华', '晓东', '鹏飞', '浩宇', '梓豪', '承泽', '宇轩', '子墨', '逸飞', '锦程', '凯文', '振宇', '志鹏', '鑫磊', '海洋', '佳乐', '嘉懿', '奕辰', '昊天', '宇辰', '磊', '杰', '鹏', '涛', '强', '斌', '伟', '超', '毅', '航'),
                              ELT((p.n * 29) MOD 50 + 1, '欣怡', '梓涵', '雨萱', '诗琪', '梦瑶', '佳慧', '思彤', '雨桐', '可馨', '语嫣', '晓雯', '婉婷', '若曦', '子萱', '欣然', '嘉怡', '静怡', '雅琪', '心怡', '紫涵', '梓萌', '佳怡', '一诺', '诗涵', '晨曦', '雪莹', '丽娜', '思琪', '依婷', '舒涵', '梦琪', '美琳', '芷若', '佳琪', '雨欣', '馨予', '艺涵', '晓彤', '文静', '安琪', '婷', '静', '颖', '琳', '雪', '悦', '璐', '菲', '洁', '倩'))),
  IF(p.male = 1, '男', '女'),
  CASE WHEN p.n MOD 61 = 0 THEN '畲族' WHEN p.n MOD 83 = 0 THEN '回族' WHEN p.n MOD 97 = 0 THEN '满族' ELSE '汉族' END,
  CONCAT(YEAR(p.birth), '年', MONTH(p.birth), '月', DAY(p.birth), '日'),
  CONCAT(p.entry_year, '年9月1日'),
  IFNULL(ELT(p.seat, '班长', '副班长', '学习委员', '生活委员', '语文课代表', '数学课代表', '英语课代表', '组长', '组长', '组长', '组长'), '学生'),
  IF(p.n MOD 3 = 0,
     CONCAT(ELT(p.dist + 1, '金华市婺城区', '金华市金东区', '义乌市', '武义县'),
            ELT((p.n * 5) MOD 6 + 1, '江南花园', '金都美地', '湖海塘小区', '御园小区', '丽州花园', '东方明珠小区'), (p.n * 7) MOD 24 + 1, '幢', p.n MOD 3 + 1, '单元',
            100 * ((p.n * 3) MOD 18 + 1) + p.n MOD 4 + 1, '室'),
     CONCAT(ELT(p.dist + 1, '金华市婺城区', '金华市金东区', '义乌市', '武义县'),
            ELT((p.n * 7) MOD 12 + 1, '人民路', '解放路', '八一北街', '宾虹路', '丹溪路', '李渔路', '环城南路', '双龙南街', '光南路', '新华街', '胜利街', '金帆街'), (p.n * 13) MOD 300 + 1, '号')),
  IF(p.n MOD 4 = 0, '', CONCAT('0579-8', 2000000 + (p.n * 7919) MOD 8000000)),
  IF(p.n MOD 9 = 0, ELT((p.n DIV 9) MOD 5 + 1, '江西上饶', '安徽安庆', '河南信阳', '四川广安', '贵州毕节'),
     ELT(p.dist + 1, '浙江金华', '浙江金华', '浙江义乌', '浙江武义')),
  CONCAT('浙江省', ELT(p.dist + 1, '金华市婺城区', '金华市金东区', '义乌市', '武义县')),
  IF(p.n MOD 23 = 0, '爷爷', '父亲'),
  CONCAT(p.sur, ELT((p.n * 7) MOD 20 + 1, '建国', '国强', '建军', '志华', '伟', '海波', '卫东', '勇', '军', '建平', '永明', '德胜', '国平', '晓峰', '立新', '小龙', '俊峰', '红军', '文华', '斌')),
  ELT((p.n * 11) MOD 20 + 1, '个体经营', '务农', '市供电公司', '县人民医院', '外贸公司', '机械厂', '建筑公司', '农商银行', '市教育局', '自由职业', '连锁超市', '物流公司', '小学教师', '电子厂', '服装厂', '汽车配件厂', '市场监管局', '街道办事处', '保险公司', '餐饮店'),
  CONCAT(ELT(p.n MOD 12 + 1, '135', '136', '137', '138', '139', '150', '151', '152', '158', '159', '186', '188'),
         LPAD((p.n * 104729) MOD 100000000, 8, '0')),
  IF(p.n MOD 29 = 0, '奶奶', '母亲'),
  CONCAT(SUBSTRING('王王王王李李李李张张张张刘刘刘陈陈陈杨杨黄黄赵赵吴吴周周徐孙马朱胡郭何高林林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤楼应童虞傅俞倪施葛刘陈王', (p.n * 71 + 5) MOD 131 + 1, 1), ELT((p.n * 13) MOD 20 + 1, '秀英', '丽华', '美玲', '红梅', '玉兰', '桂芳', '丽娟', '海燕', '雪梅', '晓红', '春燕', '建英', '小芳', '丽萍', '淑芬', '艳', '霞', '敏', '静', '娟')),
  ELT((p.n * 17 + 3) MOD 20 + 1, '个体经营', '务农', '市供电公司', '县人民医院', '外贸公司', '机械厂', '建筑公司', '农商银行', '市教育局', '自由职业', '连锁超市', '物流公司', '小学教师', '电子厂', '服装厂', '汽车配件厂', '市场监管局', '街道办事处', '保险公司', '餐饮店'),
  CONCAT(ELT((p.n + 5) MOD 12 + 1, '135', '136', '137', '138', '139', '150', '151', '152', '158', '159', '186', '188'),
         LPAD((p.n * 7368787 + 4242) MOD 100000000, 8, '0')),
  p.Class, p.cls, p.GradeID, p.TypeOfClass,
  CASE WHEN p.lvl >= 4 THEN IF((p.n * 7) MOD 10 < 8, '是', '否')
       WHEN p.lvl = 3 THEN IF((p.n * 7) MOD 10 < 3, '是', '否')
       ELSE '否' END,
  IF(1 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 104729) * 4 MOD 1009 MOD 29 - 14)), NULL),
  IF(2 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 209458) * 5 MOD 1009 MOD 29 - 14)), NULL),
  IF(3 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 314187) * 6 MOD 1009 MOD 29 - 14)), NULL),
  IF(4 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 418916) * 7 MOD 1009 MOD 29 - 14)), NULL),
  IF(5 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 523645) * 8 MOD 1009 MOD 29 - 14)), NULL),
  IF(6 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 628374) * 9 MOD 1009 MOD 29 - 14)), NULL),
  IF(7 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 733103) * 10 MOD 1009 MOD 29 - 14)), NULL),
  IF(8 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 837832) * 11 MOD 1009 MOD 29 - 14)), NULL),
  IF(9 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 942561) * 12 MOD 1009 MOD 29 - 14)), NULL),
  IF(10 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 1047290) * 13 MOD 1009 MOD 29 - 14)), NULL),
  IF(11 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 1152019) * 14 MOD 1009 MOD 29 - 14)), NULL),
  IF(12 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 1256748) * 15 MOD 1009 MOD 29 - 14)), NULL),
  IF(13 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 1361477) * 16 MOD 1009 MOD 29 - 14)), NULL),
  IF(14 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 1466206) * 17 MOD 1009 MOD 29 - 14)), NULL),
  IF(15 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 1570935) * 18 MOD 1009 MOD 29 - 14)), NULL),
  IF(16 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 1675664) * 19 MOD 1009 MOD 29 - 14)), NULL),
  IF(17 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 1780393) * 20 MOD 1009 MOD 29 - 14)), NULL),
  IF(18 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 1885122) * 21 MOD 1009 MOD 29 - 14)), NULL),
  IF(19 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 1989851) * 22 MOD 1009 MOD 29 - 14)), NULL),
  IF(20 <= p.scored, LEAST(100, GREATEST(18, p.ability + (p.n * 7919 + 2094580) * 23 MOD 1009 MOD 29 - 14)), NULL)
FROM (
  SELECT c.Class, c.lvl, c.cls, c.GradeID, c.TypeOfClass, c.entry_year, s.scored, q.seq AS seat,
         (c.lvl - 1) * 300 + (c.cls - 1) * 50 + q.seq AS n,
         IF((((c.lvl - 1) * 300 + (c.cls - 1) * 50 + q.seq) * 37 + c.lvl * 11) MOD 100 < 52, 1, 0) AS male,
         SUBSTRING('王王王王李李李李张张张张刘刘刘陈陈陈杨杨黄黄赵赵吴吴周周徐孙马朱胡郭何高林林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤楼应童虞傅俞倪施葛刘陈王', (((c.lvl - 1) * 300 + (c.cls - 1) * 50 + q.seq) * 53 + 17) MOD 131 + 1, 1) AS sur,
         ((c.lvl - 1) * 300 + (c.cls - 1) * 50 + q.seq) MOD 4 AS dist,
         45 + (((c.lvl - 1) * 300 + (c.cls - 1) * 50 + q.seq) * 53) MOD 50 AS ability,
         DATE('2011-09-01') - INTERVAL (c.lvl - 1) YEAR
           + INTERVAL (((c.lvl - 1) * 300 + (c.cls - 1) * 50 + q.seq) * 97) MOD 365 DAY AS birth
  FROM demo_class c JOIN demo_subjects s ON s.k = c.k JOIN seq_1_to_50 q ON q.seq <= c.size
) p
ORDER BY p.n;

UPDATE 学籍表 SET IDcardNo = CONCAT(IDcardNo, SUBSTRING('10X98765432', MOD(SUBSTRING(IDcardNo,1,1)*7 + SUBSTRING(IDcardNo,2,1)*9 + SUBSTRING(IDcardNo,3,1)*10 + SUBSTRING(IDcardNo,4,1)*5 + SUBSTRING(IDcardNo,5,1)*8 + SUBSTRING(IDcardNo,6,1)*4 + SUBSTRING(IDcardNo,7,1)*2 + SUBSTRING(IDcardNo,8,1)*1 + SUBSTRING(IDcardNo,9,1)*6 + SUBSTRING(IDcardNo,10,1)*3 + SUBSTRING(IDcardNo,11,1)*7 + SUBSTRING(IDcardNo,12,1)*9 + SUBSTRING(IDcardNo,13,1)*10 + SUBSTRING(IDcardNo,14,1)*5 + SUBSTRING(IDcardNo,15,1)*8 + SUBSTRING(IDcardNo,16,1)*4 + SUBSTRING(IDcardNo,17,1)*2, 11) + 1, 1));
UPDATE 学籍表 SET SN = CONCAT('G', IDcardNo);

-- Mid-term scores as a score-sheet import leaves them: the total and the
-- rank in the class and in the ranking group (grade and category).
UPDATE 学籍表 SET Total = IFNULL(MidTerm1, 0) + IFNULL(MidTerm2, 0) + IFNULL(MidTerm3, 0) + IFNULL(MidTerm4, 0) + IFNULL(MidTerm5, 0) + IFNULL(MidTerm6, 0) + IFNULL(MidTerm7, 0) + IFNULL(MidTerm8, 0) + IFNULL(MidTerm9, 0) + IFNULL(MidTerm10, 0) + IFNULL(MidTerm11, 0) + IFNULL(MidTerm12, 0) + IFNULL(MidTerm13, 0) + IFNULL(MidTerm14, 0) + IFNULL(MidTerm15, 0) + IFNULL(MidTerm16, 0) + IFNULL(MidTerm17, 0) + IFNULL(MidTerm18, 0) + IFNULL(MidTerm19, 0) + IFNULL(MidTerm20, 0);

UPDATE 学籍表 p JOIN (
  SELECT ID,
         RANK() OVER (PARTITION BY class ORDER BY Total + 0 DESC) AS cp,
         RANK() OVER (PARTITION BY GradeID, TypeOfClass ORDER BY Total + 0 DESC) AS gp
  FROM 学籍表) r ON r.ID = p.ID
SET p.MidClassPlace = r.cp, p.MidGradePlace = r.gp;

-- Login accounts of the seven account holders, with level and office from
-- their staff records.
INSERT INTO users (User, PassWord, Level, Office, Online)
SELECT Name, SHA1(CONVERT(CONCAT(UPPER(Name), ':', UPPER('123456')) USING gbk)), Level, Office, '0'
FROM 教员表
WHERE Name IN ('周志强', '陈国华', '林慧敏', '刘静', '马卫东', '赵磊', '孙丽')
ORDER BY Level DESC, ID;

-- Tutor classes and teaching lists, as the account synchronisation builds
-- them from 班级表: every class where the user teaches some subject.
UPDATE users u JOIN 班级表 b ON b.ClassTutor = u.User SET u.ClassTutor = b.Class;

UPDATE users u JOIN (
  SELECT t.User,
         GROUP_CONCAT(DISTINCT CONCAT('<', b.GradeID, '<') ORDER BY b.GradeID + 0 SEPARATOR ',') AS grades,
         GROUP_CONCAT(CONCAT('<', b.Class, '<') ORDER BY b.GradeID + 0, b.ClassID + 0, b.Class SEPARATOR ',') AS classes,
         GROUP_CONCAT(DISTINCT CONCAT('<', b.ClassID, '<') ORDER BY b.ClassID + 0 SEPARATOR ',') AS classids
  FROM users t JOIN 班级表 b ON t.User IN (b.Subject1T, b.Subject2T, b.Subject3T, b.Subject4T,
    b.Subject5T, b.Subject6T, b.Subject7T, b.Subject8T, b.Subject9T, b.Subject10T, b.Subject11T,
    b.Subject12T, b.Subject13T, b.Subject14T, b.Subject15T, b.Subject16T, b.Subject17T,
    b.Subject18T, b.Subject19T, b.Subject20T)
  GROUP BY t.User) x ON x.User = u.User
SET u.GradeID = x.grades, u.Class = x.classes, u.ClassID = x.classids;

DROP TEMPORARY TABLE demo_slot;
DROP TEMPORARY TABLE demo_teach;
DROP TEMPORARY TABLE demo_staff;
DROP TEMPORARY TABLE demo_subjects;
DROP TEMPORARY TABLE demo_class;
