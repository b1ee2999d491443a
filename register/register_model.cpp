#include "register/register_model.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <unordered_map>

#include "chart/text_number.h"

namespace vorelim {
namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

RegisterModel::RegisterModel(QObject* parent) : QAbstractTableModel(parent) {}

template <typename Change>
void RegisterModel::Rearrange(Change change) {
  emit layoutAboutToBeChanged();
  const QModelIndexList before = persistentIndexList();
  std::vector<std::string> files;
  files.reserve(static_cast<std::size_t>(before.size()));
  for (const QModelIndex& index : before) {
    files.push_back(index.isValid()
                        ? rows_[static_cast<std::size_t>(shown_[index.row()])].entry.file_name
                        : std::string());
  }
  change();
  if (!before.isEmpty()) {
    std::unordered_map<std::string, int> shown_row;
    for (std::size_t row = 0; row < shown_.size(); ++row) {
      const std::string& file = rows_[static_cast<std::size_t>(shown_[row])].entry.file_name;
      shown_row.emplace(file, static_cast<int>(row));
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
      const auto found = shown_row.find(files[static_cast<std::size_t>(i)]);
      after.append(found == shown_row.end() ? QModelIndex()
                                            : index(found->second, before[i].column()));
    }
    changePersistentIndexList(before, after);
  }
  emit layoutChanged();
}

void RegisterModel::SetEntries(const std::vector<ChartEntry>& entries) {
  Rearrange([&] {
    rows_.clear();
    for (const ChartEntry& entry : entries) {
      if (!entry.is_chart()) continue;
      Row row;
      row.entry = entry;
      row.fields = SearchFieldsOf(entry.record, entry.file_name);
      row.name_key = FoldForSearch(entry.record.Name());
      row.file_key = FoldForSearch(entry.file_name);
      row.day = ReadTextNumber(entry.record.BirthDay());
      row.month = ReadTextNumber(entry.record.BirthMonth());
      row.year = ReadTextNumber(entry.record.BirthYear());
      row.numbers[0] = FirstDigitValue(entry.record.Personality());
      row.numbers[1] = FirstDigitValue(entry.record.Control());
      row.numbers[2] = FirstDigitValue(entry.record.Tendency());
      rows_.push_back(std::move(row));
    }
    SortOrder();
    Filter();
  });
}

void RegisterModel::SetSearch(const QString& query) {
  if (query == search_) return;
  search_ = query;
  query_ = ChartQuery(query.toStdString());
  Rearrange([this] { Filter(); });
}

void RegisterModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= ColumnCount) return;
  sort_column_ = column;
  sort_order_ = order;
  Rearrange([this] {
    SortOrder();
    Filter();
  });
}

bool RegisterModel::Less(const Row& a, const Row& b) const {
  const auto by_name = [](const Row& row) { return std::tie(row.name_key, row.entry.file_name); };
  switch (sort_column_) {
    case BirthColumn:
      return std::tie(a.year, a.month, a.day) != std::tie(b.year, b.month, b.day)
                 ? std::tie(a.year, a.month, a.day) < std::tie(b.year, b.month, b.day)
                 : by_name(a) < by_name(b);
    case PersonalityColumn:
    case ControlColumn:
    case TendencyColumn: {
      const int n = sort_column_ - PersonalityColumn;
      return a.numbers[n] != b.numbers[n] ? a.numbers[n] < b.numbers[n] : by_name(a) < by_name(b);
    }
    case FileColumn:
      return std::tie(a.file_key, a.entry.file_name) < std::tie(b.file_key, b.entry.file_name);
    default:
      return by_name(a) < by_name(b);
  }
}

void RegisterModel::SortOrder() {
  order_.resize(rows_.size());
  std::iota(order_.begin(), order_.end(), 0);
  const bool descending = sort_order_ == Qt::DescendingOrder;
  std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
    const Row& first = rows_[static_cast<std::size_t>(a)];
    const Row& second = rows_[static_cast<std::size_t>(b)];
    return descending ? Less(second, first) : Less(first, second);
  });
}

void RegisterModel::Filter() {
  shown_.clear();
  if (query_.empty()) {
    shown_ = order_;
    return;
  }
  for (int row : order_) {
    if (query_.Matches(rows_[static_cast<std::size_t>(row)].fields)) shown_.push_back(row);
  }
}

QByteArray RegisterModel::fileNameAt(int row) const {
  if (row < 0 || row >= rowCount()) return {};
  return QByteArray::fromStdString(rows_[static_cast<std::size_t>(shown_[row])].entry.file_name);
}

const ChartRecord& RegisterModel::recordAt(int row) const {
  return rows_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])].entry.record;
}

int RegisterModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int RegisterModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const ChartEntry& entry = rows_[static_cast<std::size_t>(shown_[index.row()])].entry;
  if (role == FileNameRole) return QByteArray::fromStdString(entry.file_name);
  if (role == Qt::TextAlignmentRole) {
    const bool number = index.column() >= PersonalityColumn && index.column() <= TendencyColumn;
    return QVariant::fromValue(number ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case NameColumn:
      return FromUtf8(entry.record.Name());
    case BirthColumn:
      return FromUtf8(entry.record.BirthDate());
    case PersonalityColumn:
      return FromUtf8(entry.record.Personality());
    case ControlColumn:
      return FromUtf8(entry.record.Control());
    case TendencyColumn:
      return FromUtf8(entry.record.Tendency());
    case FileColumn:
      // A name that is not UTF-8 shows with U+FFFD where its odd bytes are, as the chart
      // window's caption shows it.
      return FromUtf8(entry.file_name);
    default:
      return {};
  }
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  // The headings in the order of the columns.
  static constexpr const char* kHeadings[ColumnCount] = {"Nome",     "Nascimento", "Personalidade",
                                                         "Controle", "Tendência",  "Arquivo"};
  if (section < 0 || section >= ColumnCount) return {};
  return QString::fromUtf8(kHeadings[section]);
}

}  // namespace vorelim
