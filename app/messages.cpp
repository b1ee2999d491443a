#include "app/messages.h"

#include <QMessageBox>
#include <cerrno>
#include <cstring>
#include <utility>

namespace vorelim {
namespace {

MessageSink& TestSink() {
  static MessageSink sink;
  return sink;
}

}  // namespace

QString SystemErrorText(int error) {
  switch (error) {
    case 0:
      return QString();
    case EACCES:
      return QStringLiteral("sem permissão de acesso");
    case EPERM:
      return QStringLiteral("operação não permitida");
    case EROFS:
      return QStringLiteral("o disco ou a pasta é somente para leitura");
    case ENOSPC:
      return QStringLiteral("não há espaço livre no disco");
    case EDQUOT:
      return QStringLiteral("a cota de disco do usuário se esgotou");
    case ENOENT:
      return QStringLiteral("o arquivo ou a pasta não existe");
    case ENOTDIR:
      return QStringLiteral("uma parte do caminho não é uma pasta");
    case EISDIR:
      return QStringLiteral("o nome é de uma pasta, não de um arquivo");
    case ENAMETOOLONG:
      return QStringLiteral("o nome do arquivo ou do caminho é longo demais");
    case EIO:
      return QStringLiteral("erro de leitura ou gravação no disco");
    default:
      return QString::fromLocal8Bit(std::strerror(error));
  }
}

void ShowWarning(QWidget* owner, const QString& title, const QString& text) {
  if (TestSink()) {
    TestSink()(owner, title, text);
  } else {
    QMessageBox::warning(owner, title, text);
  }
}

void SetWarningSinkForTesting(MessageSink sink) {
  TestSink() = std::move(sink);
}

}  // namespace vorelim
