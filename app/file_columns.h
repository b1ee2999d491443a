#pragma once
// The columns of Qt's file dialog in the program's language and formats. Qt's file system model
// writes each file's size and date in the formats of the system's locale (QLocale::system(), read
// from LANG and LC_* as the program starts), which the program's default locale does not reach,
// and Qt's Portuguese translation lacks the type names it gives entries that are not files.

#include <QFileIconProvider>
#include <QIdentityProxyModel>

namespace vorelim {

/// Set as the dialog's proxy model: the dialog's files as Qt's file system model shows them, with
/// the size and the date written in the default locale instead (Brazilian Portuguese,
/// app/application.h).
class FileColumnsInDefaultLocale : public QIdentityProxyModel {
  Q_OBJECT

 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override;
};

/// Qt's icons and file types, with the types of folders, drives, broken links and other entries in
/// the words of Qt's own Portuguese file dialog ("Pasta", "Unidade", "Atalho", "Desconhecido").
/// A file keeps the name of its MIME type, which Qt gives in the default locale's language.
class PortugueseFileTypes : public QFileIconProvider {
 public:
  QString type(const QFileInfo& info) const override;
};

/// One provider for every dialog of the process. The model of a file dialog asks it from a thread
/// of its own, so it outlives every dialog: it is never destroyed.
PortugueseFileTypes* FileTypesInPortuguese();

}  // namespace vorelim
