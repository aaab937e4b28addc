#include "app/students/school_setup_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/core/levels.h"
#include "app/students/class_naming.h"
#include "app/students/course_subjects_window.h"
#include "app/students/school_setup_service.h"

namespace sa::students {
namespace {

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setMinimumWidth(110);
  // Enter in a chooser must not press a button by accident.
  b->setAutoDefault(false);
  return b;
}

QComboBox* makeCombo(const QString& name, bool editable, QWidget* parent) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->setEditable(editable);
  c->setInsertPolicy(QComboBox::NoInsert);
  c->setMinimumWidth(150);
  return c;
}

}  // namespace

SchoolSetupWindow::SchoolSetupWindow(core::AppState& state, ui::Prompt& prompt, QWidget* parent)
    : QDialog(parent), state_(state), prompt_(prompt) {
  setObjectName(QStringLiteral("校务设置窗口"));
  setWindowTitle(state_.schoolName + QStringLiteral("校务管理系统设置"));

  // School name, shown only: it comes from the configured program.
  schoolNameBox_ = new QLineEdit(state_.schoolName, this);
  schoolNameBox_->setObjectName(QStringLiteral("学校名编辑框"));
  schoolNameBox_->setReadOnly(true);
  auto* addSchool = makeButton(QStringLiteral("添加学校按钮"), QStringLiteral("添加学校"), this);
  addSchool->hide();
  auto* schoolRow = new QHBoxLayout;
  schoolRow->addWidget(new QLabel(QStringLiteral("学校名称："), this));
  schoolRow->addWidget(schoolNameBox_, 1);
  schoolRow->addWidget(addSchool);

  classList_ = new QTreeWidget(this);
  classList_->setObjectName(QStringLiteral("班级名列表框"));
  classList_->setColumnCount(3);
  classList_->setHeaderLabels({QStringLiteral("班级名称"), QStringLiteral("班主任"), QStringLiteral("班级分类")});
  classList_->setRootIsDecorated(false);
  classList_->setAlternatingRowColors(true);
  classList_->setSelectionMode(QAbstractItemView::SingleSelection);
  classList_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  classList_->setMinimumWidth(330);

  // The two ways to name a class.
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("选择夹1"));
  auto* standardPage = new QWidget(pages_);
  gradeBox_ = makeCombo(QStringLiteral("选择年级组合框"), true, standardPage);
  gradeBox_->addItems(standardGradeNames());
  classBox_ = makeCombo(QStringLiteral("选择班组合框"), true, standardPage);
  classBox_->addItems(standardClassNames());
  auto* standardForm = new QFormLayout(standardPage);
  standardForm->addRow(QStringLiteral("选择年级："), gradeBox_);
  standardForm->addRow(QStringLiteral("选择班级："), classBox_);
  pages_->addTab(standardPage, QStringLiteral("通用班级名称"));
  auto* customPage = new QWidget(pages_);
  customNameBox_ = new QLineEdit(customPage);
  customNameBox_->setObjectName(QStringLiteral("自设班名编辑框"));
  customNameBox_->setMaxLength(40);
  auto* customForm = new QFormLayout(customPage);
  customForm->addRow(QStringLiteral("自设班名："), customNameBox_);
  pages_->addTab(customPage, QStringLiteral("特殊班级名称"));

  tutorBox_ = makeCombo(QStringLiteral("班主任组合框"), true, this);
  categoryBox_ = makeCombo(QStringLiteral("班级文理分类组合框"), false, this);
  auto* choosers = new QFormLayout;
  choosers->addRow(QStringLiteral("班主任："), tutorBox_);
  choosers->addRow(QStringLiteral("班级分类："), categoryBox_);

  addButton_ = makeButton(QStringLiteral("添加班级按钮"), QStringLiteral("添加班级"), this);
  tutorButton_ = makeButton(QStringLiteral("修改班主任按钮"), QStringLiteral("修改班主任"), this);
  categoryButton_ = makeButton(QStringLiteral("修改班级分类按钮"), QStringLiteral("修改班级分类"), this);
  deleteButton_ = makeButton(QStringLiteral("删除班级按钮"), QStringLiteral("删除班级"), this);
  courseButton_ = makeButton(QStringLiteral("课程设置按钮"), QStringLiteral("课程设置"), this);
  categorySetupButton_ = makeButton(QStringLiteral("按钮1"), QStringLiteral("分类设置"), this);
  auto* quit = makeButton(QStringLiteral("退出设置按钮"), QStringLiteral("退出设置"), this);
  auto* buttons = new QGridLayout;
  buttons->addWidget(addButton_, 0, 0);
  buttons->addWidget(tutorButton_, 0, 1);
  buttons->addWidget(categoryButton_, 1, 0);
  buttons->addWidget(deleteButton_, 1, 1);
  buttons->addWidget(courseButton_, 2, 0);
  buttons->addWidget(categorySetupButton_, 2, 1);
  buttons->addWidget(quit, 3, 0, 1, 2);

  auto* right = new QVBoxLayout;
  right->addWidget(pages_);
  right->addLayout(choosers);
  right->addSpacing(8);
  right->addLayout(buttons);
  right->addStretch(1);

  auto* body = new QHBoxLayout;
  body->addWidget(classList_, 1);
  body->addLayout(right);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(schoolRow);
  layout->addLayout(body, 1);
  resize(720, 460);

  connect(classList_, &QTreeWidget::itemSelectionChanged, this, &SchoolSetupWindow::onRowSelected);
  connect(pages_, &QTabWidget::currentChanged, this, &SchoolSetupWindow::onPageChanged);
  connect(addButton_, &QPushButton::clicked, this, &SchoolSetupWindow::onAddClass);
  connect(tutorButton_, &QPushButton::clicked, this, &SchoolSetupWindow::onChangeTutor);
  connect(categoryButton_, &QPushButton::clicked, this, &SchoolSetupWindow::onChangeCategory);
  connect(deleteButton_, &QPushButton::clicked, this, &SchoolSetupWindow::onDeleteClass);
  connect(courseButton_, &QPushButton::clicked, this, &SchoolSetupWindow::onCourseSubjects);
  connect(categorySetupButton_, &QPushButton::clicked, this, &SchoolSetupWindow::onCategorySetup);
  connect(quit, &QPushButton::clicked, this, &QDialog::accept);

  // Below 1110 the window only shows the school's classes.
  if (!core::levelAtLeast(state_.user.levelText, 1110)) {
    for (QPushButton* b : {addButton_, tutorButton_, categoryButton_, deleteButton_, courseButton_,
                           categorySetupButton_})
      b->hide();
    pages_->setCurrentIndex(0);
  }

  loadCategories();
  loadClassList();
}

void SchoolSetupWindow::loadClassList() {
  classList_->clear();
  tutorBox_->clear();
  const auto rows = readClassList(state_.db);
  if (!rows) {
    prompt_.message(QStringLiteral("读取班级表失败！"));
    return;
  }
  for (const ClassListRow& r : *rows) {
    classList_->addTopLevelItem(new QTreeWidgetItem({r.name, r.tutor, r.category}));
    tutorBox_->addItem(r.tutor);
  }
  tutorBox_->setCurrentIndex(-1);
  tutorBox_->setEditText(QString());
}

void SchoolSetupWindow::loadCategories() {
  categoryBox_->clear();
  categoryBox_->addItems(categoryChoices(state_.configIniPath()));
  categoryBox_->setCurrentIndex(0);
}

QString SchoolSetupWindow::selectedClass() const {
  const QTreeWidgetItem* item = classList_->currentItem();
  return item && item->isSelected() ? item->text(0) : QString();
}

void SchoolSetupWindow::onRowSelected() {
  QTreeWidgetItem* item = classList_->currentItem();
  if (!item) return;
  tutorBox_->setCurrentIndex(classList_->indexOfTopLevelItem(item));
}

void SchoolSetupWindow::onPageChanged(int index) {
  if (index == 1) prompt_.message(customClassWarning(), customClassWarningTitle());
}

void SchoolSetupWindow::onAddClass() {
  NewClass c;
  c.custom = pages_->currentIndex() == 1;
  c.gradeName = gradeBox_->currentText();
  c.className = classBox_->currentText();
  c.customName = customNameBox_->text();
  c.tutor = tutorBox_->currentText();
  c.categoryChoice = categoryBox_->currentText();
  const auto row = addClass(state_.db, prompt_, c);
  if (!row) return;
  classesChanged_ = true;

  auto* item = new QTreeWidgetItem({row->name, row->tutor, row->category});
  classList_->addTopLevelItem(item);
  const int index = classList_->indexOfTopLevelItem(item);
  tutorBox_->insertItem(index, row->tutor);
  classList_->setCurrentItem(item);
  classList_->scrollToItem(item);
  // Pressing the button again adds the grade's next class.
  if (!c.custom) {
    const int at = classBox_->findText(classBox_->currentText().trimmed());
    if (at >= 0 && at + 1 < classBox_->count()) classBox_->setCurrentIndex(at + 1);
  }
}

void SchoolSetupWindow::onChangeTutor() {
  QTreeWidgetItem* item = classList_->currentItem();
  const QString cls = selectedClass();
  if (cls.isEmpty()) {
    prompt_.message(noClassSelectedForTutor());
    return;
  }
  TutorDialog dialog(cls, item->text(1),
                     [&](const QString& name) { return changeTutor(state_.db, prompt_, cls, name); }, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const QString tutor = dialog.findChild<QLineEdit*>(QStringLiteral("班主任姓名编辑框"))->text().trimmed();
  item->setText(1, tutor);
  const int index = classList_->indexOfTopLevelItem(item);
  tutorBox_->setItemText(index, tutor);
  tutorBox_->setCurrentIndex(index);
}

void SchoolSetupWindow::onChangeCategory() {
  QTreeWidgetItem* item = classList_->currentItem();
  const QString cls = selectedClass();
  if (cls.isEmpty()) {
    prompt_.message(noClassSelectedForCategory());
    return;
  }
  QString stored;
  CategoryDialog dialog(cls, categoryChoices(state_.configIniPath()),
                        [&](const QString& choice) {
                          const auto category = changeCategory(state_.db, prompt_, cls, choice);
                          if (category) stored = *category;
                          return category.has_value();
                        },
                        this);
  if (dialog.exec() == QDialog::Accepted) item->setText(2, stored);
}

void SchoolSetupWindow::onDeleteClass() {
  QTreeWidgetItem* item = classList_->currentItem();
  const QString cls = selectedClass();
  if (cls.isEmpty()) {
    prompt_.message(noClassSelectedForDelete());
    return;
  }
  if (!deleteClass(state_.db, prompt_, cls)) return;
  classesChanged_ = true;
  const int index = classList_->indexOfTopLevelItem(item);
  delete item;
  tutorBox_->removeItem(index);
  classList_->clearSelection();
  tutorBox_->setCurrentIndex(-1);
  tutorBox_->setEditText(QString());
}

void SchoolSetupWindow::onCourseSubjects() {
  classesChanged_ = true;
  if (courseOpener_) {
    courseOpener_();
    return;
  }
  CourseSubjectsWindow window(state_, prompt_, this);
  if (window.load()) window.exec();
}

void SchoolSetupWindow::onCategorySetup() {
  CategorySetupDialog dialog(state_.configIniPath(), prompt_, this);
  if (dialog.exec() == QDialog::Accepted) loadCategories();
}

// ---------------------------------------------------------------------------

TutorDialog::TutorDialog(const QString& className, const QString& currentTutor,
                         std::function<bool(const QString&)> save, QWidget* parent)
    : QDialog(parent), save_(std::move(save)) {
  setObjectName(QStringLiteral("修改班主任窗口"));
  setWindowTitle(QStringLiteral("修改%1的班主任姓名").arg(className));
  nameBox_ = new QLineEdit(currentTutor, this);
  nameBox_->setObjectName(QStringLiteral("班主任姓名编辑框"));
  nameBox_->setMaxLength(30);
  nameBox_->selectAll();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("班主任姓名："), nameBox_);
  form->addRow(buttons);
  setMinimumWidth(320);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (save_(nameBox_->text())) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CategoryDialog::CategoryDialog(const QString& className, const QStringList& choices,
                               std::function<bool(const QString&)> save, QWidget* parent)
    : QDialog(parent), save_(std::move(save)) {
  setObjectName(QStringLiteral("修改班级分类窗口"));
  setWindowTitle(QStringLiteral("修改%1的班级分类").arg(className));
  choiceBox_ = new QComboBox(this);
  choiceBox_->setObjectName(QStringLiteral("班级分类选择框"));
  choiceBox_->addItems(choices);
  choiceBox_->setCurrentIndex(-1);
  choiceBox_->setPlaceholderText(QStringLiteral("请选择班级分类"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("班级分类："), choiceBox_);
  form->addRow(buttons);
  setMinimumWidth(320);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (save_(choiceBox_->currentIndex() < 0 ? QString() : choiceBox_->currentText())) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CategorySetupDialog::CategorySetupDialog(const QString& configIniPath, ui::Prompt& prompt, QWidget* parent)
    : QDialog(parent), path_(configIniPath), prompt_(prompt) {
  setObjectName(QStringLiteral("班级分类设置窗口"));
  setWindowTitle(QStringLiteral("班级分类设置"));
  const QStringList values = readCategorySlots(path_);
  auto* grid = new QGridLayout;
  for (int i = 1; i <= kCategorySlots; ++i) {
    auto* box = new QLineEdit(values.value(i - 1), this);
    box->setObjectName(QStringLiteral("分类编辑框%1").arg(i));
    box->setMaxLength(20);
    const int row = (i - 1) / 2;
    const int col = ((i - 1) % 2) * 2;
    grid->addWidget(new QLabel(QStringLiteral("分类%1：").arg(i), this), row, col, Qt::AlignRight);
    grid->addWidget(box, row, col + 1);
    boxes_ << box;
  }
  auto* note = new QLabel(categoryNote() + QStringLiteral("\r\n不要的可以留空保存"), this);
  note->setObjectName(QStringLiteral("分类说明标签"));
  note->setWordWrap(true);
  note->setStyleSheet(QStringLiteral("color: #b03000;"));
  auto* save = new QPushButton(QStringLiteral("保存"), this);
  save->setObjectName(QStringLiteral("保存分类按钮"));
  auto* cancel = new QPushButton(QStringLiteral("取消"), this);
  cancel->setObjectName(QStringLiteral("取消分类按钮"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(note);
  layout->addLayout(buttons);
  setMinimumWidth(420);
  connect(save, &QPushButton::clicked, this, &CategorySetupDialog::onSave);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CategorySetupDialog::onSave() {
  QStringList values;
  for (QLineEdit* box : boxes_) values << box->text().trimmed();
  if (!writeCategorySlots(path_, values)) {
    prompt_.message(QStringLiteral("班级分类没有保存：配置文件config.ini不能写入！"), QStringLiteral("错误"),
                    ui::Icon::Error);
    return;
  }
  accept();
}

}  // namespace sa::students
