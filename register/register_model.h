#pragma once
// The register's table: the charts of one folder, one row each, with the columns "Nome",
// "Nascimento", "Personalidade", "Controle", "Tendência" and "Arquivo". The model itself keeps
// the search and the sort: it holds every chart, the charts in the order of the sorted column,
// and the rows the search words take, so a keystroke costs one pass over prepared fields and no
// sorting. Rows that stay shown keep their selection through a new search, a new sort and a new
// reading of the folder (the persistent indexes follow the file's name).

#include <QAbstractTableModel>
#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

#include "chart/chart_folder.h"
#include "chart/chart_search.h"

namespace vorelim {

class RegisterModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column {
    NameColumn,
    BirthColumn,
    PersonalityColumn,
    ControlColumn,
    TendencyColumn,
    FileColumn,
    ColumnCount
  };
  /// The role under which every cell gives its row's file name, as bytes (QByteArray).
  static constexpr int FileNameRole = Qt::UserRole + 1;

  explicit RegisterModel(QObject* parent = nullptr);

  /// Shows the charts among `entries` (the other entries are left out), keeping the search, the
  /// sort and the selected rows that are still there.
  void SetEntries(const std::vector<ChartEntry>& entries);
  /// Shows only the charts every word of `query` matches (ChartQuery).
  void SetSearch(const QString& query);
  QString search() const { return search_; }

  /// How many charts the folder holds, shown or not.
  int totalCount() const { return static_cast<int>(rows_.size()); }
  /// The file name (bytes) of the shown row `row`.
  QByteArray fileNameAt(int row) const;
  /// The chart of the shown row `row`.
  const ChartRecord& recordAt(int row) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  /// Names alphabetically ignoring case and accents, dates by date, numbers as numbers, files by
  /// name; equal rows by name, then by file.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
  int sortColumn() const { return sort_column_; }
  Qt::SortOrder sortOrder() const { return sort_order_; }

 private:
  struct Row {
    ChartEntry entry;
    SearchFields fields;
    std::string name_key;  // folded name, for sorting
    std::string file_key;  // folded file name
    int year = 0, month = 0, day = 0;
    int numbers[3] = {0, 0, 0};  // personality, control, tendency
  };

  // Runs `change` (which may replace rows_, order_ and shown_) as one layout change, moving
  // every persistent index to the row of the same file, or dropping it when that file is gone.
  template <typename Change>
  void Rearrange(Change change);
  void SortOrder();
  void Filter();
  bool Less(const Row& a, const Row& b) const;

  std::vector<Row> rows_;
  std::vector<int> order_;  // every row, in sorted order
  std::vector<int> shown_;  // the rows of order_ the search takes
  QString search_;
  ChartQuery query_;
  int sort_column_ = NameColumn;
  Qt::SortOrder sort_order_ = Qt::AscendingOrder;
};

}  // namespace vorelim
