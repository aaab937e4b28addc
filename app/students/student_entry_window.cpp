#include "app/students/student_entry_window.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/core/levels.h"
#include "app/core/operation_log.h"
#include "app/students/class_naming.h"
#include "app/students/roster_model.h"
#include "app/students/roster_service.h"
#include "common/date_text.h"

namespace sa::students {

namespace {

const QString kAddHint = QStringLiteral("  提示：请先选择要添加学生资料的班级，输入资料后按[保存数据]。");
const QString kModifyHint = QStringLiteral("  提示：请先选择要修改资料的学生姓名，修改完成后按[保存修改]。");
const QString kWorkingState = QStringLiteral("    当前状态：录入修改学生资料");
const QString kPhotoFilter = QStringLiteral(
    "图象文件(*.jpg;*.bmp;*.gif)|*.jpg;*.bmp;*.gif|JPG文件(*.jpg)|*.jpg|BMP文件(*.bmp)|*.bmp|GIF文件(*.gif)|*.gif");
constexpr int kCodeRole = Qt::UserRole;
constexpr QSize kPhotoSize(132, 168);

QLineEdit* lineEdit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromUtf8(name));
  return e;
}

QComboBox* comboBox(QWidget* parent, const char* name, const QStringList& items, bool editable) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromUtf8(name));
  c->addItems(items);
  c->setEditable(editable);
  c->setMaxVisibleItems(16);
  return c;
}

QDateEdit* dateEdit(QWidget* parent, const char* name) {
  auto* d = new QDateEdit(parent);
  d->setObjectName(QString::fromUtf8(name));
  d->setCalendarPopup(true);
  d->setDisplayFormat(QStringLiteral("yyyy年M月d日"));
  d->setDate(QDate::currentDate());
  return d;
}

QLabel* caption(QWidget* parent, const char* text) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return l;
}

QPushButton* button(QWidget* parent, const char* name, const char* text) {
  auto* b = new QPushButton(QString::fromUtf8(text), parent);
  b->setObjectName(QString::fromUtf8(name));
  b->setAutoDefault(false);
  return b;
}

void setComboText(QComboBox* combo, const QString& text) {
  const int i = combo->findText(text);
  if (i >= 0)
    combo->setCurrentIndex(i);
  else if (combo->isEditable())
    combo->setEditText(text);
}

bool droppablePicture(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  return suffix == QStringLiteral("gif") || suffix == QStringLiteral("jpg") || suffix == QStringLiteral("jpeg");
}

}  // namespace

StudentEntryWindow::StudentEntryWindow(core::AppState& state, ui::Prompt& prompt, Mode mode, QWidget* parent)
    : QDialog(parent), state_(state), prompt_(prompt), mode_(mode) {
  setObjectName(QStringLiteral("学生资料录入窗口"));
  setWindowTitle(mode_ == Mode::Add ? QStringLiteral("添加学生资料") : QStringLiteral("修改学生资料"));
  setAcceptDrops(true);
  build();
  buildFocusOrder();
  idFollowsRegistry_ = mode_ == Mode::Add;
}

void StudentEntryWindow::build() {
  auto* outer = new QVBoxLayout(this);
  outer->setSpacing(6);

  titleLine_ = new QLabel(this);
  titleLine_->setObjectName(QStringLiteral("标题行标签"));
  QFont tf = titleLine_->font();
  tf.setPointSizeF(tf.pointSizeF() * 1.25);
  tf.setBold(true);
  titleLine_->setFont(tf);
  titleLine_->setAlignment(Qt::AlignCenter);
  titleLine_->setStyleSheet(QStringLiteral("color: #1b4f8a;"));
  outer->addWidget(titleLine_);

  auto* body = new QHBoxLayout;
  outer->addLayout(body, 1);

  // Left: the class and its pupils.
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel(QStringLiteral("选择班级："), this));
  classes_ = comboBox(this, "学生班级组合框", {}, false);
  left->addWidget(classes_);
  auto* shownRow = new QHBoxLayout;
  shownRow->addWidget(new QLabel(QStringLiteral("所在班级"), this));
  classShown_ = lineEdit(this, "所在班级");
  classShown_->setReadOnly(true);
  shownRow->addWidget(classShown_, 1);
  left->addLayout(shownRow);
  pupils_ = new QListWidget(this);
  pupils_->setObjectName(QStringLiteral("学生姓名列表框"));
  pupils_->setIconSize(QSize(16, 16));
  pupils_->setEnabled(mode_ == Mode::Modify);
  left->addWidget(pupils_, 1);
  countLine_ = new QLabel(this);
  countLine_->setObjectName(QStringLiteral("人数标签"));
  countLine_->setWordWrap(true);
  left->addWidget(countLine_);
  auto* leftBox = new QWidget(this);
  leftBox->setLayout(left);
  leftBox->setFixedWidth(210);
  body->addWidget(leftBox);

  // Middle: the pupil's own data and the guardians.
  auto* middle = new QVBoxLayout;
  auto* personal = new QGroupBox(QStringLiteral("学生基本资料"), this);
  auto* g = new QGridLayout(personal);
  studentNumber_ = lineEdit(personal, "学生学号编辑框");
  studentNumber_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
  sn_ = lineEdit(personal, "学籍副号编辑框");
  idCard_ = lineEdit(personal, "身份证号码编辑框");
  idCard_->setMaxLength(30);
  name_ = lineEdit(personal, "姓名编辑框");
  sex_ = comboBox(personal, "性别组合框", sexChoices(), false);
  nationality_ = comboBox(personal, "民族组合框", nationalityChoices(), true);
  birthday_ = dateEdit(personal, "出生日期框");
  entrance_ = dateEdit(personal, "入学日期框");
  position_ = comboBox(personal, "班内职务组合框", positionChoices(), true);
  address_ = lineEdit(personal, "住址编辑框");
  telephone_ = lineEdit(personal, "住宅电话编辑框");
  residence_ = lineEdit(personal, "籍贯编辑框");
  nativePlace_ = lineEdit(personal, "户籍编辑框");
  int row = 0;
  g->addWidget(caption(personal, "学籍主号"), row, 0);
  g->addWidget(studentNumber_, row, 1);
  g->addWidget(caption(personal, "学籍副号"), row, 2);
  g->addWidget(sn_, row++, 3);
  g->addWidget(caption(personal, "身份证号码"), row, 0);
  g->addWidget(idCard_, row, 1);
  g->addWidget(caption(personal, "姓    名"), row, 2);
  g->addWidget(name_, row++, 3);
  g->addWidget(caption(personal, "性    别"), row, 0);
  g->addWidget(sex_, row, 1);
  g->addWidget(caption(personal, "民    族"), row, 2);
  g->addWidget(nationality_, row++, 3);
  g->addWidget(caption(personal, "出生日期"), row, 0);
  g->addWidget(birthday_, row, 1);
  g->addWidget(caption(personal, "入学日期"), row, 2);
  g->addWidget(entrance_, row++, 3);
  g->addWidget(caption(personal, "班内职务"), row, 0);
  g->addWidget(position_, row, 1);
  g->addWidget(caption(personal, "住宅电话"), row, 2);
  g->addWidget(telephone_, row++, 3);
  g->addWidget(caption(personal, "家庭住址"), row, 0);
  g->addWidget(address_, row++, 1, 1, 3);
  g->addWidget(caption(personal, "籍    贯"), row, 0);
  g->addWidget(residence_, row, 1);
  g->addWidget(caption(personal, "户籍所在地"), row, 2);
  g->addWidget(nativePlace_, row++, 3);
  g->setColumnStretch(1, 1);
  g->setColumnStretch(3, 1);
  middle->addWidget(personal);

  auto* guardians = new QGroupBox(QStringLiteral("家长资料"), this);
  auto* gg = new QGridLayout(guardians);
  gg->addWidget(new QLabel(QStringLiteral("称呼"), guardians), 0, 0);
  gg->addWidget(new QLabel(QStringLiteral("姓名"), guardians), 0, 1);
  gg->addWidget(new QLabel(QStringLiteral("工作单位"), guardians), 0, 2);
  gg->addWidget(new QLabel(QStringLiteral("电话"), guardians), 0, 3);
  parentA_ = comboBox(guardians, "家长组合框1", guardianChoices(), true);
  nameA_ = lineEdit(guardians, "父亲编辑框");
  workA_ = lineEdit(guardians, "父亲单位编辑框");
  phoneA_ = lineEdit(guardians, "父电话编辑框");
  parentB_ = comboBox(guardians, "家长组合框2", guardianChoices(), true);
  nameB_ = lineEdit(guardians, "母亲编辑框");
  workB_ = lineEdit(guardians, "母亲单位编辑框");
  phoneB_ = lineEdit(guardians, "母电话编辑框");
  gg->addWidget(parentA_, 1, 0);
  gg->addWidget(nameA_, 1, 1);
  gg->addWidget(workA_, 1, 2);
  gg->addWidget(phoneA_, 1, 3);
  gg->addWidget(parentB_, 2, 0);
  gg->addWidget(nameB_, 2, 1);
  gg->addWidget(workB_, 2, 2);
  gg->addWidget(phoneB_, 2, 3);
  gg->setColumnStretch(2, 2);
  gg->setColumnStretch(1, 1);
  gg->setColumnStretch(3, 1);
  middle->addWidget(guardians);

  // The two comments share one place.
  auto* comments = new QGroupBox(this);
  auto* cl = new QVBoxLayout(comments);
  auto* switches = new QHBoxLayout;
  commentHeading_ = new QLabel(QStringLiteral(" 本学期评语："), comments);
  commentHeading_->setObjectName(QStringLiteral("评语标题标签"));
  commentNote_ = new QLabel(QStringLiteral("(最多可输入14行内容)"), comments);
  commentNote_->setObjectName(QStringLiteral("评语说明标签"));
  commentNote_->setStyleSheet(QStringLiteral("color: #777;"));
  termButton_ = button(comments, "本学期评语按钮", "● 本学期评语");
  generalButton_ = button(comments, "综合评价按钮", "综合评价");
  auto* clear = button(comments, "清除评语按钮", "清除评语");
  switches->addWidget(commentHeading_);
  switches->addWidget(commentNote_);
  switches->addStretch(1);
  switches->addWidget(termButton_);
  switches->addWidget(generalButton_);
  switches->addWidget(clear);
  cl->addLayout(switches);
  commentPanes_ = new QStackedWidget(comments);
  termComment_ = new QPlainTextEdit(commentPanes_);
  termComment_->setObjectName(QStringLiteral("本学期评语编辑框"));
  termComment_->setTabChangesFocus(true);
  generalComment_ = new QPlainTextEdit(commentPanes_);
  generalComment_->setObjectName(QStringLiteral("综合评价编辑框"));
  generalComment_->setTabChangesFocus(true);
  commentPanes_->addWidget(termComment_);
  commentPanes_->addWidget(generalComment_);
  commentPanes_->setMinimumHeight(110);
  cl->addWidget(commentPanes_);
  middle->addWidget(comments, 1);
  body->addLayout(middle, 1);

  // Right: the photo and the buttons.
  auto* right = new QVBoxLayout;
  photo_ = new QLabel(this);
  photo_->setObjectName(QStringLiteral("学生照片"));
  photo_->setFixedSize(kPhotoSize);
  photo_->setAlignment(Qt::AlignCenter);
  photo_->setFrameStyle(QFrame::Box | QFrame::Plain);
  photo_->setStyleSheet(QStringLiteral("QLabel#学生照片 { background: #f4f6f8; color: #999; border: 1px solid #9aa; }"));
  right->addWidget(photo_);
  auto* choose = button(this, "选择照片按钮", "选择照片");
  auto* remove = button(this, "删除照片按钮", "删除照片");
  right->addWidget(choose);
  right->addWidget(remove);
  auto* dropNote = new QLabel(QStringLiteral("可将照片文件\n拖到本窗口"), this);
  dropNote->setAlignment(Qt::AlignCenter);
  dropNote->setStyleSheet(QStringLiteral("color: #777;"));
  right->addWidget(dropNote);
  right->addStretch(1);
  saveButton_ = button(this, "保存按钮", mode_ == Mode::Add ? "保存数据" : "保存修改");
  exitButton_ = button(this, "退出按钮", "退    出");
  saveButton_->setMinimumHeight(34);
  exitButton_->setMinimumHeight(34);
  right->addWidget(saveButton_);
  right->addWidget(exitButton_);
  body->addLayout(right);

  // The window's own status line: the state and the hint.
  auto* status = new QHBoxLayout;
  stateLine_ = new QLabel(kWorkingState, this);
  stateLine_->setObjectName(QStringLiteral("状态标签"));
  hintLine_ = new QLabel(mode_ == Mode::Add ? kAddHint : kModifyHint, this);
  hintLine_->setObjectName(QStringLiteral("提示标签"));
  for (QLabel* l : {stateLine_, hintLine_}) l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  status->addWidget(stateLine_, 2);
  status->addWidget(hintLine_, 5);
  outer->addLayout(status);

  connect(classes_, &QComboBox::currentIndexChanged, this, [this] { classChosen(); });
  connect(pupils_, &QListWidget::currentItemChanged, this, [this] { pupilChosen(); });
  connect(studentNumber_, &QLineEdit::textEdited, this, &StudentEntryWindow::registryEdited);
  connect(idCard_, &QLineEdit::textEdited, this, [this] { idFollowsRegistry_ = false; });
  connect(termComment_, &QPlainTextEdit::textChanged, this, &StudentEntryWindow::termCommentChanged);
  connect(termButton_, &QPushButton::clicked, this, [this] { showTermComment(true); });
  connect(generalButton_, &QPushButton::clicked, this, [this] { showTermComment(false); });
  connect(clear, &QPushButton::clicked, this, &StudentEntryWindow::clearComment);
  connect(choose, &QPushButton::clicked, this, &StudentEntryWindow::choosePhoto);
  connect(remove, &QPushButton::clicked, this, &StudentEntryWindow::deletePhoto);
  connect(saveButton_, &QPushButton::clicked, this, &StudentEntryWindow::save);
  connect(exitButton_, &QPushButton::clicked, this, &QDialog::close);
  resize(980, 640);
}

void StudentEntryWindow::buildFocusOrder() {
  focusOrder_ = {mode_ == Mode::Add ? static_cast<QWidget*>(classes_) : static_cast<QWidget*>(pupils_),
                 studentNumber_, name_, sex_, nationality_, birthday_, entrance_, position_, address_, telephone_,
                 residence_, nativePlace_, parentA_, nameA_, workA_, phoneA_, parentB_, nameB_, workB_, phoneB_,
                 termComment_, saveButton_, exitButton_};
  for (QWidget* w : focusOrder_) w->installEventFilter(this);
  generalComment_->installEventFilter(this);
  for (int i = 0; i + 1 < focusOrder_.size(); ++i) setTabOrder(focusOrder_[i], focusOrder_[i + 1]);
}

bool StudentEntryWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  QWidget* w = qobject_cast<QWidget*>(watched);
  if (w == generalComment_) w = termComment_;  // the comment place is one stop
  const int at = int(focusOrder_.indexOf(w));
  if (at < 0) return QDialog::eventFilter(watched, event);
  if (watched == studentNumber_ && key->key() == Qt::Key_Minus) return true;
  const bool comment = w == termComment_;
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  // Enter writes new lines in the comments; everywhere else it moves on.
  if ((enter && !comment) || key->key() == Qt::Key_Tab) {
    // A disabled class chooser (a class tutor's fixed class) is skipped.
    for (int step = 1; step <= focusOrder_.size(); ++step) {
      QWidget* next = focusOrder_[(at + step) % focusOrder_.size()];
      if (next == termComment_) next = commentPanes_->currentWidget();
      if (next->isEnabled()) {
        next->setFocus(Qt::TabFocusReason);
        break;
      }
    }
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool StudentEntryWindow::prepare(const QString& startClass, const QString& startCode) {
  const ClassList list = readClasses(state_.db);
  if (!list.ok) {
    prompt_.message(QStringLiteral("读取班级表失败！"), QStringLiteral("错误"), ui::Icon::Error);
    return false;
  }
  if (list.classes.isEmpty()) {
    prompt_.message(QStringLiteral("目前没有班级数据！请先进行校务设置！"));
    return false;
  }
  const core::LoggedInUser& user = state_.user;
  const bool free = core::levelAtLeast(user.levelText, 1110) && user.classTutor.trimmed().isEmpty();
  filling_ = true;
  classes_->addItems(list.names());
  QString first;
  if (free) {
    first = list.names().contains(startClass) ? startClass : list.classes.first().name;
  } else {
    // Class tutors and ordinary administrators work on the class they tutor only.
    first = user.classTutor.trimmed();
    classes_->setEnabled(false);
  }
  classes_->setCurrentIndex(classes_->findText(first));
  filling_ = false;
  if (mode_ == Mode::Add) clearForm();
  loadClass(currentClass());
  if (mode_ == Mode::Modify && !startCode.isEmpty()) {
    for (int i = 0; i < pupils_->count(); ++i)
      if (pupils_->item(i)->data(kCodeRole).toString() == startCode) pupils_->setCurrentRow(i);
  }
  (mode_ == Mode::Add ? static_cast<QWidget*>(name_) : static_cast<QWidget*>(pupils_))->setFocus();
  return true;
}

QString StudentEntryWindow::currentClass() const { return classes_->currentIndex() >= 0 ? classes_->currentText() : QString(); }

void StudentEntryWindow::classChosen() {
  if (filling_) return;
  loadClass(currentClass());
}

void StudentEntryWindow::loadClass(const QString& className) {
  classShown_->setText(className);
  // In modify mode a class change loads another pupil, who must not inherit
  // the photo; in add mode the pupil being typed stays the same.
  if (mode_ == Mode::Modify) pending_.drop();
  filling_ = true;
  pupils_->clear();
  filling_ = false;
  boys_ = girls_ = 0;
  loadedId_.clear();
  if (mode_ == Mode::Add)
    setTitleLine(QStringLiteral("您现在要添加的是%1的学生资料").arg(shortClassLabel(className)));
  if (className.isEmpty()) {
    countLine_->clear();
    if (mode_ == Mode::Modify) clearForm();
    return;
  }
  const NameList loaded = readClassPupils(state_.db, className);
  if (!loaded.ok) {
    prompt_.message(QStringLiteral("载入学生姓名数据失败！"));
    return;
  }
  stateLine_->setText(QStringLiteral("   数据载入中请稍侯....  %1").arg(loaded.pupils.size()));
  filling_ = true;
  for (const NameEntry& p : loaded.pupils) {
    auto* item = new QListWidgetItem(pupilIcon(isBoy(p.sex)), p.name, pupils_);
    item->setData(kCodeRole, p.code);
  }
  filling_ = false;
  boys_ = loaded.boys;
  girls_ = loaded.girls;
  stateLine_->setText(kWorkingState);
  updateCountLine();
  if (mode_ == Mode::Add) return;
  if (pupils_->count() == 0) {
    const QString text = noPupilsToModifyText(className);
    setTitleLine(text);
    clearForm();
    prompt_.message(text);
    return;
  }
  pupils_->setCurrentRow(0);
}

void StudentEntryWindow::pupilChosen() {
  if (filling_ || mode_ != Mode::Modify) return;
  loadPupil(pupils_->currentItem());
}

void StudentEntryWindow::loadPupil(QListWidgetItem* item) {
  pending_.drop();
  if (!item) return;
  const LoadedPupil loaded = readPupil(state_.db, currentClass(), item->text(), item->data(kCodeRole).toString());
  if (!loaded.ok) {
    loadedId_.clear();
    prompt_.message(QStringLiteral("载入学生资料数据失败！"));
    return;
  }
  loadedId_ = loaded.id;
  loadedSex_ = loaded.record.sex;
  storedPhoto_ = loaded.photo;
  fillForm(loaded.record);
  setTitleLine(QStringLiteral("您现在修改的是%1%2同学的资料").arg(currentClass(), loaded.record.name));
}

void StudentEntryWindow::setDate(QDateEdit* edit, const QString& text, std::optional<QString>* keep) {
  const QDate d = parseDateText(text);
  edit->setDate(d.isValid() ? d : QDate::currentDate());
  if (d.isValid())
    keep->reset();
  else
    *keep = text;
}

QString StudentEntryWindow::dateOf(QDateEdit* edit, const std::optional<QString>& keep) const {
  const QDate shown = edit == birthday_ ? shownBirthday_ : shownEntrance_;
  if (keep && edit->date() == shown) return *keep;
  return dateText(edit->date());
}

void StudentEntryWindow::fillForm(const PupilRecord& r) {
  filling_ = true;
  studentNumber_->setText(r.studentNumber);
  sn_->setText(r.sn);
  idCard_->setText(r.idCardNo);
  name_->setText(r.name);
  setComboText(sex_, r.sex);
  setComboText(nationality_, r.nationality);
  setDate(birthday_, r.birthday, &keepBirthday_);
  setDate(entrance_, r.entranceDate, &keepEntrance_);
  shownBirthday_ = birthday_->date();
  shownEntrance_ = entrance_->date();
  setComboText(position_, r.position);
  address_->setText(r.homeAddress);
  telephone_->setText(r.telephone);
  residence_->setText(r.residence);
  nativePlace_->setText(r.nativePlace);
  setComboText(parentA_, r.parentA);
  nameA_->setText(r.nameOfParentA);
  workA_->setText(r.workPlaceOfParentA);
  phoneA_->setText(r.telephoneOfParentA);
  setComboText(parentB_, r.parentB);
  nameB_->setText(r.nameOfParentB);
  workB_->setText(r.workPlaceOfParentB);
  phoneB_->setText(r.telephoneOfParentB);
  termComment_->setPlainText(r.comment);
  generalComment_->setPlainText(r.generalComment);
  filling_ = false;
  idFollowsRegistry_ = false;
  showPhoto();
}

void StudentEntryWindow::clearForm() {
  PupilRecord blank;
  blank.sex = sexChoices().first();
  blank.nationality = nationalityChoices().first();
  blank.position = positionChoices().first();
  blank.parentA = QStringLiteral("父亲");
  blank.parentB = QStringLiteral("母亲");
  blank.birthday = dateText(QDate::currentDate());
  blank.entranceDate = blank.birthday;
  storedPhoto_.clear();
  pending_.drop();
  fillForm(blank);
  keepBirthday_.reset();
  keepEntrance_.reset();
  idFollowsRegistry_ = mode_ == Mode::Add;
  loadedId_.clear();
}

PupilRecord StudentEntryWindow::formRecord() const {
  PupilRecord r;
  r.studentNumber = studentNumber_->text();
  r.sn = sn_->text();
  r.idCardNo = idCard_->text();
  r.name = name_->text();
  r.sex = sex_->currentText();
  r.nationality = nationality_->currentText();
  r.birthday = dateOf(birthday_, keepBirthday_);
  r.entranceDate = dateOf(entrance_, keepEntrance_);
  r.position = position_->currentText();
  r.homeAddress = address_->text();
  r.telephone = telephone_->text();
  r.residence = residence_->text();
  r.nativePlace = nativePlace_->text();
  r.parentA = parentA_->currentText();
  r.nameOfParentA = nameA_->text();
  r.workPlaceOfParentA = workA_->text();
  r.telephoneOfParentA = phoneA_->text();
  r.parentB = parentB_->currentText();
  r.nameOfParentB = nameB_->text();
  r.workPlaceOfParentB = workB_->text();
  r.telephoneOfParentB = phoneB_->text();
  r.comment = termComment_->toPlainText();
  r.generalComment = generalComment_->toPlainText();
  return r;
}

void StudentEntryWindow::setTitleLine(const QString& text) { titleLine_->setText(text); }

void StudentEntryWindow::updateCountLine() { countLine_->setText(classCountLine(currentClass(), boys_, girls_)); }

void StudentEntryWindow::registryEdited(const QString& text) {
  if (idFollowsRegistry_) idCard_->setText(text);
  const QString warning = registryNumberWarning(text);
  if (!warning.isEmpty()) prompt_.message(warning);
}

void StudentEntryWindow::termCommentChanged() {
  if (filling_) return;
  bool cut = false;
  const QString limited = limitCommentLines(termComment_->toPlainText(), &cut);
  if (!cut) return;
  filling_ = true;
  termComment_->setPlainText(limited);
  filling_ = false;
  prompt_.message(commentLimitMessage());
  termComment_->moveCursor(QTextCursor::End);
}

void StudentEntryWindow::showTermComment(bool term) {
  commentPanes_->setCurrentWidget(term ? termComment_ : generalComment_);
  termButton_->setText(term ? QStringLiteral("● 本学期评语") : QStringLiteral("本学期评语"));
  generalButton_->setText(term ? QStringLiteral("综合评价") : QStringLiteral("● 综合评价"));
  commentHeading_->setText(term ? QStringLiteral(" 本学期评语：") : QStringLiteral(" 综合评价："));
  commentNote_->setVisible(term);
}

void StudentEntryWindow::clearComment() {
  QPlainTextEdit* pane = qobject_cast<QPlainTextEdit*>(commentPanes_->currentWidget());
  if (!pane || pane->toPlainText().isEmpty()) return;
  const QString question = pane == termComment_ ? QStringLiteral("您确定要清除本学期评价的内容吗？")
                                                : QStringLiteral("您确定要清除综合评价的内容吗？");
  if (prompt_.askOkCancel(question, QStringLiteral("询问"))) pane->clear();
}

void StudentEntryWindow::showPhoto() {
  const QByteArray& bytes = pending_.pending ? pending_.bytes : storedPhoto_;
  QPixmap pm;
  if (!bytes.isEmpty() && pm.loadFromData(bytes)) {
    photo_->setPixmap(pm.scaled(kPhotoSize - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  } else {
    photo_->setPixmap(QPixmap());
    photo_->setText(QStringLiteral("照  片"));
  }
}

bool StudentEntryWindow::takePhotoFile(const QString& path) {
  QFile f(path);
  QByteArray bytes;
  if (f.open(QIODevice::ReadOnly)) bytes = f.readAll();
  QPixmap check;
  if (bytes.isEmpty() || !check.loadFromData(bytes)) {
    prompt_.message(QStringLiteral("无法读取照片文件") + QFileInfo(path).fileName() + QStringLiteral("！"),
                    QStringLiteral("提示"), ui::Icon::Exclamation);
    return false;
  }
  pending_.pending = true;
  pending_.bytes = bytes;
  showPhoto();
  return true;
}

void StudentEntryWindow::choosePhoto() {
  pending_.drop();
  const QString path = prompt_.openFile(QStringLiteral("选择学生照片"), kPhotoFilter);
  if (path.isEmpty() || !takePhotoFile(path)) showPhoto();
}

void StudentEntryWindow::deletePhoto() {
  if (photo_->pixmap().isNull()) return;
  if (!prompt_.askOkCancel(QStringLiteral("您确定要删除%1同学的照片吗？").arg(name_->text()), QStringLiteral("询问")))
    return;
  pending_.pending = true;
  pending_.bytes.clear();
  showPhoto();
}

void StudentEntryWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void StudentEntryWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty()) return;
  const QString path = urls.first().toLocalFile();
  if (path.isEmpty() || !droppablePicture(path)) return;
  event->acceptProposedAction();
  takePhotoFile(path);
}

void StudentEntryWindow::save() {
  const QString cls = currentClass();
  const PupilRecord record = formRecord();
  SaveOutcome outcome;
  if (mode_ == Mode::Add) {
    outcome = addPupil(state_.db, prompt_, cls, record, pending_,
                       [this, &record](const SaveOutcome& o) { addSavedPupil(o, record); });
  } else {
    if (pupils_->count() == 0 || !pupils_->currentItem()) {
      const QString text = noPupilsToModifyText(cls);
      prompt_.message(text);
      clearForm();
      return;
    }
    const QString code = pupils_->currentItem()->data(kCodeRole).toString();
    if (loadedId_.isEmpty()) {
      prompt_.message(QStringLiteral("载入学生资料数据失败！"));
      return;
    }
    outcome = updatePupil(state_.db, prompt_, cls, code, loadedId_, record, pending_,
                          [this, &record](const SaveOutcome&) { updateSavedPupil(record); });
  }
  if (outcome.status == SaveOutcome::Status::NameMissing) name_->setFocus();
  if (outcome.status != SaveOutcome::Status::Saved) return;
  saved_ = true;
  if (!savedClasses_.contains(cls)) savedClasses_ << cls;
  core::writeOperationLog(state_, record.name.trimmed() + (mode_ == Mode::Add ? QStringLiteral("的资料被添加。")
                                                                              : QStringLiteral("的资料被修改。")));
  showPhoto();
}

void StudentEntryWindow::addSavedPupil(const SaveOutcome& outcome, const PupilRecord& record) {
  auto* item = new QListWidgetItem(pupilIcon(isBoy(record.sex)), record.name.trimmed());
  item->setData(kCodeRole, outcome.code);
  filling_ = true;
  pupils_->addItem(item);
  filling_ = false;
  (isBoy(record.sex) ? boys_ : girls_) += 1;
  updateCountLine();
  // The class stays; the pending photo belongs to the pupil just saved and is
  // written by the service before the form takes the next pupil's photo.
  PendingPhoto keep = pending_;
  clearForm();
  pending_ = keep;
  name_->setFocus();
}

void StudentEntryWindow::updateSavedPupil(const PupilRecord& record) {
  QListWidgetItem* item = pupils_->currentItem();
  if (!item) return;
  item->setText(record.name.trimmed());
  if (isBoy(record.sex) != isBoy(loadedSex_)) {
    item->setIcon(pupilIcon(isBoy(record.sex)));
    if (isBoy(record.sex)) {
      ++boys_;
      --girls_;
    } else {
      --boys_;
      ++girls_;
    }
    updateCountLine();
  }
  loadedSex_ = record.sex;
  if (pending_.pending) storedPhoto_ = pending_.bytes;
  setTitleLine(QStringLiteral("您现在修改的是%1%2同学的资料").arg(currentClass(), record.name.trimmed()));
}

}  // namespace sa::students
