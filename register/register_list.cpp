#include "register/register_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <system_error>

#include "register/folder_watcher.h"
#include "register/register_model.h"
#include "register/register_texts.h"

namespace vorelim {
namespace {

// How long the list waits after the folder changed before reading it: a copy of many files
// gives one reading, and the list still follows within a second.
constexpr int kReloadDelayMs = 250;

}  // namespace

RegisterList::RegisterList(QWidget* parent) : QWidget(parent) {
  auto* label = new QLabel(QStringLiteral("Procurar"), this);
  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("SearchBox"));
  search_->setAccessibleName(QStringLiteral("Procurar"));
  search_->setAccessibleDescription(
      QStringLiteral("Partes do nome, datas como 15/6/1975 ou números como p7, c4, t8"));
  search_->setClearButtonEnabled(true);
  label->setBuddy(search_);
  search_->installEventFilter(this);

  model_ = new RegisterModel(this);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("ChartList"));
  table_->setAccessibleName(QStringLiteral("Mapas da pasta"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);
  table_->setWordWrap(false);
  table_->verticalHeader()->hide();
  // Fixed row heights: the view never measures the rows, whatever their number.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->horizontalHeader()->setSortIndicatorShown(true);
  table_->setSortingEnabled(true);
  table_->sortByColumn(RegisterModel::NameColumn, Qt::AscendingOrder);
  const QFontMetrics metrics = fontMetrics();
  table_->setColumnWidth(RegisterModel::NameColumn,
                         metrics.horizontalAdvance(QLatin1Char('M')) * 12);
  for (int column = RegisterModel::BirthColumn; column < RegisterModel::FileColumn; ++column) {
    const QString header = model_->headerData(column, Qt::Horizontal).toString();
    table_->setColumnWidth(column, metrics.horizontalAdvance(header) + 32);
  }
  table_->installEventFilter(this);
  connect(table_, &QTableView::doubleClicked, this, &RegisterList::Choose);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("StatusLine"));
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* search_line = new QHBoxLayout;
  search_line->addWidget(label);
  search_line->addWidget(search_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(search_line);
  layout->addWidget(table_, 1);
  layout->addWidget(status_);
  setFocusProxy(search_);

  connect(search_, &QLineEdit::textChanged, this, &RegisterList::SearchChanged);

  // Sorting from the keyboard: Ctrl+1 .. Ctrl+6, the columns in their order; again reverses.
  for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + column)), this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, column] {
      const bool again =
          model_->sortColumn() == column && model_->sortOrder() == Qt::AscendingOrder;
      table_->sortByColumn(column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
  }

  watcher_ = new FolderWatcher(this);
  reload_timer_ = new QTimer(this);
  reload_timer_->setSingleShot(true);
  reload_timer_->setInterval(kReloadDelayMs);
  connect(reload_timer_, &QTimer::timeout, this, &RegisterList::Reload);
  connect(watcher_, &FolderWatcher::Changed, reload_timer_, qOverload<>(&QTimer::start));
  connect(model_, &QAbstractItemModel::layoutChanged, this, &RegisterList::UpdateStatus);
}

void RegisterList::SetFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(folder, ec).lexically_normal();
  if (ec) absolute = folder;
  // "/a/b/" and "/a/b" are one folder.
  if (!absolute.has_filename() && absolute.has_parent_path() && absolute != absolute.root_path()) {
    absolute = absolute.parent_path();
  }
  folder_ = absolute;
  watcher_->Watch(folder_);
  Reload();
  SelectFirstRow();
}

void RegisterList::Reload() {
  FolderEntries read = ReadChartFolder(folder_);
  folder_error_ = read.error;
  others_.clear();
  for (ChartEntry& entry : read.entries) {
    if (!entry.is_chart()) others_.push_back(entry);
  }
  // A folder removed and made again is a new one to watch; a watched one stays watched.
  if (!watcher_->watching() && folder_error_ == 0) watcher_->Watch(folder_);
  model_->SetEntries(read.entries);
  UpdateStatus();
  emit Reloaded();
}

void RegisterList::UpdateStatus() {
  const QString text =
      RegisterStatusText(model_->rowCount(), model_->totalCount(), others_, folder_error_);
  status_->setText(text);
  // Read with the list, so a screen reader tells the counts as the list takes the focus.
  table_->setAccessibleDescription(text);
}

void RegisterList::SearchChanged(const QString& text) {
  model_->SetSearch(text);
  SelectFirstRow();
}

void RegisterList::SelectFirstRow() {
  table_->clearSelection();
  if (model_->rowCount() == 0) return;
  table_->setCurrentIndex(model_->index(0, 0));
  table_->selectRow(0);
  table_->scrollToTop();
}

QByteArrayList RegisterList::SelectedFiles() const {
  QList<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows()) rows << index.row();
  std::sort(rows.begin(), rows.end());
  QByteArrayList files;
  for (int row : rows) {
    files << QByteArray::fromStdString((folder_ / model_->fileNameAt(row).toStdString()).native());
  }
  return files;
}

void RegisterList::Choose() {
  QByteArrayList files = SelectedFiles();
  if (files.isEmpty() && model_->rowCount() > 0) {
    files << QByteArray::fromStdString((folder_ / model_->fileNameAt(0).toStdString()).native());
  }
  if (!files.isEmpty()) emit ChartsChosen(files);
}

bool RegisterList::ClearSearch() {
  if (search_->text().isEmpty()) return false;
  search_->clear();
  FocusSearch();
  return true;
}

void RegisterList::FocusSearch() {
  search_->setFocus(Qt::OtherFocusReason);
  search_->selectAll();
}

bool RegisterList::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (watched == search_) {
    if (enter) {
      Choose();
      return true;
    }
    if (key->key() == Qt::Key_Down && model_->rowCount() > 0) {
      if (!table_->currentIndex().isValid()) SelectFirstRow();
      table_->setFocus(Qt::TabFocusReason);
      return true;
    }
    if (key->key() == Qt::Key_Escape && ClearSearch()) return true;
  } else if (watched == table_) {
    if (enter) {
      Choose();
      return true;
    }
    if (key->key() == Qt::Key_Up && key->modifiers() == Qt::NoModifier &&
        table_->currentIndex().row() <= 0) {
      FocusSearch();
      return true;
    }
    if (key->key() == Qt::Key_Escape && ClearSearch()) return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace vorelim
