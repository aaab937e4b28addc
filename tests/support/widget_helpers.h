#pragma once
// Small helpers for tests that drive real windows.
#include <QDir>
#include <QTest>
#include <QWidget>

namespace sa::test {

// QTest sends a widget only the double-click event; a real double-click
// starts with a press and release.
inline void doubleClick(QWidget* w, Qt::MouseButton b, Qt::KeyboardModifiers m, QPoint pos) {
  QTest::mouseClick(w, b, m, pos);
  QTest::mouseDClick(w, b, m, pos);
}

// Keeps a picture of the widget as <name>.png in the folder named by
// SA_SCREENSHOT_DIR, for a look at how it renders; does nothing without it.
inline void saveScreenshot(QWidget& w, const QString& name) {
  const QString dir = qEnvironmentVariable("SA_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

}  // namespace sa::test
