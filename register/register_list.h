#pragma once
// The register's list of a folder's charts: the search box "Procurar", the table of the charts
// its words take, and the status line. The register window and the chart chooser both embed it.
//
// Keys: typing in the box narrows the list and selects its first row; Down goes from the box into
// the list (Up on the first row comes back); Enter in the box or in the list, or a double-click,
// chooses the selected rows (ChartsChosen). Ctrl+1 to Ctrl+6 sort by the column of that number,
// again to reverse, as a click on the column's header does. The list follows the folder: a chart
// created, replaced or removed shows within a second, keeping the search and the selection.

#include <QByteArrayList>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <vector>

#include "chart/chart_folder.h"

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;
QT_END_NAMESPACE

namespace vorelim {

class FolderWatcher;
class RegisterModel;

class RegisterList : public QWidget {
  Q_OBJECT

 public:
  explicit RegisterList(QWidget* parent = nullptr);

  /// Lists and follows the charts of `folder` (as bytes; a relative one is taken in the current
  /// folder).
  void SetFolder(const std::filesystem::path& folder);
  const std::filesystem::path& folder() const { return folder_; }
  /// Reads the folder again now.
  void Reload();

  /// The selected rows' files (absolute, as bytes), in the list's order.
  QByteArrayList SelectedFiles() const;
  /// Empties the search box; false when it was empty already.
  bool ClearSearch();
  /// Gives the focus to the search box.
  void FocusSearch();

  QLineEdit* searchBox() const { return search_; }
  QTableView* table() const { return table_; }
  QLabel* status() const { return status_; }
  RegisterModel* model() const { return model_; }

 signals:
  /// Enter or a double-click chose these files (absolute, as bytes); never empty.
  void ChartsChosen(const QByteArrayList& files);
  /// The folder was read again (the list, the counts and the status line are up to date).
  void Reloaded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SearchChanged(const QString& text);
  void SelectFirstRow();
  void Choose();
  void UpdateStatus();

  QLineEdit* search_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* status_ = nullptr;
  RegisterModel* model_ = nullptr;
  FolderWatcher* watcher_ = nullptr;
  QTimer* reload_timer_ = nullptr;
  std::filesystem::path folder_;
  std::vector<ChartEntry> others_;  // the ".NUM" entries that are no charts
  int folder_error_ = 0;
};

}  // namespace vorelim
