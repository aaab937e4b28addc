#pragma once
// The shared state of the application: one object for the life of the process,
// created by main() and handed by reference to every window and service.
#include <QString>

#include "app/db/connection.h"

namespace sa::core {

// Program version and build, shown by the splash and about windows and kept
// in config.ini.
inline constexpr const char* kVersion = "0.514";
inline constexpr const char* kBuild = "201109121";

// The logged-in user, filled by a successful login.
struct LoggedInUser {
  bool loggedIn = false;
  QString name;               // as typed in the login box
  QString passwordExpression; // SHA1(CONCAT(UPPER('<name>'),':',UPPER('<password>'))), escaped
  QString levelText;          // users.Level as stored
  double level = 0;           // the same text read as a number; not a number reads as 0
  QString office;
  QString gradeList;          // SQL in-list: '3','4'
  QString classList;
  QString classIdList;
  QString classTutor;         // the class this user tutors, or empty
  QString localIps;           // every local IPv4 address, each followed by one space
};

class AppState {
 public:
  db::Connection db;

  // From the settings block; the server address is resolved to a dotted IPv4
  // address once at start-up.
  QString serverAddress;
  QString mysqlUser;
  QString mysqlPassword;
  unsigned serverPort = 3306;  // MySQL's port; only tests use another
  QString schoolName;
  QString updateUrl;

  QString appDir;   // the folder of the executable; local files live here
  QString exeName;  // file name of the running executable, without folder

  int interfaceStyle = 0;
  int subjectCount = 10;  // 10..13
  int loginMode = 0;      // page of the login window: 0 = login

  LoggedInUser user;
  bool operationLogOn = false;
  // Set while a long score analysis runs: closing the main window is refused.
  bool analysisRunning = false;

  QString configIniPath() const { return appDir + QStringLiteral("/config.ini"); }
  QString usersDatPath() const { return appDir + QStringLiteral("/Users.dat"); }
  QString localPath(const QString& name) const { return appDir + QLatin1Char('/') + name; }
};

}  // namespace sa::core
