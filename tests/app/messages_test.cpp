// The reasons of failed file operations as the user reads them.
#include "app/messages.h"

#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

namespace {

TEST(messages_test, common_system_errors_are_told_in_portuguese_and_others_as_the_system_tells) {
  const struct {
    int error;
    const char* reason;
  } rows[] = {
      {EACCES, "sem permissão de acesso"},
      {EPERM, "operação não permitida"},
      {EROFS, "o disco ou a pasta é somente para leitura"},
      {ENOSPC, "não há espaço livre no disco"},
      {EDQUOT, "a cota de disco do usuário se esgotou"},
      {ENOENT, "o arquivo ou a pasta não existe"},
      {ENOTDIR, "uma parte do caminho não é uma pasta"},
      {EISDIR, "o nome é de uma pasta, não de um arquivo"},
      {ENAMETOOLONG, "o nome do arquivo ou do caminho é longo demais"},
      {EIO, "erro de leitura ou gravação no disco"},
      {EBADF, std::strerror(EBADF)},
      {EINVAL, std::strerror(EINVAL)},
      {0, ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(vorelim::SystemErrorText(row.error), QString::fromUtf8(row.reason)) << row.error;
  }
}

}  // namespace
