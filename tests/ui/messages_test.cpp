// Every message text of the chart program, as one table: the text each function builds for a
// typical case of each reason. The file messages of odd files and folders take what the chart file
// functions really found.

#include "ui/messages.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/charts.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using vorelim::NameProblem;

// A Unix socket at `path`, closed again: the name stays in the folder.
bool MakeSocket(const fs::path& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return bound;
}

TEST(messages_test, every_text) {
  const std::filesystem::path file("/pasta/ANA.NUM");
  const vorelim::WriteResult full{.status = vorelim::WriteStatus::WriteFailed,
                                  .name_problem = NameProblem::None,
                                  .path = file,
                                  .error = ENOSPC,
                                  .earlier_file = true};
  const auto read = [&file](vorelim::ReadStatus status, std::size_t bytes) {
    return vorelim::ReadResult{.status = status, .bytes_read = bytes, .path = file, .error = 0};
  };
  const vorelim::ReadResult short_file = read(vorelim::ReadStatus::Short, 10);
  const vorelim::ReadResult one_byte = read(vorelim::ReadStatus::Short, 1);
  const vorelim::ReadResult missing = read(vorelim::ReadStatus::Missing, 0);
  const vorelim::ReadResult whole = read(vorelim::ReadStatus::Whole, 66);

  // Odd names in a folder of our own, and the program's folder removed under it.
  vorelim::test::TempFolder folder;
  const QString here = QString::fromStdString(fs::canonical(folder.path()).string());
  vorelim::ChartRecord record;
  ASSERT_EQ(::mkfifo("PIPE.NUM", 0644), 0);
  ASSERT_TRUE(MakeSocket(folder.path() / "SOCKET.NUM"));
  fs::create_symlink("LOOP.NUM", "LOOP.NUM");
  const vorelim::ReadResult pipe = vorelim::ReadChartFile("PIPE", record);
  const vorelim::ReadResult socket = vorelim::ReadChartFile("SOCKET", record);
  const vorelim::ReadResult device = vorelim::ReadChartPath("/dev/null", record);
  const vorelim::ReadResult loop = vorelim::ReadChartFile("LOOP", record);
  // A file the kernel makes up, whose read fails with EIO although no disk is involved.
  const vorelim::ReadResult system_file = vorelim::ReadChartPath("/proc/self/mem", record);
  const vorelim::ReadResult with_zero =
      vorelim::ReadChartPath(std::string("/etc/passwd\0.NUM", 16), record);
  fs::create_directory("gone");
  fs::current_path("gone");
  fs::remove(folder.path() / "gone");
  // Told while the program still works in the removed folder, as the new chart dialog tells it.
  const QString removed_folder = vorelim::WriteProblemText(
      vorelim::WriteChartFile(vorelim::test::ChartFor("ANA", 15, 6, 1975)));
  fs::current_path(folder.path());

  const struct {
    const char* row;
    QString text;
    QString expected;
  } rows[] = {
      {"slash in the name", vorelim::NameProblemText(NameProblem::PathSeparator, "A/B"),
       "O nome \"A/B\" contém uma barra (/ ou \\), que não pode fazer parte do nome de um "
       "arquivo."},
      {"reserved character", vorelim::NameProblemText(NameProblem::ReservedCharacter, "A*B"),
       "O nome \"A*B\" contém um dos caracteres : * ? \" < > |, que não podem fazer parte do nome "
       "de um arquivo."},
      {"control character", vorelim::NameProblemText(NameProblem::ControlCharacter, "A\tB"),
       "O nome contém caracteres de controle, que não podem fazer parte do nome de um arquivo."},
      {"dot name", vorelim::NameProblemText(NameProblem::DotName, ".."),
       "O nome \"..\" não pode ser usado: \".\" e \"..\" indicam pastas."},
      {"character outside the code page",
       vorelim::NameProblemText(NameProblem::NotWindows1252, QStringLiteral("ANA\u0391")),
       "O caractere \"\u0391\" do nome \"ANA\u0391\" não pode ser gravado no arquivo do mapa."},
      {"too long", vorelim::NameProblemText(NameProblem::TooLong, "ABCDEFGHIJKLMNOP"),
       "O nome \"ABCDEFGHIJKLMNOP\" tem mais de 15 caracteres."},
      {"chart not created", vorelim::ChartNotCreatedText(NameProblem::DotName, "."),
       "O mapa não foi criado.\nO nome \".\" não pode ser usado: \".\" e \"..\" indicam pastas."},
      {"disk full", vorelim::WriteProblemText(full),
       "Não foi possível gravar o arquivo \"ANA.NUM\" na pasta \"/pasta\": a gravação dos dados "
       "falhou.\nMotivo: não há espaço livre no disco.\nO mapa não foi criado; o arquivo anterior "
       "com este nome ficou como estava."},
      {"folder removed, no earlier file", removed_folder,
       QStringLiteral("Não foi possível gravar o arquivo \"ANA.NUM\" na pasta \"%1/gone\": o "
                      "arquivo não pôde ser criado.\nMotivo: a pasta não existe (foi apagada ou "
                      "renomeada?).\nO mapa não foi criado.")
           .arg(here)},
      {"named pipe", vorelim::LoadWarningText(pipe, false),
       QStringLiteral("Não foi possível ler o arquivo \"%1/PIPE.NUM\": é um pipe nomeado, não um "
                      "arquivo comum.")
           .arg(here)},
      {"socket", vorelim::LoadWarningText(socket, false),
       QStringLiteral("Não foi possível ler o arquivo \"%1/SOCKET.NUM\": é um socket, não um "
                      "arquivo comum.")
           .arg(here)},
      {"device", vorelim::LoadWarningText(device, false),
       "Não foi possível ler o arquivo \"/dev/null\": é um dispositivo, não um arquivo comum."},
      {"file of the system", vorelim::FilesNotOpenedText({system_file}),
       "O arquivo \"/proc/self/mem\" não foi aberto: é um arquivo especial do sistema, não um "
       "arquivo de mapa."},
      {"name with a zero byte", vorelim::FilesNotOpenedText({with_zero}),
       "O arquivo \"/etc/passwd\\0.NUM\" não foi aberto: não é um nome de arquivo."},
      {"link loop", vorelim::LoadWarningText(loop, false),
       QStringLiteral("Não foi possível ler o arquivo \"%1/LOOP.NUM\": o caminho passa por "
                      "ligações simbólicas que formam um ciclo.")
           .arg(here)},
      {"short chart file", vorelim::LoadWarningText(short_file, false),
       "O arquivo \"/pasta/ANA.NUM\" está incompleto: tem 10 bytes, um mapa tem 66."},
      {"one byte", vorelim::LoadWarningText(one_byte, false),
       "O arquivo \"/pasta/ANA.NUM\" está incompleto: tem 1 byte, um mapa tem 66."},
      {"missing chart file", vorelim::LoadWarningText(missing, false),
       "O arquivo \"/pasta/ANA.NUM\" não foi encontrado."},
      {"whole file, no chart", vorelim::LoadWarningText(whole, false),
       "O arquivo \"/pasta/ANA.NUM\" não parece ser um arquivo de mapa: o mapa mostrado pode estar "
       "incorreto."},
      {"good chart", vorelim::LoadWarningText(whole, true), ""},
      {"a file handed over that gave no chart",
       vorelim::FilesNotOpenedText(
           {{.status = vorelim::ReadStatus::Unreadable, .path = file, .error = EACCES}}),
       "O arquivo \"/pasta/ANA.NUM\" não foi aberto: sem permissão de acesso."},
      {"help file missing", vorelim::HelpFileMissingText("/x/index.html"),
       "O arquivo de ajuda não foi encontrado:\n/x/index.html"},
      {"help link out of the manual", vorelim::HelpLinkRefusedText("file:///etc/passwd"),
       "O link \"file:///etc/passwd\" não leva a uma página deste manual e não foi aberto."},
      {"help page missing", vorelim::HelpPageMissingText("/x/falta.html"),
       "A página \"/x/falta.html\" não foi encontrada."},
      {"help page too large", vorelim::HelpPageTooLargeText("/x/grande.html", 1024 * 1024),
       "A página \"/x/grande.html\" não foi aberta: tem mais de 1 MB."},
      {"help page no file", vorelim::HelpPageUnreadableText("/x/pipe.html", 0),
       "Não foi possível abrir a página \"/x/pipe.html\": não é um arquivo comum."},
      {"help page unreadable", vorelim::HelpPageUnreadableText("/x/a.html", EACCES),
       "Não foi possível abrir a página \"/x/a.html\": sem permissão de acesso."},
      {"no program for a web page", vorelim::DesktopOpenFailedText("https://example.org/"),
       "Não foi possível abrir \"https://example.org/\": nenhum programa do sistema o abre."},
      {"unknown failure", vorelim::UnknownFailureText(), "Erro desconhecido."},
  };
  for (const auto& row : rows) EXPECT_EQ(row.text, row.expected) << row.row;
}

// Files failing by the thousand: the box names ten, each name cut to the width a message box shows
// unwrapped, and counts the rest; later failures join the open box instead of stacking boxes.
TEST(messages_test, file_lists_name_ten_and_join_the_open_box) {
  QWidget owner;
  const int width = vorelim::MessageLineWidth(&owner);
  std::vector<vorelim::ReadResult> missing;
  for (int i = 0; i < 1000; ++i) {
    missing.push_back({.status = vorelim::ReadStatus::Missing,
                       .path = "/" + std::string(4000, 'a') + std::to_string(i) + ".NUM"});
  }
  const QStringList lines = vorelim::FilesNotOpenedText(missing, width).split('\n');
  ASSERT_EQ(lines.size(), 12);
  EXPECT_EQ(lines.front(), "Estes arquivos não foram abertos:");
  EXPECT_EQ(lines.back(), "e mais 990 arquivos.");
  EXPECT_TRUE(lines[1].endsWith("a0.NUM\": o arquivo ou a pasta não existe."))
      << lines[1].toStdString();
  // The box wraps between words; no word may be wider than a line.
  const QFontMetrics metrics(QApplication::font("QMessageBox"));
  for (const QString& word : lines.join(' ').split(' ')) {
    EXPECT_LE(metrics.horizontalAdvance(word), width) << word.toStdString();
  }

  // Eleven calls, one missing file each, while the box stays open; once it is closed, the next
  // failure has a box of its own.
  const vorelim::FileListText not_opened = [](const auto& files, int line_width, std::size_t more) {
    return vorelim::FilesNotOpenedText(files, line_width, more);
  };
  for (std::size_t i = 0; i < 11; ++i) {
    vorelim::ShowFileListMessage(&owner, "FilesNotOpened", {missing[i]}, not_opened);
  }
  QList<QMessageBox*> boxes = owner.findChildren<QMessageBox*>("FilesNotOpened");
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_TRUE(boxes[0]->text().endsWith("\ne mais 1 arquivo.")) << boxes[0]->text().toStdString();
  boxes[0]->close();
  vorelim::ShowFileListMessage(&owner, "FilesNotOpened", {missing[500]}, not_opened);
  boxes = owner.findChildren<QMessageBox*>("FilesNotOpened");
  EXPECT_EQ(std::count_if(boxes.begin(), boxes.end(), [](auto* box) { return box->isVisible(); }),
            1);
  vorelim::test::CloseMessageBoxes();
}

// The common errors are told in our own Portuguese words (the wording itself is checked in the
// message rows above and in the dialog's and the chart window's tests); any other error as the
// system tells it; none as nothing.
TEST(messages_test, common_system_errors_are_told_in_portuguese_and_others_as_the_system_tells) {
  const struct {
    int error;
    bool ours;
  } rows[] = {
      {EACCES, true},       {EPERM, true},   {EROFS, true},  {ENOSPC, true}, {EDQUOT, true},
      {ENOENT, true},       {ENOTDIR, true}, {EISDIR, true}, {EIO, true},    {EBADF, false},
      {ENAMETOOLONG, true}, {ELOOP, true},   {EINVAL, true}, {ENXIO, false}, {0, false},
  };
  for (const auto& row : rows) {
    const QString reason = vorelim::SystemErrorReason(row.error);
    const QString system =
        row.error == 0 ? QString() : QString::fromLocal8Bit(std::strerror(row.error));
    if (row.ours) {
      EXPECT_FALSE(reason.isEmpty()) << row.error;
      EXPECT_NE(reason, system) << row.error;
      EXPECT_EQ(reason, reason.toLower()) << row.error << ": read inside a sentence";
    } else {
      EXPECT_EQ(reason, system) << row.error;
    }
  }
}

}  // namespace
