#pragma once
// The workstation's config.ini: created with defaults on the first start, the
// per-start keys rewritten at every start, and the values start-up needs read.
#include <QString>

namespace sa::core {

struct StartupConfig {
  int interfaceStyle = 0;
  int subjectCount = 10;            // clamped to 10..13
  bool floatingWindowShown = false; // FloatingWindow/Presentation is "1"
};

// Creates the file when missing, writes Window/hwnd, OpenIcon/Icon and
// Edition/Edition, and reads Interface/Style, Subjects/Number and
// FloatingWindow/Presentation.
StartupConfig prepareConfigIni(const QString& path, const QString& schoolName, const QString& exeName,
                               qulonglong windowHandle);

// Subjects/Number as text to the subject count: numbers above 13 give 13, below
// 10 (and text that is no number) give 10.
int clampSubjectCount(const QString& text);

}  // namespace sa::core
