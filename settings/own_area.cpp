#include "settings/own_area.h"

#include <array>
#include <cstdio>

namespace sa::settings {

namespace {

constexpr qsizetype kAreaBytes = kAreaLetters + 1;

constexpr std::array<char, 2 * kAreaBytes> placeholderAreas() {
  std::array<char, 2 * kAreaBytes> areas{};
  for (qsizetype i = 0; i < kAreaLetters; ++i) {
    areas[size_t(i)] = 'A';
    areas[size_t(kAreaBytes + i)] = 'B';
  }
  return areas;  // the two terminating zero bytes come from value-initialisation
}

// Copies an area up to its zero byte. The volatile reads keep the compiler from
// using the placeholder letters it saw at compile time: what counts is what
// the Configurator wrote into this file.
QByteArray readArea(const volatile char* area) {
  QByteArray bytes;
  for (qsizetype i = 0; i < kAreaLetters && area[i] != '\0'; ++i) bytes.append(char(area[i]));
  return bytes;
}

}  // namespace

// The settings block: one read-only constant, 500 'A', zero, 500 'B', zero.
// External linkage and the use below keep it in the image as one object.
extern const std::array<char, 2 * kAreaBytes> ownSettingsAreas;
alignas(64) constinit const std::array<char, 2 * kAreaBytes> ownSettingsAreas = placeholderAreas();

Settings readOwnSettings() {
  const volatile char* areas = ownSettingsAreas.data();
  const QByteArray plain = readArea(areas);
  const QByteArray credentials = readArea(areas + kAreaBytes);
  return readSettings(plain.constData(), credentials.constData());
}

int printOwnSettings() {
  const Settings s = readOwnSettings();
  QByteArray out;
  for (const QString& value : {s.server, s.school, s.updateUrl, s.user, s.password}) out += value.toUtf8() + '\n';
  std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace sa::settings
