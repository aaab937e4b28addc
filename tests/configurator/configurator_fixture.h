#pragma once
// Shared by the Configurator's tests: a small application image holding the two
// placeholder areas, and a scratch directory made the current directory (where
// "update.txt" is written).
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include "app/ui/scripted_prompt.h"
#include "settings/settings_block.h"

namespace sa::configurator::test {

// Code bytes, the 1002-byte block, more bytes: what the writer must find.
QByteArray smallAppImage();

// "update.txt" exactly as it must be written.
QByteArray expectedUpdateTemplate();

// A password that makes the credentials of `user` encipher to bytes holding a
// zero byte (the application would read them cut short).
QString passwordWithZeroInCipher(const QString& user);

class ConfiguratorTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  QString path(const QString& name) const { return dir_.filePath(name); }
  bool exists(const QString& name) const;
  QByteArray read(const QString& name) const;
  // The settings a written application file carries.
  settings::Settings settingsIn(const QString& name) const;

  ui::ScriptedPrompt prompt;
  QByteArray image = smallAppImage();

 private:
  QTemporaryDir dir_;
  QString previousDir_;
};

}  // namespace sa::configurator::test
