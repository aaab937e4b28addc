#include "configurator/command_line.h"

#include <QCommandLineParser>

#include "app/ui/prompt.h"
#include "configurator/configure_service.h"

namespace sa::configurator {

namespace {

void print(std::FILE* to, const QString& text) {
  const QByteArray bytes = text.toLocal8Bit() + '\n';
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
  std::fflush(to);
}

// Messages go to standard error as the window would show them; the save
// dialog "chooses" the --output file.
class CommandLinePrompt : public ui::Prompt {
 public:
  CommandLinePrompt(std::FILE* err, QString output) : err_(err), output_(std::move(output)) {}
  void message(const QString& text, const QString&, ui::Icon) override { print(err_, text); }
  bool askYesNo(const QString&, const QString&, ui::Icon) override { return true; }
  bool askOkCancel(const QString&, const QString&, ui::Icon) override { return true; }
  QString openFile(const QString&, const QString&, const QString&) override { return {}; }
  QString saveFile(const QString&, const QString&, const QString&, const QString&) override { return output_; }
  QString chooseFolder(const QString&, const QString&) override { return {}; }

 private:
  std::FILE* err_;
  QString output_;
};

}  // namespace

int runCommandLine(const QStringList& arguments, const QByteArray& appImage, std::FILE* out, std::FILE* err) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Writes a configured copy of the school administration application.\n"
                     "Without options the Configurator window opens."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
  const QCommandLineOption school(QStringLiteral("school"), QStringLiteral("School name."), QStringLiteral("NAME"));
  const QCommandLineOption server(QStringLiteral("server"), QStringLiteral("MySQL server address."),
                                  QStringLiteral("HOST"));
  const QCommandLineOption user(QStringLiteral("user"), QStringLiteral("MySQL user name."), QStringLiteral("USER"));
  const QCommandLineOption password(QStringLiteral("password"), QStringLiteral("MySQL password."),
                                    QStringLiteral("PASS"));
  const QCommandLineOption updateUrl(QStringLiteral("update-url"), QStringLiteral("Address of the update list file."),
                                     QStringLiteral("URL"));
  const QCommandLineOption output(QStringLiteral("output"), QStringLiteral("The configured executable to write."),
                                  QStringLiteral("FILE"));
  parser.addOptions({help, school, server, user, password, updateUrl, output});

  if (!parser.parse(arguments)) {
    print(err, parser.errorText());
    print(err, parser.helpText());
    return 2;
  }
  if (parser.isSet(help)) {
    print(out, parser.helpText());
    return 0;
  }
  if (!parser.positionalArguments().isEmpty()) {
    print(err, QStringLiteral("Unexpected argument: ") + parser.positionalArguments().constFirst());
    return 2;
  }
  if (parser.value(output).isEmpty()) {
    print(err, QStringLiteral("Missing --output FILE: where to write the configured application."));
    return 2;
  }

  CommandLinePrompt prompt(err, parser.value(output));
  ConfigureService service(prompt, appImage);
  service.setAskConfirmation(false);
  service.start();
  service.agree();
  if (service.acceptSchoolName(parser.value(school)).outcome != Outcome::Accepted) return 1;
  const Reply reply =
      service.configure({parser.value(server), parser.value(user), parser.value(password), parser.value(updateUrl)});
  return reply.outcome == Outcome::Written ? 0 : 1;
}

}  // namespace sa::configurator
