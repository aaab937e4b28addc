#pragma once
// The help file "Help.chm" in the application folder: the manual and the
// topic that belongs to the current main page.
#include <QString>

#include "app/ui/prompt.h"

namespace sa::core {

// The topic of a main page ("Help.chm::/index.html" for page 0); "" for pages
// that have no help yet (7 and 14) and for pages that are never shown.
QString helpTopicForPage(int page);

// Opens "<appDir>/Help.chm", at `topic` where the platform's viewer can go to
// one. Tells the user when the file or a viewer is missing.
void openHelp(const QString& appDir, const QString& topic, ui::Prompt& prompt);

// "即时帮助": the current page's topic, or "暂无帮助".
void openContextHelp(const QString& appDir, int page, ui::Prompt& prompt);

}  // namespace sa::core
