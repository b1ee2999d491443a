#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

#include "ui/messages.h"

namespace vorelim {

CommandLine ReadCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      vorelim::ProgramTitle() +
      QStringLiteral(": mapas numerológicos a partir do nome e da data de nascimento."));
  // Qt's own help and version options describe themselves in English unless Qt's translations
  // are installed; these always speak Portuguese.
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Mostra esta ajuda e sai."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Mostra a versão do programa e sai."));
  parser.addOption(help);
  parser.addOption(version);
  parser.addPositionalArgument(
      QStringLiteral("arquivos"),
      QStringLiteral("Os mapas (arquivos .NUM) a abrir, cada um em sua janela."),
      QStringLiteral("[arquivo…]"));

  CommandLine result;
  const QString program = QFileInfo(arguments.value(0, QStringLiteral("vorelim"))).fileName();
  if (!parser.parse(arguments)) {
    result.exit_code = 1;
    result.output = QStringLiteral("%1: %2\nUse \"%1 --help\" para ver as opções.\n")
                        .arg(program, parser.errorText());
    return result;
  }
  if (parser.isSet(help)) {
    result.exit_code = 0;
    result.output = parser.helpText();
    return result;
  }
  if (parser.isSet(version)) {
    result.exit_code = 0;
    result.output = QStringLiteral("vorelim " VORELIM_VERSION "\n");
    return result;
  }
  for (const QString& file : parser.positionalArguments()) {
    if (!file.isEmpty()) result.files << QFileInfo(file).absoluteFilePath();
  }
  return result;
}

void AllowPrintingWithoutDisplay(int argc, char** argv) {
  // Whatever display the environment names: one that cannot be opened must not stop them either.
  for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    for (const char* option : {"-h", "--help", "-v", "--version"}) {
      if (std::strcmp(argv[i], option) == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return;
      }
    }
  }
}

int PrintCommandLineAnswer(const CommandLine& command_line) {
  const int code = command_line.exit_code.value_or(0);
  std::FILE* stream = code == 0 ? stdout : stderr;
  std::fputs(command_line.output.toLocal8Bit().constData(), stream);
  std::fflush(stream);
  return code;
}

}  // namespace vorelim
