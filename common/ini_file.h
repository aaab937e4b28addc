#pragma once
// An INI file in GBK, read and written one key at a time, with the rules of
// the Windows profile functions that the workstation files were made for:
// section and key names match regardless of ASCII letter case, a value is the
// text after the first '=' with surrounding whitespace removed, and writing
// one key leaves every other line of the file as it was, byte for byte.
#include <QString>
#include <QStringList>
#include <utility>

namespace sa {

class IniFile {
 public:
  explicit IniFile(QString path) : path_(std::move(path)) {}

  const QString& path() const { return path_; }

  // The value of the key, or `fallback` when the file, the section or the key
  // is missing (a key present with an empty value gives "").
  QString read(const QString& section, const QString& key, const QString& fallback = QString()) const;

  // Sets the key, creating the file, the section and the key as needed. Only
  // the key's own line changes. False, and the file untouched, when the file
  // cannot be written, when a name is empty or could not be read back as the
  // same name (line breaks, '=' in a key, ']' in a section, a leading ';' or
  // '['), or when a text has characters GBK cannot hold.
  bool write(const QString& section, const QString& key, const QString& value);

  // Removes every line of the key from the section. True when the key is gone
  // afterwards (also when it never existed); false when the file could not be
  // rewritten.
  bool removeKey(const QString& section, const QString& key);

  // The keys of the section in file order, as they are spelt in the file,
  // each once. Empty when the file or the section is missing.
  QStringList keys(const QString& section) const;

  // The section names in file order, each once.
  QStringList sections() const;

 private:
  QString path_;
};

}  // namespace sa
