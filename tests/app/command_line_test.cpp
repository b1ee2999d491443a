// The chart program's command line: the options that end it before any window, and the files it
// opens.

#include "app/command_line.h"

#include <QDir>

#include <gtest/gtest.h>

#include "support/qt_support.h"

namespace {

using vorelim::CommandLine;
using vorelim::ReadCommandLine;

TEST(command_line_test, help_version_and_unknown_options_end_the_program) {
  const struct {
    const char* row;
    QStringList arguments;
    int exit_code;
    QStringList said;
  } rows[] = {
      {"--help", {"--help"}, 0, {"Mostra esta ajuda e sai.", "Mostra a versão", "[arquivo…]"}},
      {"-h, before a file", {"-h", "MARIA.NUM"}, 0, {"Os mapas (arquivos .NUM) a abrir"}},
      {"--version", {"--version"}, 0, {"vorelim 1."}},
      {"-v", {"-v"}, 0, {"vorelim 1."}},
      {"unknown option", {"MARIA.NUM", "--nada"}, 1, {"vorelim: ", "nada", "vorelim --help"}},
  };
  for (const auto& row : rows) {
    const CommandLine command_line =
        ReadCommandLine(QStringList{QStringLiteral("/usr/bin/vorelim")} + row.arguments);
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
  const CommandLine command_line = ReadCommandLine(
      {"vorelim", "pasta/MARIA.NUM", "/mapas/jose.num", "", "--", "-ANA.NUM", "--help"});
  EXPECT_FALSE(command_line.exit_code.has_value());
  EXPECT_TRUE(command_line.output.isEmpty());
  // Empty arguments name nothing; after "--" every argument is a file.
  const QDir here = QDir::current();
  EXPECT_EQ(command_line.files,
            (QStringList{here.absoluteFilePath("pasta/MARIA.NUM"), "/mapas/jose.num",
                         here.absoluteFilePath("-ANA.NUM"), here.absoluteFilePath("--help")}));
}

}  // namespace
