#include "common/ini_file.h"

#include <QFile>
#include <optional>
#include <vector>

#include "common/gbk.h"
#include "common/whole_file.h"

namespace sa {
namespace {

// One line of the file as it stands on disk. Lines are split on the byte
// '\n', which never occurs inside a GBK character, and kept as bytes so that
// lines we do not touch are written back exactly, whatever they contain.
struct Line {
  QByteArray text;  // without the line end
  QByteArray end;   // "\r\n", "\n", or "" for a last line without one
};

enum class Kind { Other, Section, Key };

struct Parsed {
  Kind kind = Kind::Other;
  QString name;   // section or key name
  QString value;  // key lines only
};

// The profile functions trim ASCII blanks only; a full-width space at either
// end of a value is part of the value.
bool isAsciiBlank(QChar c) {
  const char16_t u = c.unicode();
  return u == ' ' || u == '\t' || u == '\r' || u == '\v' || u == '\f';
}

QString trimAscii(const QString& s) {
  qsizetype from = 0;
  qsizetype to = s.size();
  while (from < to && isAsciiBlank(s[from])) ++from;
  while (to > from && isAsciiBlank(s[to - 1])) --to;
  return s.mid(from, to - from);
}

char16_t lowerAscii(char16_t u) { return (u >= 'A' && u <= 'Z') ? char16_t(u + ('a' - 'A')) : u; }

// ASCII letters match in either case; everything else (Chinese names,
// full-width letters) must match exactly.
bool sameName(const QString& a, const QString& b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (lowerAscii(a[i].unicode()) != lowerAscii(b[i].unicode())) return false;
  return true;
}

Parsed parse(const Line& line) {
  const QString t = trimAscii(gbk::decode(line.text));
  Parsed p;
  if (t.isEmpty() || t.startsWith(u';')) return p;
  if (t.startsWith(u'[')) {
    const qsizetype close = t.indexOf(u']', 1);
    p.kind = Kind::Section;
    p.name = trimAscii(close < 0 ? t.mid(1) : t.mid(1, close - 1));
    return p;
  }
  const qsizetype eq = t.indexOf(u'=');
  if (eq <= 0) return p;
  p.name = trimAscii(t.left(eq));
  if (p.name.isEmpty()) return p;
  p.kind = Kind::Key;
  p.value = trimAscii(t.mid(eq + 1));
  return p;
}

struct Document {
  bool exists = false;
  std::vector<Line> lines;
  std::vector<Parsed> parsed;
};

// Missing file: an empty document. Unreadable file: nothing, so that a write
// never replaces a file it could not read.
std::optional<Document> load(const QString& path) {
  Document doc;
  QFile file(path);
  if (!file.exists()) return doc;
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  doc.exists = true;
  qsizetype start = 0;
  while (start < bytes.size()) {
    const qsizetype nl = bytes.indexOf('\n', start);
    Line line;
    if (nl < 0) {
      line.text = bytes.mid(start);
      start = bytes.size();
    } else {
      const bool crlf = nl > start && bytes[nl - 1] == '\r';
      line.text = bytes.mid(start, nl - start - (crlf ? 1 : 0));
      line.end = crlf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
      start = nl + 1;
    }
    doc.parsed.push_back(parse(line));
    doc.lines.push_back(std::move(line));
  }
  return doc;
}

// The line end new lines get: that of the file's first line, "\r\n" for a new
// or single-line file.
QByteArray lineEndOf(const Document& doc) {
  if (!doc.lines.empty() && !doc.lines.front().end.isEmpty()) return doc.lines.front().end;
  return QByteArrayLiteral("\r\n");
}

bool save(const QString& path, const Document& doc) {
  QByteArray bytes;
  for (const Line& l : doc.lines) bytes += l.text + l.end;
  return writeWholeFile(path, bytes);
}

// Index of the first header of the section, or -1.
qsizetype findSection(const Document& doc, const QString& section) {
  for (size_t i = 0; i < doc.parsed.size(); ++i)
    if (doc.parsed[i].kind == Kind::Section && sameName(doc.parsed[i].name, section)) return qsizetype(i);
  return -1;
}

// One past the last line of the section that starts at `header`.
size_t sectionEnd(const Document& doc, qsizetype header) {
  size_t i = size_t(header) + 1;
  while (i < doc.parsed.size() && doc.parsed[i].kind != Kind::Section) ++i;
  return i;
}

bool survivesGbk(const QString& s) { return gbk::decode(gbk::encode(s)) == s; }

bool hasLineBreak(const QString& s) { return s.contains(u'\n') || s.contains(u'\r'); }

// A name that the reader would see again exactly as given.
bool isWritableName(const QString& name) {
  return !name.isEmpty() && trimAscii(name) == name && !hasLineBreak(name) && !name.startsWith(u';') &&
         !name.startsWith(u'[') && survivesGbk(name);
}

void insertLine(Document& doc, size_t at, const QString& text) {
  const QByteArray end = lineEndOf(doc);
  // A last line without a line end must get one before anything follows it.
  if (at > 0 && doc.lines[at - 1].end.isEmpty()) doc.lines[at - 1].end = end;
  Line line{gbk::encode(text), end};
  doc.parsed.insert(doc.parsed.begin() + qsizetype(at), parse(line));
  doc.lines.insert(doc.lines.begin() + qsizetype(at), std::move(line));
}

}  // namespace

QString IniFile::read(const QString& section, const QString& key, const QString& fallback) const {
  const std::optional<Document> doc = load(path_);
  if (!doc) return fallback;
  const qsizetype header = findSection(*doc, section);
  if (header < 0) return fallback;
  const size_t end = sectionEnd(*doc, header);
  for (size_t i = size_t(header) + 1; i < end; ++i) {
    const Parsed& p = doc->parsed[i];
    if (p.kind == Kind::Key && sameName(p.name, key)) return p.value;
  }
  return fallback;
}

bool IniFile::write(const QString& section, const QString& key, const QString& value) {
  if (!isWritableName(section) || section.contains(u']')) return false;
  if (!isWritableName(key) || key.contains(u'=')) return false;
  if (hasLineBreak(value) || !survivesGbk(value)) return false;

  std::optional<Document> doc = load(path_);
  if (!doc) return false;

  const qsizetype header = findSection(*doc, section);
  if (header < 0) {
    insertLine(*doc, doc->lines.size(), QLatin1Char('[') + section + QLatin1Char(']'));
    insertLine(*doc, doc->lines.size(), key + QLatin1Char('=') + value);
    return save(path_, *doc);
  }

  const size_t end = sectionEnd(*doc, header);
  size_t lastKey = size_t(header);
  for (size_t i = size_t(header) + 1; i < end; ++i) {
    const Parsed& p = doc->parsed[i];
    if (p.kind != Kind::Key) continue;
    if (sameName(p.name, key)) {
      // Keep the key as spelt in the file and everything up to the '='; only
      // the value changes.
      Line& line = doc->lines[i];
      line.text = line.text.left(line.text.indexOf('=') + 1) + gbk::encode(value);
      doc->parsed[i] = parse(line);
      return save(path_, *doc);
    }
    lastKey = i;
  }
  // New keys go after the section's last key, so blank lines and comments
  // that lead into the next section stay in front of it.
  insertLine(*doc, lastKey + 1, key + QLatin1Char('=') + value);
  return save(path_, *doc);
}

bool IniFile::removeKey(const QString& section, const QString& key) {
  std::optional<Document> doc = load(path_);
  if (!doc) return false;
  const qsizetype header = findSection(*doc, section);
  if (header < 0) return true;
  bool removed = false;
  for (size_t i = sectionEnd(*doc, header); i > size_t(header) + 1; --i) {
    const size_t k = i - 1;
    if (doc->parsed[k].kind == Kind::Key && sameName(doc->parsed[k].name, key)) {
      doc->parsed.erase(doc->parsed.begin() + qsizetype(k));
      doc->lines.erase(doc->lines.begin() + qsizetype(k));
      removed = true;
    }
  }
  return removed ? save(path_, *doc) : true;
}

QStringList IniFile::keys(const QString& section) const {
  QStringList out;
  const std::optional<Document> doc = load(path_);
  if (!doc) return out;
  const qsizetype header = findSection(*doc, section);
  if (header < 0) return out;
  const size_t end = sectionEnd(*doc, header);
  for (size_t i = size_t(header) + 1; i < end; ++i) {
    const Parsed& p = doc->parsed[i];
    if (p.kind != Kind::Key) continue;
    bool seen = false;
    for (const QString& k : out) seen = seen || sameName(k, p.name);
    if (!seen) out << p.name;
  }
  return out;
}

QStringList IniFile::sections() const {
  QStringList out;
  const std::optional<Document> doc = load(path_);
  if (!doc) return out;
  for (const Parsed& p : doc->parsed) {
    if (p.kind != Kind::Section) continue;
    bool seen = false;
    for (const QString& s : out) seen = seen || sameName(s, p.name);
    if (!seen) out << p.name;
  }
  return out;
}

}  // namespace sa
