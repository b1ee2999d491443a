#include "ui/messages.h"

#include <sys/stat.h>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStorageInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "chart/chart_record.h"
#include "chart/windows1252.h"
#include "desktop/fixed_size.h"
#include "ui/window_icon.h"

namespace vorelim {
namespace {

MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}

// The folder the program works in. Once that folder is removed the system no longer gives its name
// to getcwd (Qt then says ""), but /proc/self/cwd still links to it, marked " (deleted)": the user
// still reads which folder it was.
QString WorkingFolder() {
  const QString current = QDir::currentPath();
  if (!current.isEmpty()) return current;
  std::error_code ec;
  QString linked = QString::fromStdString(std::filesystem::read_symlink("/proc/self/cwd", ec));
  if (ec || linked.isEmpty()) return QStringLiteral(".");
  const QString deleted = QStringLiteral(" (deleted)");
  if (linked.endsWith(deleted)) linked.chop(deleted.size());
  return linked;
}

// The absolute, clean name of a file, a relative one taken in the folder the program works in, with
// the system's separators.
QString AbsoluteName(const std::filesystem::path& path) {
  const QString name = QString::fromStdString(path.string());
  const QString absolute =
      QDir::isAbsolutePath(name) ? name : WorkingFolder() + QLatin1Char('/') + name;
  return QDir::toNativeSeparators(QDir::cleanPath(absolute));
}

// What a file that is not a regular file is, when the system still says; empty otherwise.
QString SpecialFileKind(const std::filesystem::path& path) {
  struct stat info {};
  if (!IsFileName(path.native()) || ::stat(path.c_str(), &info) != 0) return QString();
  if (S_ISFIFO(info.st_mode)) return QStringLiteral("é um pipe nomeado, não um arquivo comum");
  if (S_ISSOCK(info.st_mode)) return QStringLiteral("é um socket, não um arquivo comum");
  if (S_ISCHR(info.st_mode)) return QStringLiteral("é um dispositivo, não um arquivo comum");
  if (S_ISBLK(info.st_mode)) {
    return QStringLiteral("é um dispositivo de disco, não um arquivo comum");
  }
  return QString();
}

// The file systems whose files the kernel makes up as they are read (/proc, /sys, ...): their read
// errors are no disk's.
bool OnSystemFileSystem(const std::filesystem::path& path) {
  if (!IsFileName(path.native())) return false;
  static const QByteArrayList kSystemTypes = {"proc",       "sysfs",    "debugfs", "tracefs",
                                              "securityfs", "configfs", "cgroup",  "cgroup2",
                                              "efivarfs",   "pstore",   "bpf",     "devpts"};
  const QStorageInfo storage(QString::fromStdString(path.string()));
  return storage.isValid() && kSystemTypes.contains(storage.fileSystemType());
}

// Why a file handed to the program or loaded gave no chart, when it was not read.
QString ReadFailureReason(const ReadResult& result) {
  switch (result.status) {
    case ReadStatus::Missing:
      return SystemErrorReason(ENOENT);
    case ReadStatus::NotRegularFile: {
      const QString kind = SpecialFileKind(result.path);
      return kind.isEmpty() ? NotRegularFileReason() : kind;
    }
    case ReadStatus::InvalidName:
      return QStringLiteral("não é um nome de arquivo");
    case ReadStatus::Whole:
    case ReadStatus::Short:
    case ReadStatus::Unreadable:
      break;
  }
  if (result.error != EISDIR && result.error != ENOENT && OnSystemFileSystem(result.path)) {
    return QStringLiteral("é um arquivo especial do sistema, não um arquivo de mapa");
  }
  return SystemErrorReason(result.error != 0 ? result.error : EIO);
}

// A name as a message shows it: a zero byte inside it would end the text there.
QString ShownName(const std::filesystem::path& path) {
  QString name = AbsoluteName(path);
  name.replace(QChar(u'\0'), QStringLiteral("\\0"));
  return name;
}

// `line` with `name` in it at "%1", in quotes: the name cut in the middle so that it fits
// `line_width` pixels of a message box (0: whole). The box wraps the rest of the line between
// words; a name is one word, which it would widen itself for, up to beyond the screen.
QString FittedLine(const QString& line, const QString& name, int line_width) {
  if (line_width <= 0) return line.arg(name);
  const QFontMetrics metrics(QApplication::font("QMessageBox"));
  const int room = line_width - metrics.horizontalAdvance(QStringLiteral("\"\":"));
  return line.arg(metrics.elidedText(name, Qt::ElideMiddle, room));
}

// One line for each of the first kListedFiles `files`, under `heading`, and how many more.
QString FileList(const QString& heading, const std::vector<ReadResult>& files, int line_width,
                 std::size_t more, const std::function<QString(const ReadResult&)>& reason) {
  QString text = heading;
  const std::size_t listed = std::min(files.size(), kListedFiles);
  for (std::size_t i = 0; i < listed; ++i) {
    text += QLatin1Char('\n') +
            FittedLine(QStringLiteral("\"%1\": ") + reason(files[i]) + QLatin1Char('.'),
                       ShownName(files[i].path), line_width);
  }
  const std::size_t unlisted = files.size() - listed + more;
  if (unlisted > 0) {
    text += QStringLiteral("\ne mais ") +
            CountText(static_cast<qint64>(unlisted), QStringLiteral("arquivo"),
                      QStringLiteral("arquivos")) +
            QLatin1Char('.');
  }
  return text;
}

// Why a chart that opened is not whole, as a line of LoadWarningsText says it.
QString OpenedWithWarningReason(const ReadResult& result) {
  if (result.status == ReadStatus::Short) {
    return QStringLiteral("está incompleto: tem %1, um mapa tem %2")
        .arg(CountText(static_cast<qint64>(result.bytes_read), QStringLiteral("byte"),
                       QStringLiteral("bytes")))
        .arg(kChartRecordSize);
  }
  return QStringLiteral("não parece ser um arquivo de mapa");
}

// The files a box of ShowFileListMessage tells: the first kListedFiles and the count of the rest.
class ListedFiles : public QObject {
 public:
  explicit ListedFiles(QObject* box) : QObject(box) { setObjectName(Name()); }
  static QString Name() { return QStringLiteral("ListedFiles"); }
  static ListedFiles* Of(QObject* box) {
    return dynamic_cast<ListedFiles*>(box->findChild<QObject*>(Name(), Qt::FindDirectChildrenOnly));
  }
  std::vector<ReadResult> first;
  std::size_t more = 0;

  void Add(const std::vector<ReadResult>& files) {
    for (const ReadResult& file : files) {
      if (first.size() < kListedFiles) {
        first.push_back(file);
      } else {
        ++more;
      }
    }
  }
};

}  // namespace

QString CountText(qint64 count, const QString& singular, const QString& plural) {
  return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? singular : plural);
}

QString SystemErrorReason(int error) {
  // The errors a file operation of this program meets most, in our own words.
  static const struct {
    int error;
    const char* reason;
  } kReasons[] = {
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
      {ELOOP, "o caminho passa por ligações simbólicas que formam um ciclo"},
      {EINVAL, "o sistema de arquivos não aceita este nome ou esta operação"},
  };
  if (error == 0) return QString();
  for (const auto& known : kReasons) {
    if (known.error == error) return QString::fromUtf8(known.reason);
  }
  return QString::fromLocal8Bit(std::strerror(error));
}

QString NotRegularFileReason() {
  return QStringLiteral("não é um arquivo comum");
}

QString NameProblemText(NameProblem problem, const QString& name) {
  switch (problem) {
    case NameProblem::None:
      break;
    case NameProblem::Blank:
      return QStringLiteral("O nome está em branco: digite um nome para o mapa.");
    case NameProblem::PathSeparator:
      return QStringLiteral(
                 "O nome \"%1\" contém uma barra (/ ou \\), que não pode fazer parte "
                 "do nome de um arquivo.")
          .arg(name);
    case NameProblem::ReservedCharacter:
      return QStringLiteral(
                 "O nome \"%1\" contém um dos caracteres : * ? \" < > |, que não podem "
                 "fazer parte do nome de um arquivo.")
          .arg(name);
    case NameProblem::ControlCharacter:
      return QStringLiteral(
          "O nome contém caracteres de controle, que não podem fazer parte do "
          "nome de um arquivo.");
    case NameProblem::DotName:
      return QStringLiteral("O nome \"%1\" não pode ser usado: \".\" e \"..\" indicam pastas.")
          .arg(name);
    case NameProblem::NotWindows1252: {
      for (const QChar c : name) {
        if (!IsWindows1252Representable(QString(c).toStdString())) {
          return QStringLiteral(
                     "O caractere \"%1\" do nome \"%2\" não pode ser gravado no "
                     "arquivo do mapa.")
              .arg(c, name);
        }
      }
      return QStringLiteral(
                 "O nome \"%1\" contém caracteres que não podem ser gravados no "
                 "arquivo do mapa.")
          .arg(name);
    }
    case NameProblem::TooLong:
      return QStringLiteral("O nome \"%1\" tem mais de %2 caracteres.")
          .arg(name, QString::number(kChartNameLength));
  }
  return QStringLiteral("O nome \"%1\" não pode ser usado como nome de arquivo.").arg(name);
}

QString WriteProblemText(const WriteResult& result) {
  const QFileInfo written(AbsoluteName(result.path));
  const QString file = written.fileName();
  // The folder as the user knows it: absolute, even when it was removed under the program.
  const QString folder = QDir::toNativeSeparators(written.path());
  QString what;
  switch (result.status) {
    case WriteStatus::Ok:
    case WriteStatus::InvalidName:
      what = QStringLiteral("o arquivo não pôde ser gravado");
      break;
    case WriteStatus::CannotCreate:
      what = QStringLiteral("o arquivo não pôde ser criado");
      break;
    case WriteStatus::WriteFailed:
      what = QStringLiteral("a gravação dos dados falhou");
      break;
    case WriteStatus::CannotReplace:
      what = QStringLiteral("o arquivo existente não pôde ser substituído");
      break;
  }
  QString text = QStringLiteral("Não foi possível gravar o arquivo \"%1\" na pasta \"%2\": %3.")
                     .arg(file, folder, what);
  if (result.status == WriteStatus::CannotCreate && result.error == ENOENT) {
    // The new file goes straight into the folder: only the folder itself can be missing.
    text += QStringLiteral("\nMotivo: a pasta não existe (foi apagada ou renomeada?).");
  } else if (result.error != 0) {
    text += QStringLiteral("\nMotivo: %1.").arg(SystemErrorReason(result.error));
  }
  text += result.earlier_file
              ? QStringLiteral(
                    "\nO mapa não foi criado; o arquivo anterior com este nome ficou "
                    "como estava.")
              : QStringLiteral("\nO mapa não foi criado.");
  return text;
}

QString ChartNotCreatedText(NameProblem problem, const QString& name) {
  return QStringLiteral("O mapa não foi criado.\n") + NameProblemText(problem, name);
}

QString LoadWarningText(const ReadResult& result, bool looks_like_chart) {
  const QString file = ShownName(result.path);
  switch (result.status) {
    case ReadStatus::Whole:
      if (looks_like_chart) return QString();
      return QStringLiteral(
                 "O arquivo \"%1\" não parece ser um arquivo de mapa: "
                 "o mapa mostrado pode estar incorreto.")
          .arg(file);
    case ReadStatus::Missing:
      return QStringLiteral("O arquivo \"%1\" não foi encontrado.").arg(file);
    case ReadStatus::Short:
      return QStringLiteral("O arquivo \"%1\" está incompleto: tem %2, um mapa tem %3.")
          .arg(file, CountText(static_cast<qint64>(result.bytes_read), QStringLiteral("byte"),
                               QStringLiteral("bytes")))
          .arg(kChartRecordSize);
    case ReadStatus::Unreadable:
    case ReadStatus::NotRegularFile:
      return QStringLiteral("Não foi possível ler o arquivo \"%1\": %2.")
          .arg(file, ReadFailureReason(result));
    case ReadStatus::InvalidName:
      return QStringLiteral("\"%1\" não é um nome de arquivo de mapa válido.").arg(file);
  }
  return QString();
}

QString FilesNotOpenedText(const std::vector<ReadResult>& refused, int line_width,
                           std::size_t unlisted) {
  if (refused.empty()) return QString();
  if (refused.size() == 1 && unlisted == 0) {
    return FittedLine(QStringLiteral("O arquivo \"%1\" não foi aberto: ") +
                          ReadFailureReason(refused.front()) + QLatin1Char('.'),
                      ShownName(refused.front().path), line_width);
  }
  return FileList(QStringLiteral("Estes arquivos não foram abertos:"), refused, line_width,
                  unlisted, ReadFailureReason);
}

QString LoadWarningsText(const std::vector<ReadResult>& warned, int line_width,
                         std::size_t unlisted) {
  if (warned.empty()) return QString();
  if (warned.size() == 1 && unlisted == 0) {
    return FittedLine(QStringLiteral("O arquivo \"%1\" ") +
                          OpenedWithWarningReason(warned.front()) +
                          QStringLiteral(": o mapa mostrado pode estar incorreto."),
                      ShownName(warned.front().path), line_width);
  }
  return FileList(QStringLiteral("Estes arquivos foram abertos, mas os mapas mostrados podem "
                                 "estar incorretos:"),
                  warned, line_width, unlisted, OpenedWithWarningReason);
}

int MessageLineWidth(const QWidget* owner) {
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  const int screen_width = screen != nullptr ? screen->availableGeometry().width() : 1024;
  // A message box wraps its text beyond half the screen, and beyond 500 pixels; room is left for
  // its icon and margins.
  return std::max(160, std::min(screen_width / 2, 500) - 80);
}

void ShowFileListMessage(QWidget* owner, const QString& box_name,
                         const std::vector<ReadResult>& files, const FileListText& text) {
  if (files.empty()) return;
  QMessageBox* box = owner != nullptr
                         ? owner->findChild<QMessageBox*>(box_name, Qt::FindDirectChildrenOnly)
                         : nullptr;
  // A box that was closed waits for its deletion: it takes nothing more.
  if (box != nullptr && !box->isVisible()) box = nullptr;
  ListedFiles* listed = box != nullptr ? ListedFiles::Of(box) : nullptr;
  if (box == nullptr || listed == nullptr) {
    box = new QMessageBox(QMessageBox::Warning, ProgramTitle(), QString(), QMessageBox::Ok, owner);
    box->setObjectName(box_name);
    CarryProgramIcon(*box);
    box->setAttribute(Qt::WA_DeleteOnClose);
    listed = new ListedFiles(box);
    listed->Add(files);
    box->setText(text(listed->first, MessageLineWidth(owner), listed->more));
    box->open();
    return;
  }
  listed->Add(files);
  box->setText(text(listed->first, MessageLineWidth(owner), listed->more));
}

QString HelpFileMissingText(const QString& shown) {
  return QStringLiteral("O arquivo de ajuda não foi encontrado:\n%1").arg(shown);
}

QString ProgramTitle() {
  return QStringLiteral("MAPA DO VORELIM");
}

QString StartCaption() {
  return QStringLiteral("FAÇA SEU MAPA");
}

QString HelpLinkRefusedText(const QString& link) {
  return QStringLiteral("O link \"%1\" não leva a uma página deste manual e não foi aberto.")
      .arg(link);
}

QString HelpPageMissingText(const QString& shown) {
  return QStringLiteral("A página \"%1\" não foi encontrada.").arg(shown);
}

QString HelpPageTooLargeText(const QString& shown, qint64 limit_bytes) {
  return QStringLiteral("A página \"%1\" não foi aberta: tem mais de %2 MB.")
      .arg(shown)
      .arg(limit_bytes / (1024 * 1024));
}

QString HelpPageUnreadableText(const QString& shown, int error) {
  return QStringLiteral("Não foi possível abrir a página \"%1\": %2.")
      .arg(shown, error == 0 ? NotRegularFileReason() : SystemErrorReason(error));
}

QString DesktopOpenFailedText(const QString& url) {
  return QStringLiteral("Não foi possível abrir \"%1\": nenhum programa do sistema o abre.")
      .arg(url);
}

QString PdfNotSavedText(const QString& path, int error) {
  const QFileInfo written(path);
  QString text = QStringLiteral("Não foi possível gravar o arquivo \"%1\" na pasta \"%2\".")
                     .arg(written.fileName(), QDir::toNativeSeparators(written.absolutePath()));
  if (error != 0) text += QStringLiteral("\nMotivo: %1.").arg(SystemErrorReason(error));
  if (written.exists()) text += QStringLiteral("\nO arquivo que já existia ficou como estava.");
  return text;
}

QString ListNotExportedText(const QString& shown, int error) {
  QString text = QStringLiteral("A lista não foi gravada em %1.").arg(shown);
  if (error != 0) text += QStringLiteral("\nMotivo: %1.").arg(SystemErrorReason(error));
  return text;
}

QString UnknownFailureText() {
  return QStringLiteral("Erro desconhecido.");
}

void ShowMessage(QWidget* owner, const Message& message) {
  if (message.wait == MessageWait::UntilClosed && Sink()) {
    Sink()(owner, message.title, message.text);
    return;
  }
  const QMessageBox::Icon icon =
      message.kind == MessageKind::Failure ? QMessageBox::Critical : QMessageBox::Warning;
  if (message.wait == MessageWait::UntilClosed) {
    QMessageBox box(icon, message.title, message.text, QMessageBox::Ok, owner);
    box.setObjectName(message.box_name);
    CarryProgramIcon(box);
    desktop::KeepFixedSizeWindows(box);
    box.exec();
    return;
  }
  auto* box = new QMessageBox(icon, message.title, message.text, QMessageBox::Ok, owner);
  box->setObjectName(message.box_name);
  CarryProgramIcon(*box);
  desktop::KeepFixedSizeWindows(*box);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

void SetMessageSinkForTesting(MessageSink sink) {
  Sink() = std::move(sink);
}

}  // namespace vorelim
