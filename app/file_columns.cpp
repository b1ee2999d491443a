#include "app/file_columns.h"

#include <QFileInfo>
#include <QFileSystemModel>
#include <QLocale>

namespace vorelim {
namespace {
// The columns of QFileSystemModel.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;
}  // namespace

QVariant FileColumnsInDefaultLocale::data(const QModelIndex& index, int role) const {
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  const bool shown = role == Qt::DisplayRole || role == Qt::EditRole;
  const int column = index.column();
  if (files == nullptr || !shown || (column != kSizeColumn && column != kDateColumn))
    return QIdentityProxyModel::data(index, role);
  const QModelIndex file = mapToSource(index);
  if (!file.isValid()) return {};
  if (column == kDateColumn)
    return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
  // A folder has no size of its own to show, as in Qt's model.
  if (files->isDir(file)) return QString();
  return QLocale().formattedDataSize(files->size(file));
}

QString PortugueseFileTypes::type(const QFileInfo& info) const {
  // In the order Qt tells them apart.
  if (info.isRoot()) return QStringLiteral("Unidade");
  if (info.isFile()) return QFileIconProvider::type(info);
  if (info.isDir()) return QStringLiteral("Pasta");
  if (info.isSymLink()) return QStringLiteral("Atalho");
  return QStringLiteral("Desconhecido");
}

PortugueseFileTypes* FileTypesInPortuguese() {
  static auto* const types = new PortugueseFileTypes;
  return types;
}

}  // namespace vorelim
