#include "app/students/setup_operations.h"

#include <QVBoxLayout>

#include "app/core/main_window.h"
#include "app/students/class_teacher_page.h"
#include "app/students/record_operations.h"
#include "app/students/school_setup_window.h"
#include "app/students/subject_count_window.h"
#include "app/students/timetable_window.h"

namespace sa::students {
ClassTeacherPage* classTeacherPage(core::MainWindow& window) {
  QWidget* page = window.page(kClassTeacherPage);
  return page ? page->findChild<ClassTeacherPage*>() : nullptr;
}

void registerSetupOperations(core::MainWindow& window, core::AppState& state, ui::Prompt& prompt) {
  core::MainWindow* w = &window;

  QWidget* host = window.page(kClassTeacherPage);
  auto* page = new ClassTeacherPage(state, prompt, w, host);
  auto* layout = new QVBoxLayout(host);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(page);
  window.setPageReloader(kClassTeacherPage, [page] { page->reload(); });
  // A click on a class opens its in-school roster, where the pupil pages exist.
  page->setRosterOpener([w](const QString& className) {
    if (StudentPages* pupils = StudentPages::of(*w)) pupils->showClassRoster(className);
  });

  window.operations().setHandler(QStringLiteral("校务设置"), [w, &state, &prompt] {
    SchoolSetupWindow setup(state, prompt, w);
    setup.exec();
    if (setup.classesChanged()) w->reloadCurrentPage();
  });

  window.operations().setHandler(QStringLiteral("班级情况表"), [w, page] {
    w->showPage(kClassTeacherPage);
    page->open();
  });

  window.operations().setHandler(QStringLiteral("设置科目数量"), [w, &state, &prompt] {
    SubjectCountWindow count(state, prompt, w);
    if (count.exec() == QDialog::Accepted) w->reloadCurrentPage({kPupilDetailPage, kScorePage});
  });

  window.operations().setHandler(QStringLiteral("查看课程表"), [w, &state, &prompt] {
    TimetableWindow timetable(state, prompt, w);
    if (timetable.load()) timetable.exec();
  });
}

}  // namespace sa::students

