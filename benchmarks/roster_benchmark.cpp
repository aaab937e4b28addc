// How long the whole-school roster takes for a school of 5,000 pupils, read
// from a local MariaDB server through the roster code the main window uses.
//
// The benchmark makes its own database `sa_roster_benchmark` (never touching
// didododederaz), fills it, and drops it at the end. The server is found from
// SA_BENCH_DB_HOST, SA_BENCH_DB_PORT, SA_BENCH_DB_USER and
// SA_BENCH_DB_PASSWORD (defaults 127.0.0.1, 3306, root, schooladmin-root), for
// example a private server of scripts/db.sh:
//
//   SA_DB_PORT=3312 scripts/db.sh start /tmp/bench-db
//   SA_BENCH_DB_PORT=3312 build/benchmarks/roster_benchmark
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTableView>
#include <cstdio>
#include <cstdlib>

#include "app/core/app_state.h"
#include "app/db/connection.h"
#include "app/students/roster_model.h"
#include "app/students/roster_page.h"
#include "app/students/roster_service.h"
#include "app/ui/prompt.h"

namespace {

using namespace sa;

constexpr int kPupils = 5000;
const QString kDatabase = QStringLiteral("sa_roster_benchmark");

QString env(const char* name, const char* fallback) {
  const QString v = qEnvironmentVariable(name);
  return v.isEmpty() ? QString::fromUtf8(fallback) : v;
}

db::ConnectionParams params(const QString& database) {
  db::ConnectionParams p;
  p.host = env("SA_BENCH_DB_HOST", "127.0.0.1");
  p.port = env("SA_BENCH_DB_PORT", "3306").toUInt();
  p.user = env("SA_BENCH_DB_USER", "root");
  p.password = env("SA_BENCH_DB_PASSWORD", "schooladmin-root");
  p.database = database;
  return p;
}

// A prompt that only prints: the roster shows no boxes when all goes well.
class PrintingPrompt : public ui::Prompt {
 public:
  void message(const QString& text, const QString&, ui::Icon) override {
    std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
  }
  bool askYesNo(const QString&, const QString&, ui::Icon) override { return false; }
  bool askOkCancel(const QString&, const QString&, ui::Icon) override { return false; }
  QString openFile(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&, const QString&, const QString&) override { return {}; }
  QString chooseFolder(const QString&, const QString&) override { return {}; }
};

bool run(db::Connection& db, const QString& sql) {
  if (db.execute(sql)) return true;
  std::fprintf(stderr, "%s\n  failed: %s\n", sql.left(200).toUtf8().constData(), db.lastError().toUtf8().constData());
  return false;
}

// Six grades of fourteen classes, 5,000 pupils with every roster column
// filled the way a real school fills them.
bool makeSchool() {
  db::Connection admin;
  if (!admin.open(params({}))) {
    std::fprintf(stderr, "cannot reach the server: %s\n", admin.lastError().toUtf8().constData());
    return false;
  }
  if (!run(admin, QStringLiteral("drop database if exists ") + kDatabase) ||
      !run(admin, QStringLiteral("create database ") + kDatabase + QStringLiteral(" default character set gbk")) ||
      !admin.selectDatabase(kDatabase))
    return false;
  QFile schema(QStringLiteral(SA_SQL_DIR "/schema.sql"));
  if (!schema.open(QIODevice::ReadOnly) || !admin.executeScript(QString::fromUtf8(schema.readAll()))) {
    std::fprintf(stderr, "cannot load the schema: %s\n", admin.lastError().toUtf8().constData());
    return false;
  }
  return run(admin, QStringLiteral(
                        "insert into 班级表 (Class,ClassTutor,ClassID,GradeID) "
                        "select concat(g.seq,'年级',c.seq,'班'), concat('班主任',g.seq,'-',c.seq), c.seq, g.seq "
                        "from seq_1_to_6 g join seq_1_to_14 c")) &&
         run(admin, QStringLiteral(
                        "insert into 学籍表 (PersonalCode,StudentNumber,SN,IDcardNo,name,sex,nationality,birthday,"
                        "EntranceDate,Positon,HomeAddress,Telephone,class,ClassID,GradeID,TypeOfClass) "
                        "select concat(2025 - g, lpad(n, 4, '0')), concat(2019 + g, lpad(n, 5, '0')), concat('G', n), "
                        "concat('3307021', 2010 + g, lpad(n mod 10000, 7, '0')), "
                        "concat(substring('王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗', n mod 20 + 1, 1), "
                        "substring('浩子宇博俊明志晨嘉天思一家文泽睿欣梓雨诗', (n * 7) mod 20 + 1, 1), "
                        "substring('然轩航文杰强阳豪佑远怡涵萱琪瑶慧彤桐馨嫣', (n * 13) mod 20 + 1, 1)), "
                        "if(n mod 2 = 0, '男', '女'), if(n mod 61 = 0, '回族', '汉族'), "
                        "concat(2018 - g, '年', n mod 12 + 1, '月', n mod 28 + 1, '日'), concat(2025 - g, '年9月1日'), "
                        "if(n mod 45 = 1, '班长', '学生'), concat('金华市婺城区人民路', n, '号'), "
                        "concat('0579-8', 2000000 + n), concat(g, '年级', c, '班'), c, g, '无分类' "
                        "from (select seq as n, (seq - 1) mod 6 + 1 as g, (seq - 1) div 6 mod 14 + 1 as c "
                        "from seq_1_to_5000) p"));
}

void dropSchool() {
  db::Connection admin;
  if (admin.open(params({}))) admin.execute(QStringLiteral("drop database if exists ") + kDatabase);
}

struct Fixture {
  core::AppState state;
  PrintingPrompt prompt;
  Fixture() {
    state.schoolName = QStringLiteral("示范学校");
    if (!state.db.open(params(kDatabase))) std::fprintf(stderr, "cannot open %s\n", qPrintable(kDatabase));
  }
};

// The statement and the rows read into the model's rows: what "全部" costs
// before anything is drawn.
void BM_WholeSchoolRosterLoad(benchmark::State& bench) {
  Fixture f;
  for (auto _ : bench) {
    students::RosterData roster =
        students::loadRoster(f.state.db, students::wholeSchoolRosterSql(), students::inSchoolRosterColumns());
    if (roster.count() != kPupils) bench.SkipWithError("the roster did not list every pupil");
    benchmark::DoNotOptimize(roster.boys);
  }
  bench.counters["rows"] = kPupils;
}
BENCHMARK(BM_WholeSchoolRosterLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The page as the office worker uses it: "全部" pressed on the in-school roster
// page, shown in a window, until the table has been painted with its rows.
void BM_WholeSchoolRosterPage(benchmark::State& bench) {
  Fixture f;
  students::InSchoolRosterPage page(f.state, f.prompt);
  page.resize(1200, 700);
  page.show();
  if (!page.open()) bench.SkipWithError("the roster page did not open");
  QApplication::processEvents();
  for (auto _ : bench) {
    page.showWholeSchool();
    page.table()->viewport()->repaint();
    if (page.model()->rowCount() != kPupils) bench.SkipWithError("the page did not list every pupil");
  }
  bench.counters["rows"] = kPupils;
}
BENCHMARK(BM_WholeSchoolRosterPage)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The offscreen platform complains about window hints it cannot honour.
void quietOffscreen(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtDebugMsg || text.contains(QStringLiteral("propagateSizeHints"))) return;
  std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietOffscreen);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!makeSchool()) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  dropSchool();
  return 0;
}
