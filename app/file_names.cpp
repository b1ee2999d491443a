#include "app/file_names.h"

#include <sys/stat.h>

#include <QMimeData>
#include <QUrl>
#include <filesystem>
#include <string>
#include <system_error>

namespace vorelim {

QByteArray AbsoluteFileName(const QByteArray& name) {
  std::error_code ec;
  // On this system a path is its bytes, whatever they are.
  const std::filesystem::path absolute = std::filesystem::absolute(name.toStdString(), ec);
  if (ec) return name;
  return QByteArray::fromStdString(absolute.lexically_normal().native());
}

QByteArray LocalFileName(const QUrl& url) {
  // A file on another host is no file of this system, whatever its path.
  if (!url.isLocalFile() || !(url.host().isEmpty() || url.host() == QLatin1String("localhost"))) {
    return QByteArray();
  }
  // QUrl keeps escapes that do not decode as UTF-8 ("%C3" alone) as they are, so undoing the
  // escapes of the encoded path gives the file's own bytes; toLocalFile() would replace them.
  return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
}

bool IsChartFile(const QByteArray& file) {
  if (!file.toLower().endsWith(".num")) return false;
  struct stat info {};
  return ::stat(file.constData(), &info) == 0 && S_ISREG(info.st_mode);
}

QByteArrayList DraggedChartFiles(const QMimeData& data) {
  QByteArrayList files;
  for (const QUrl& url : data.urls()) {
    const QByteArray file = LocalFileName(url);
    if (!IsChartFile(file)) return {};
    files << file;
  }
  return files;
}

}  // namespace vorelim
