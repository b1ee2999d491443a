#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "app/file_names.h"
#include "ui/messages.h"

namespace vorelim {

namespace {

constexpr char kHelp[] = "help";
constexpr char kVersion[] = "version";

void DeclareOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      vorelim::ProgramTitle() +
      QStringLiteral(": mapas numerológicos a partir do nome e da data de nascimento."));
  // Qt's own help and version options describe themselves in English unless Qt's translations
  // are installed; these always speak Portuguese.
  parser.addOption({{QStringLiteral("h"), QString::fromLatin1(kHelp)},
                    QStringLiteral("Mostra esta ajuda e sai.")});
  parser.addOption({{QStringLiteral("v"), QString::fromLatin1(kVersion)},
                    QStringLiteral("Mostra a versão do programa e sai.")});
  parser.addPositionalArgument(
      QStringLiteral("arquivos"),
      QStringLiteral("Os mapas (arquivos .NUM) a abrir, cada um em sua janela."),
      QStringLiteral("[arquivo…]"));
}

// The first argument before "--" that the parser took for options although it reads as a file
// name: "-D.NUM", "-pasta/ANA.NUM", or an existing file. Empty when there is none.
QString OptionLikeFileName(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QStringLiteral("--")) break;
    if (argument.size() < 2 || !argument.startsWith(QLatin1Char('-'))) continue;
    if (argument.contains(QLatin1Char('.')) || argument.contains(QLatin1Char('/')) ||
        QFileInfo::exists(argument)) {
      return argument;
    }
  }
  return QString();
}

}  // namespace

CommandLine ReadCommandLine(const QByteArrayList& arguments) {
  QStringList decoded;
  for (const QByteArray& argument : arguments) decoded << QFile::decodeName(argument);
  QCommandLineParser parser;
  DeclareOptions(parser);

  CommandLine result;
  const QString program = QFileInfo(decoded.value(0, QStringLiteral("vorelim"))).fileName();
  if (!parser.parse(decoded)) {
    result.exit_code = 1;
    result.output = QStringLiteral("%1: %2\n").arg(program, parser.errorText());
    const QString file = OptionLikeFileName(decoded);
    if (!file.isEmpty()) {
      result.output += QStringLiteral(
                           "Para abrir um arquivo cujo nome começa com \"-\", escreva \"--\" "
                           "antes dele: %1 -- %2\n")
                           .arg(program, file);
    }
    result.output += QStringLiteral("Use \"%1 --help\" para ver as opções.\n").arg(program);
    return result;
  }
  if (parser.isSet(QString::fromLatin1(kHelp))) {
    result.exit_code = 0;
    result.output = parser.helpText();
    return result;
  }
  if (parser.isSet(QString::fromLatin1(kVersion))) {
    result.exit_code = 0;
    result.output = QStringLiteral("vorelim " VORELIM_VERSION "\n");
    return result;
  }
  // The files keep their bytes: decoding would turn a byte that starts no UTF-8 character into
  // U+FFFD, which names no file. Which arguments are files depends only on the ASCII "-" and "--",
  // so the same parse over the arguments read byte for byte as Latin-1 finds the same files, and
  // toLatin1() gives their bytes back.
  QStringList bytewise;
  for (const QByteArray& argument : arguments) bytewise << QString::fromLatin1(argument);
  QCommandLineParser files;
  DeclareOptions(files);
  files.parse(bytewise);
  for (const QString& file : files.positionalArguments()) {
    if (!file.isEmpty()) result.files << AbsoluteFileName(file.toLatin1());
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
