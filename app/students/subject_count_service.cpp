#include "app/students/subject_count_service.h"

#include "common/ini_file.h"

namespace sa::students {

std::optional<int> parseSubjectCount(const QString& text) {
  const QString t = text.trimmed();
  for (QChar c : t)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
  bool ok = false;
  const int n = t.toInt(&ok);
  if (!ok || n < kMinSubjectCount || n > kMaxSubjectCount) return std::nullopt;
  return n;
}

bool saveSubjectCount(core::AppState& state, ui::Prompt& prompt, const QString& text) {
  const auto n = parseSubjectCount(text);
  if (!n) {
    prompt.message(QStringLiteral("保存失败，你输入的数不符要求"));
    return false;
  }
  if (!IniFile(state.configIniPath()).write(QStringLiteral("Subjects"), QStringLiteral("Number"), text.trimmed())) {
    prompt.message(QStringLiteral("保存失败，配置文件config.ini不能写入！"), QStringLiteral("错误"), ui::Icon::Error);
    return false;
  }
  state.subjectCount = *n;
  return true;
}

QString subjectCountHint() { return QStringLiteral("默认科目数是10，请输入10到13之间的数"); }
QString subjectCountDigitsOnlyHint() { return QStringLiteral("请输入10到13之间的数字"); }

}  // namespace sa::students
