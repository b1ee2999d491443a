// The chart program's command line: the options that end it before any window, and the files it
// opens.

#include "app/command_line.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "support/qt_support.h"

namespace {

using vorelim::CommandLine;
using vorelim::ReadCommandLine;

TEST(command_line_test, help_version_and_unknown_options_end_the_program) {
  const struct {
    const char* row;
    QByteArrayList arguments;
    int exit_code;
    QStringList said;
  } rows[] = {
      {"--help", {"--help"}, 0, {"Mostra esta ajuda e sai.", "Mostra a versão", "[arquivo…]"}},
      {"-h, before a file", {"-h", "MARIA.NUM"}, 0, {"Os mapas (arquivos .NUM) a abrir"}},
      {"--version", {"--version"}, 0, {"vorelim 1."}},
      {"-v", {"-v"}, 0, {"vorelim 1."}},
      {"unknown option", {"MARIA.NUM", "--nada"}, 1, {"vorelim: ", "nada", "vorelim --help"}},
      {"file name taken for options", {"-D.NUM"}, 1, {"\"--\"", "vorelim -- -D.NUM"}},
  };
  for (const auto& row : rows) {
    const CommandLine command_line =
        ReadCommandLine(QByteArrayList{"/usr/bin/vorelim"} + row.arguments);
    ASSERT_TRUE(command_line.exit_code.has_value()) << row.row;
    EXPECT_EQ(*command_line.exit_code, row.exit_code) << row.row;
    for (const QString& text : row.said) {
      EXPECT_TRUE(command_line.output.contains(text))
          << row.row << ": " << command_line.output.toStdString();
    }
    EXPECT_TRUE(command_line.files.isEmpty()) << row.row;
  }
}

TEST(command_line_test, files_are_absolute_and_in_order) {
  const CommandLine command_line =
      ReadCommandLine({"vorelim", "pasta/MARIA.NUM", "/mapas/jose.num", "", "pasta/../\xC3.NUM",
                       "--", "-ANA.NUM", "--help"});
  EXPECT_FALSE(command_line.exit_code.has_value());
  EXPECT_TRUE(command_line.output.isEmpty());
  // Empty arguments name nothing; after "--" every argument is a file; a name keeps its bytes
  // (0xC3 alone is no UTF-8).
  const QByteArray here = QFile::encodeName(QDir::currentPath()) + '/';
  EXPECT_EQ(command_line.files,
            (QByteArrayList{here + "pasta/MARIA.NUM", "/mapas/jose.num", here + "\xC3.NUM",
                            here + "-ANA.NUM", here + "--help"}));
}

}  // namespace
