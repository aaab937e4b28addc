#include "app/students/student_detail_page.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/students/roster_model.h"

namespace sa::students {

namespace {

constexpr QSize kPhotoSize(132, 168);
constexpr int kIdRole = Qt::UserRole + 1;

struct ShownField {
  const char* caption;
  const char* objectName;
  const char* column;
};

// The fields shown on the page and the column each comes from.
const ShownField kFields[] = {
    {"个人识别码", "识别码显示", "PersonalCode"}, {"学籍主号", "学籍主号显示", "StudentNumber"},
    {"学籍副号", "学籍副号显示", "SN"},           {"身份证号码", "身份证号显示", "IDcardNo"},
    {"姓    名", "姓名显示", "name"},             {"性    别", "性别显示", "sex"},
    {"民    族", "民族显示", "nationality"},      {"出生日期", "出生日期显示", "birthday"},
    {"入学日期", "入学日期显示", "EntranceDate"}, {"所在班级", "班级显示", "class"},
    {"班级分类", "班级分类显示", "TypeOfClass"},  {"班内职务", "职务显示", "Positon"},
    {"联系电话", "电话显示", "Telephone"},        {"是否团员", "团员显示", "LeagueMember"},
    {"籍    贯", "籍贯显示", "Residence"},        {"户口所在地", "户籍显示", "NativePlace"},
    {"家庭住址", "住址显示", "HomeAddress"},      {"思    品", "思品显示", "Morality"},
    {"迟    到", "迟到显示", "LateArrival"},      {"旷    课", "旷课显示", "ClassCutting"},
    {"事    假", "事假显示", "PersonalLeave"},    {"病    假", "病假显示", "SickLeave"},
    {"奖    惩", "奖惩显示", "Reward"},           {"总    分", "总分显示", "Total"},
    {"备用字段", "备用字段显示", "SpareField"},   {"离校日期", "离校日期显示", "LeavingDate"},
    {"离校原因", "离校原因显示", "LeavingCause"},
};

const char* const kGuardianColumns[2][4] = {
    {"ParentA", "NameOfParentA", "WorkPlaceOfParentA", "TelephoneOfParentA"},
    {"ParentB", "NameOfParentB", "WorkPlaceOfParentB", "TelephoneOfParentB"},
};

struct CopyableField {
  const char* objectName;
  CopyField field;
};
const CopyableField kCopyable[] = {
    {"学籍主号显示", CopyField::StudentNumber},
    {"学籍副号显示", CopyField::SecondaryNumber},
    {"身份证号显示", CopyField::IdCard},
    {"住址显示", CopyField::HomeAddress},
};

QString guardianName(int g, int i) { return QStringLiteral("家长%1显示%2").arg(g + 1).arg(i + 1); }

}  // namespace

StudentDetailPage::StudentDetailPage(core::AppState& state, ui::Prompt& prompt, QWidget* parent)
    : QWidget(parent), state_(state), prompt_(prompt) {
  setObjectName(QStringLiteral("学生资料页"));
  build();
}

QLabel* StudentDetailPage::addField(QGridLayout* grid, int row, int column, const QString& caption,
                                    const QString& name, int span) {
  auto* c = new QLabel(caption + QStringLiteral("："), this);
  c->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  c->setStyleSheet(QStringLiteral("color: #4a5a6a;"));
  auto* v = new QLabel(this);
  v->setObjectName(name);
  v->setTextInteractionFlags(Qt::NoTextInteraction);
  v->setMinimumWidth(90);
  v->setStyleSheet(QStringLiteral("QLabel { border-bottom: 1px solid #c8d0d8; padding: 1px 3px; }"));
  grid->addWidget(c, row, column);
  grid->addWidget(v, row, column + 1, 1, span);
  values_.insert(name, v);
  if (name == QStringLiteral("离校日期显示")) leavingDateCaption_ = c;
  if (name == QStringLiteral("离校原因显示")) leavingCauseCaption_ = c;
  return v;
}

void StudentDetailPage::build() {
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);

  auto* left = new QVBoxLayout;
  chooser_ = new QComboBox(this);
  chooser_->setObjectName(QStringLiteral("学生资料班级组合框"));
  chooser_->setMaxVisibleItems(20);
  names_ = new QListWidget(this);
  names_->setObjectName(QStringLiteral("学生资料姓名列表框"));
  names_->setIconSize(QSize(16, 16));
  names_->setContextMenuPolicy(Qt::CustomContextMenu);
  progress_ = new QProgressBar(this);
  progress_->setObjectName(QStringLiteral("学生资料进度条"));
  progress_->setMaximumHeight(12);
  progress_->setTextVisible(false);
  progress_->setValue(0);
  countLine_ = new QLabel(this);
  countLine_->setObjectName(QStringLiteral("学生资料人数标签"));
  countLine_->setWordWrap(true);
  left->addWidget(chooser_);
  left->addWidget(names_, 1);
  left->addWidget(progress_);
  left->addWidget(countLine_);
  auto* leftBox = new QWidget(this);
  leftBox->setLayout(left);
  leftBox->setFixedWidth(230);
  outer->addWidget(leftBox);

  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* detail = new QWidget(scroll);
  auto* right = new QVBoxLayout(detail);
  right->setContentsMargins(6, 0, 6, 0);

  auto* topRow = new QHBoxLayout;
  tutorLine_ = new QLabel(detail);
  tutorLine_->setObjectName(QStringLiteral("班主任标签"));
  leftNotice_ = new QLabel(detail);
  leftNotice_->setObjectName(QStringLiteral("离校提示标签"));
  leftNotice_->setStyleSheet(QStringLiteral("color: #b03030; text-decoration: underline;"));
  leftNotice_->setCursor(Qt::PointingHandCursor);
  leftNotice_->installEventFilter(this);
  topRow->addWidget(tutorLine_);
  topRow->addStretch(1);
  topRow->addWidget(leftNotice_);
  right->addLayout(topRow);

  auto* fieldsRow = new QHBoxLayout;
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(5);
  // Three caption/value pairs a row; the addresses take a whole row.
  int row = 0, col = 0;
  for (const ShownField& f : kFields) {
    const QString name = QString::fromUtf8(f.objectName);
    const bool wide = name == QStringLiteral("住址显示") || name == QStringLiteral("户籍显示") ||
                      name == QStringLiteral("奖惩显示");
    if (wide && col != 0) {
      ++row;
      col = 0;
    }
    addField(grid, row, col * 2, QString::fromUtf8(f.caption), name, wide ? 5 : 1);
    if (wide || ++col == 3) {
      ++row;
      col = 0;
    }
  }
  for (int c : {1, 3, 5}) grid->setColumnStretch(c, 1);
  fieldsRow->addLayout(grid, 1);

  photo_ = new QLabel(detail);
  photo_->setObjectName(QStringLiteral("学生照片显示"));
  photo_->setFixedSize(kPhotoSize);
  photo_->setAlignment(Qt::AlignCenter);
  photo_->setStyleSheet(QStringLiteral("QLabel#学生照片显示 { background: #f4f6f8; color: #999; border: 1px solid #9aa; }"));
  photo_->setContextMenuPolicy(Qt::CustomContextMenu);
  photo_->installEventFilter(this);
  auto* photoColumn = new QVBoxLayout;
  photoColumn->addWidget(photo_);
  photoColumn->addStretch(1);
  fieldsRow->addLayout(photoColumn);
  right->addLayout(fieldsRow);

  auto* guardians = new QGroupBox(QStringLiteral("家长资料"), detail);
  auto* gg = new QGridLayout(guardians);
  gg->setVerticalSpacing(3);
  const char* const headings[] = {"称呼", "姓名", "工作单位", "电话"};
  for (int i = 0; i < 4; ++i) {
    auto* h = new QLabel(QString::fromUtf8(headings[i]), guardians);
    h->setStyleSheet(QStringLiteral("color: #4a5a6a;"));
    gg->addWidget(h, 0, i);
  }
  for (int g = 0; g < 2; ++g)
    for (int i = 0; i < 4; ++i) {
      auto* v = new QLabel(guardians);
      v->setObjectName(guardianName(g, i));
      values_.insert(v->objectName(), v);
      gg->addWidget(v, g + 1, i);
    }
  gg->setColumnStretch(2, 2);
  gg->setColumnStretch(1, 1);
  gg->setColumnStretch(3, 1);
  right->addWidget(guardians);

  scores_ = new QTableWidget(3, 0, detail);
  scores_->setObjectName(QStringLiteral("学生成绩表"));
  scores_->setVerticalHeaderLabels({QStringLiteral("期中"), QStringLiteral("期末"), QStringLiteral("其他")});
  scores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  scores_->setSelectionMode(QAbstractItemView::NoSelection);
  scores_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  scores_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  scores_->verticalHeader()->setDefaultSectionSize(22);
  scores_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scores_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  right->addWidget(scores_);

  comments_ = new QPlainTextEdit(detail);
  comments_->setObjectName(QStringLiteral("学生评语显示框"));
  comments_->setReadOnly(true);
  comments_->setMinimumHeight(90);
  right->addWidget(comments_, 1);

  scroll->setWidget(detail);
  outer->addWidget(scroll, 1);

  for (const CopyableField& c : kCopyable) {
    QLabel* v = values_.value(QString::fromUtf8(c.objectName));
    v->installEventFilter(this);
    v->setToolTip(QStringLiteral("双击复制"));
  }

  connect(chooser_, &QComboBox::currentIndexChanged, this, [this] { keyChosen(); });
  connect(names_, &QListWidget::currentRowChanged, this, [this] { pupilChosen(); });
  connect(names_, &QListWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    if (QListWidgetItem* item = names_->itemAt(at)) names_->setCurrentItem(item);
    emit nameMenuRequested(names_->viewport()->mapToGlobal(at));
  });
  connect(photo_, &QLabel::customContextMenuRequested, this,
          [this](const QPoint& at) { emit photoMenuRequested(photo_->mapToGlobal(at)); });
  clearDetail();
}

bool StudentDetailPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (watched == photo_) {
      showEnlargedPhoto();
      return true;
    }
    for (const CopyableField& c : kCopyable)
      if (watched == values_.value(QString::fromUtf8(c.objectName))) {
        copyField(c.field);
        return true;
      }
  }
  if (watched == leftNotice_ && event->type() == QEvent::MouseButtonRelease) {
    showLeavingReason();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

bool StudentDetailPage::open(PupilView view, const QString& key, const QString& id) {
  view_ = view;
  QStringList entries;
  if (view == PupilView::InSchool) {
    classes_ = readClasses(state_.db);
    if (!classes_.ok) {
      prompt_.message(QStringLiteral("读取班级表失败！"), QStringLiteral("错误"), ui::Icon::Error);
      return false;
    }
    entries = classes_.names();
    if (entries.isEmpty()) {
      prompt_.message(QStringLiteral("目前没有班级数据，请先进行校务设置！"));
      return false;
    }
  } else if (view == PupilView::Graduates) {
    const DateList dates = readGraduationDates(state_.db);
    if (!dates.ok) {
      prompt_.message(QStringLiteral("读取毕业时间表失败！"), QStringLiteral("错误"), ui::Icon::Error);
      return false;
    }
    entries = dates.dates;
    if (entries.isEmpty()) {
      prompt_.message(QStringLiteral("目前没有毕业生数据！"));
      return false;
    }
  } else {
    entries = {leaversChooserEntry()};
  }
  filling_ = true;
  chooser_->clear();
  chooser_->addItems(entries);
  const int at = key.isEmpty() ? -1 : chooser_->findText(key);
  chooser_->setCurrentIndex(at >= 0 ? at : 0);
  filling_ = false;
  emit statusChanged(2, detailStatus(view));
  emit statusChanged(3, detailHint(view));
  loadNames(id);
  return true;
}

void StudentDetailPage::reload() {
  // The chooser too: classes may have been added or deleted meanwhile.
  const std::optional<SelectedPupil> chosen = selectedPupil();
  open(view_, currentKey(), chosen ? chosen->id : QString());
}

QString StudentDetailPage::currentKey() const { return chooser_->currentText(); }

void StudentDetailPage::keyChosen() {
  if (filling_) return;
  loadNames({});
}

void StudentDetailPage::loadNames(const QString& keepId) {
  const QString key = currentKey();
  filling_ = true;
  names_->clear();
  entries_.clear();
  filling_ = false;
  clearDetail();
  const NameList list = readNameList(state_.db, view_, key);
  if (!list.ok) {
    prompt_.message(view_ == PupilView::InSchool ? QStringLiteral("读取学籍表失败！") : QStringLiteral("读取学生资料失败！"),
                    QStringLiteral("错误"), ui::Icon::Error);
    return;
  }
  progress_->setRange(0, std::max<int>(1, int(list.pupils.size())));
  filling_ = true;
  int i = 0;
  for (const NameEntry& e : list.pupils) {
    auto* item = new QListWidgetItem(pupilIcon(isBoy(e.sex)), e.name, names_);
    item->setData(Qt::UserRole, e.code);
    item->setData(kIdRole, e.id);
    progress_->setValue(++i);
  }
  entries_ = list.pupils;
  filling_ = false;
  countLine_->setText(nameListCountLine(view_, list));
  if (list.pupils.isEmpty()) {
    emit headingChanged(missingPupilHeading(state_.schoolName, key));
    prompt_.message(emptyNameListText(view_, key), QStringLiteral("提  示"), ui::Icon::Information);
    return;
  }
  if (keepId.isEmpty() || !selectPupil(keepId)) names_->setCurrentRow(0);
}

bool StudentDetailPage::selectPupil(const QString& id) {
  for (int i = 0; i < names_->count(); ++i)
    if (names_->item(i)->data(kIdRole).toString() == id) {
      names_->setCurrentRow(i);
      return true;
    }
  return false;
}

void StudentDetailPage::pupilChosen() {
  if (filling_) return;
  const int row = names_->currentRow();
  if (row < 0 || row >= entries_.size()) {
    clearDetail();
    return;
  }
  showPupil(entries_[row]);
}

std::optional<SelectedPupil> StudentDetailPage::selectedPupil() const {
  const int row = names_->currentRow();
  if (row < 0 || row >= entries_.size()) return std::nullopt;
  const NameEntry& e = entries_[row];
  SelectedPupil p;
  p.view = view_;
  p.id = e.id;
  p.code = e.code;
  p.name = e.name;
  p.className = view_ == PupilView::InSchool ? currentKey() : values_.value(QStringLiteral("班级显示"))->text();
  p.leavingDate = view_ == PupilView::Graduates ? currentKey() : shownLeavingDate_;
  return p;
}

void StudentDetailPage::removePupil(const QString& id) {
  int row = -1;
  for (int i = 0; i < entries_.size(); ++i)
    if (entries_[i].id == id) row = i;
  if (row < 0) return;
  filling_ = true;
  delete names_->takeItem(row);
  entries_.removeAt(row);
  filling_ = false;
  NameList counted;
  counted.ok = true;
  counted.pupils = entries_;
  for (const NameEntry& e : entries_) (isBoy(e.sex) ? counted.boys : counted.girls) += 1;
  countLine_->setText(nameListCountLine(view_, counted));
  if (names_->count() == 0) {
    clearDetail();
    emit headingChanged(missingPupilHeading(state_.schoolName, currentKey()));
    return;
  }
  names_->setCurrentRow(-1);
  names_->setCurrentRow(0);
}

void StudentDetailPage::clearDetail() {
  for (QLabel* v : std::as_const(values_)) v->clear();
  photoBytes_.clear();
  shownName_.clear();
  shownLeavingDate_.clear();
  shownLeavingCause_.clear();
  photo_->setPixmap(QPixmap());
  photo_->setText(QStringLiteral("照  片"));
  comments_->clear();
  tutorLine_->clear();
  leftNotice_->clear();
  leftNotice_->hide();
  const bool left = view_ != PupilView::InSchool;
  for (const char* n : {"离校日期显示", "离校原因显示"}) values_.value(QString::fromUtf8(n))->setVisible(left);
  leavingDateCaption_->setVisible(left);
  leavingCauseCaption_->setVisible(left);
  scores_->setColumnCount(0);
}

void StudentDetailPage::showPupil(const NameEntry& entry) {
  clearDetail();
  const PupilDetail d = readPupilDetail(state_.db, view_, entry.code, entry.id);
  if (!d.ok || !d.found) {
    if (!d.ok) prompt_.message(QStringLiteral("读取学生资料失败！"), QStringLiteral("错误"), ui::Icon::Error);
    emit headingChanged(missingPupilHeading(state_.schoolName, view_ == PupilView::InSchool ? currentKey() : QString()));
    return;
  }
  for (const ShownField& f : kFields) {
    QString text = d.field(QString::fromLatin1(f.column));
    if (QByteArray(f.column) == "Morality") text = moralityWord(text);
    values_.value(QString::fromUtf8(f.objectName))->setText(text);
  }
  for (int g = 0; g < 2; ++g)
    for (int i = 0; i < 4; ++i)
      values_.value(guardianName(g, i))->setText(d.field(QString::fromLatin1(kGuardianColumns[g][i])));
  shownName_ = d.field(QStringLiteral("name"));
  shownLeavingDate_ = d.field(QStringLiteral("LeavingDate"));
  shownLeavingCause_ = d.field(QStringLiteral("LeavingCause"));
  const QString cls = d.field(QStringLiteral("class"));

  photoBytes_ = d.photo;
  QPixmap pm;
  if (!photoBytes_.isEmpty() && pm.loadFromData(photoBytes_))
    photo_->setPixmap(pm.scaled(kPhotoSize - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation));

  comments_->setPlainText(commentPaneText(d.field(QStringLiteral("CommentOfThisTerm")),
                                          d.field(QStringLiteral("GeneralComment"))));
  fillScores(d);

  const QString date = view_ == PupilView::Graduates ? currentKey() : shownLeavingDate_;
  emit headingChanged(detailHeading(view_, state_.schoolName, cls, shownName_, date));
  if (view_ == PupilView::InSchool) {
    tutorLine_->setText(QStringLiteral("本班班主任：") + classes_.tutorOf(cls));
  } else if (view_ == PupilView::Leavers) {
    leftNotice_->setText(leftSchoolNotice(shownName_));
    leftNotice_->show();
  }
}

void StudentDetailPage::fillScores(const PupilDetail& d) {
  const int shown = std::clamp(state_.subjectCount, 10, kMaxShownSubjects);
  const SubjectLabels labels = readSubjectLabels(state_.db, d.field(QStringLiteral("class")));
  if (!labels.ok) prompt_.message(QStringLiteral("    读取课程科目失败！   "), QStringLiteral("错误"), ui::Icon::Error);
  QStringList headings;
  for (int slot = 1; slot <= shown; ++slot) {
    const QString subject = labels.subjects.value(slot - 1);
    headings << (subject.isEmpty() ? QStringLiteral("科目%1").arg(slot) : subject);
  }
  headings << QStringLiteral("班序") << QStringLiteral("段序");
  scores_->setColumnCount(int(headings.size()));
  scores_->setHorizontalHeaderLabels(headings);
  // Exactly the three score rows, whatever the header's font makes of it.
  scores_->setFixedHeight(scores_->horizontalHeader()->sizeHint().height() + scores_->verticalHeader()->length() +
                          2 * scores_->frameWidth());
  const char* const sets[3] = {"MidTerm", "TermEnd", "Other"};
  const char* const places[3][2] = {{"MidClassPlace", "MidGradePlace"},
                                    {"EndClassPlace", "EndGradePlace"},
                                    {"OtherClassPlace", "OtherGradePlace"}};
  for (int r = 0; r < 3; ++r) {
    for (int slot = 1; slot <= shown; ++slot) {
      auto* item = new QTableWidgetItem(d.field(QString::fromLatin1(sets[r]) + QString::number(slot)));
      item->setTextAlignment(Qt::AlignCenter);
      scores_->setItem(r, slot - 1, item);
    }
    for (int p = 0; p < 2; ++p) {
      auto* item = new QTableWidgetItem(d.field(QString::fromLatin1(places[r][p])));
      item->setTextAlignment(Qt::AlignCenter);
      scores_->setItem(r, shown + p, item);
    }
  }
}

void StudentDetailPage::copyField(CopyField field) {
  const char* name = "";
  for (const CopyableField& c : kCopyable)
    if (c.field == field) name = c.objectName;
  const QString text = values_.value(QString::fromUtf8(name))->text();
  if (text.isEmpty()) return;
  QGuiApplication::clipboard()->setText(text);
  prompt_.message(copiedText(field), QStringLiteral("提示"));
}

void StudentDetailPage::showLeavingReason() {
  if (shownName_.isEmpty()) return;
  prompt_.message(leftSchoolReason(shownName_, shownLeavingDate_, shownLeavingCause_));
}

void StudentDetailPage::showEnlargedPhoto() {
  QPixmap pm;
  if (photoBytes_.isEmpty() || !pm.loadFromData(photoBytes_)) return;
  auto* dialog = new QDialog(this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setObjectName(QStringLiteral("放大照片窗口"));
  dialog->setWindowTitle(shownName_ + QStringLiteral("同学的照片"));
  auto* layout = new QVBoxLayout(dialog);
  auto* label = new QLabel(dialog);
  const QSize room = screen() ? screen()->availableSize() * 0.8 : QSize(800, 800);
  label->setPixmap(pm.size().boundedTo(room) == pm.size() && pm.width() >= 300
                       ? pm
                       : pm.scaled(room.boundedTo(QSize(600, 800)), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  layout->addWidget(label);
  dialog->open();
}

}  // namespace sa::students
