#include "compare/comparison_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "compare/comparison_sheet.h"
#include "compare/element_star.h"
#include "texts/text_catalogue.h"
#include "texts/tform2.h"
#include "ui/accessible_names.h"
#include "ui/fonts.h"
#include "ui/placement.h"
#include "ui/print_preview.h"
#include "ui/program_printer.h"
#include "ui/window_icon.h"

namespace vorelim {

ComparisonWindow::ComparisonWindow(const Comparison& comparison, QWidget* owner)
    : QWidget(owner, Qt::Window), comparison_(comparison) {
  RegisterFontSubstitutes();
  setObjectName(QStringLiteral("ComparisonWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(ComparisonTitle(comparison_));
  CarryProgramIcon(*this);
  ReadAsWindow(*this);
  setAccessibleName(windowTitle());

  auto* people = new QHBoxLayout;
  people->addWidget(MakePerson(comparison_.first, QStringLiteral("Primeira pessoa"), FirstStar));
  people->addWidget(MakePerson(comparison_.second, QStringLiteral("Segunda pessoa"), SecondStar));
  FirstStar->setObjectName(QStringLiteral("FirstStar"));
  SecondStar->setObjectName(QStringLiteral("SecondStar"));

  MakeTable();

  const auto button = [this](const QString& caption, const char* name, const QString& help) {
    auto* made = new QPushButton(caption, this);
    made->setObjectName(QString::fromLatin1(name));
    made->setAutoDefault(false);
    made->setAccessibleDescription(help);
    return made;
  };
  LevelsButton = button(QStringLiteral("&Texto dos níveis"), "LevelsButton",
                        QStringLiteral("Abre o texto sobre os três níveis"));
  CopyButton = button(QStringLiteral("&Copiar tabela"), "CopyButton",
                      QStringLiteral("Copia a tabela como texto (Ctrl+C)"));
  PreviewButton = button(QStringLiteral("&Visualizar impressão"), "PreviewButton",
                         QStringLiteral("Mostra a folha da comparação como será impressa"));
  PrintButton = button(QStringLiteral("I&mprimir"), "PrintButton",
                       QStringLiteral("Imprime a comparação numa folha (Ctrl+P)"));
  CloseButton =
      button(QStringLiteral("&Fechar"), "CloseButton", QStringLiteral("Fecha a comparação (Esc)"));
  connect(LevelsButton, &QPushButton::clicked, this, &ComparisonWindow::OpenLevelsText);
  connect(CopyButton, &QPushButton::clicked, this, &ComparisonWindow::CopyTable);
  connect(PreviewButton, &QPushButton::clicked, this, &ComparisonWindow::PreviewPrint);
  connect(PrintButton, &QPushButton::clicked, this, &ComparisonWindow::Print);
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
          &ComparisonWindow::CopyTable);
  connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
          &ComparisonWindow::Print);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(LevelsButton);
  buttons->addStretch();
  buttons->addWidget(CopyButton);
  buttons->addWidget(PreviewButton);
  buttons->addWidget(PrintButton);
  buttons->addWidget(CloseButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(people);
  layout->addWidget(Table);
  layout->addLayout(buttons);

  setTabOrder(Table, LevelsButton);
  setTabOrder(LevelsButton, CopyButton);
  setTabOrder(CopyButton, PreviewButton);
  setTabOrder(PreviewButton, PrintButton);
  setTabOrder(PrintButton, CloseButton);
  setFocusProxy(Table);

  // As large as its contents ask, within the screen; shown, it is centred there.
  QSize size = sizeHint();
  if (const QScreen* shown_on = owner != nullptr ? owner->screen() : screen()) {
    size = size.boundedTo(shown_on->availableGeometry().size() * 9 / 10);
  }
  resize(size);
}

void ComparisonWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) CentreOnScreen(*this);
  QWidget::showEvent(event);
}

QWidget* ComparisonWindow::MakePerson(const ComparedPerson& person, const QString& role,
                                      ElementStar*& star) {
  auto* box = new QWidget(this);
  box->setAccessibleName(role + QStringLiteral(": ") + person.name +
                         QStringLiteral(", nasceu em ") + person.birth_date);
  auto* name = new QLabel(person.name, box);
  QFont bold = name->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.3);
  name->setFont(bold);
  auto* date = new QLabel(QStringLiteral("Nasceu em ") + person.birth_date, box);
  // A chart name is a file's name: shown as typed, never read as markup.
  name->setTextFormat(Qt::PlainText);
  date->setTextFormat(Qt::PlainText);
  star = new ElementStar(person.marks, person.name, box);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(name);
  layout->addWidget(date);
  layout->addWidget(star);
  return box;
}

void ComparisonWindow::MakeTable() {
  const int rows = static_cast<int>(comparison_.rows.size());
  const QStringList columns = ComparisonColumns(comparison_);
  Table = new QTableWidget(rows, static_cast<int>(columns.size()), this);
  Table->setObjectName(QStringLiteral("Table"));
  Table->setAccessibleName(QStringLiteral("Relações dos elementos"));
  Table->setAccessibleDescription(
      QStringLiteral("Enter ou duplo clique numa linha abre o texto da relação"));
  Table->setHorizontalHeaderLabels(columns);
  QStringList levels;
  for (const ComparisonRow& row : comparison_.rows) levels << row.level;
  Table->setVerticalHeaderLabels(levels);
  for (int r = 0; r < rows; ++r) {
    const ComparisonRow& row = comparison_.rows[static_cast<std::size_t>(r)];
    const QString cells[3] = {row.first, row.second, row.relation};
    for (int c = 0; c < 3; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
      Table->setItem(r, c, item);
    }
  }
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setSelectionMode(QAbstractItemView::SingleSelection);
  Table->setTabKeyNavigation(false);
  Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  Table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The table is as high as its rows: no scrolling for three lines.
  Table->ensurePolished();
  Table->setFixedHeight(Table->horizontalHeader()->sizeHint().height() +
                        Table->verticalHeader()->length() + 2 * Table->frameWidth());
  Table->setCurrentCell(0, 0);
  // Enter, and a double-click, activate a row.
  connect(Table, &QAbstractItemView::activated, this,
          [this](const QModelIndex& index) { OpenRelationText(index.row()); });
}

TForm2* ComparisonWindow::OpenRelationText(int row) {
  if (row < 0 || row >= static_cast<int>(comparison_.rows.size())) return nullptr;
  const std::optional<Relation> kind = comparison_.rows[static_cast<std::size_t>(row)].kind;
  if (!kind) return nullptr;
  const TextEntry* text = FurtherText(RelationTextPage(*kind));
  return text != nullptr ? OpenTextsWindow(this, *text) : nullptr;
}

TForm2* ComparisonWindow::OpenLevelsText() {
  const TextEntry* text = FurtherText(LevelsTextPage());
  return text != nullptr ? OpenTextsWindow(this, *text) : nullptr;
}

void ComparisonWindow::PreviewPrint() {
  PreviewDocument document;
  document.printout = ComparisonPrintout(comparison_);
  // Titled as the chart's and the texts' previews, so the window list tells it from the window.
  document.window_title = QStringLiteral("Visualizar impressão - ") + windowTitle();
  document.pdf_file_name = windowTitle() + QStringLiteral(".pdf");
  document.folder = std::filesystem::current_path();
  OpenPrintPreview(this, std::move(document));
}

void ComparisonWindow::Print() {
  QPrinter& printer = ProgramPrinter();
  if (!RunPrintDialog(printer, this)) return;
  // A printer that fails ends the printout silently, as every printout of the program.
  PrintComparison(printer, comparison_);
}

void ComparisonWindow::CopyTable() {
  QApplication::clipboard()->setText(ComparisonTableText(comparison_));
}

ComparisonWindow* OpenComparison(QWidget* owner, const ChartRecord& first,
                                 const QString& first_name, const ChartRecord& second,
                                 const QString& second_name) {
  auto* window = new ComparisonWindow(Compare(first, first_name, second, second_name), owner);
  window->show();
  window->raise();
  window->activateWindow();
  window->Table->setFocus(Qt::OtherFocusReason);
  return window;
}

}  // namespace vorelim
