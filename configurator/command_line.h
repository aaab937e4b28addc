#pragma once
// Scripted installs: the configure flow driven by options instead of the
// window, with the messages on standard error.
#include <QByteArray>
#include <QStringList>
#include <cstdio>

namespace sa::configurator {

// Exit codes: 0 written, 1 a check or the write failed, 2 bad options.
//   configurator --school NAME --server HOST --user USER --password PASS
//                --update-url URL --output FILE
// `arguments` includes the program name first, as QCoreApplication gives it.
int runCommandLine(const QStringList& arguments, const QByteArray& appImage, std::FILE* out = stdout,
                   std::FILE* err = stderr);

}  // namespace sa::configurator
