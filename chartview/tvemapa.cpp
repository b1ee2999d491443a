#include "chartview/tvemapa.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>
#include <filesystem>
#include <utility>

#include "chart/chart_rules.h"
#include "chart/text_number.h"
#include "chart/today.h"
#include "chart/transit_texts.h"
#include "chartview/chart_accessibility.h"
#include "chartview/chart_context_menu.h"
#include "chartview/chart_geometry.h"
#include "chartview/chart_picture.h"
#include "chartview/chart_printout.h"
#include "chartview/paint_box.h"
#include "chartview/transit_grid.h"
#include "texts/chart_page_keys.h"
#include "texts/tform2.h"
#include "ui/controls.h"
#include "ui/designed.h"
#include "ui/designed_words.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/paper.h"
#include "ui/print_preview.h"
#include "ui/program_printer.h"

using vorelim::BevelPanel;
using vorelim::DesignFont;

namespace {

const QString kRoundedFace = vorelim::FaceName(vorelim::Face::Rounded);
constexpr int kGridHeight = 103;
constexpr int kLastYear = 3000;
const QColor kRed(255, 0, 0);

// Label style: raised outer and inner bevels with a 1-px border between, the light button face,
// centred bold rounded caption 11 px high in black.
void ApplyLabelStyle(BevelPanel* panel) {
  panel->SetBevels(BevelPanel::Bevel::Raised, BevelPanel::Bevel::Raised, 1);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  palette.setColor(QPalette::WindowText, Qt::black);
  panel->setPalette(palette);
  panel->setFont(DesignFont(kRoundedFace, 11, {.bold = true}));
}

// Value style: raised outer bevel only, red background, centred bold rounded caption 15 px high
// in white, and the drag cursor that tells the value can be double-clicked.
void ApplyValueStyle(BevelPanel* panel) {
  panel->SetBevels(BevelPanel::Bevel::Raised, BevelPanel::Bevel::None, 0);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, kRed);
  palette.setColor(QPalette::WindowText, Qt::white);
  panel->setPalette(palette);
  panel->setFont(DesignFont(kRoundedFace, 15, {.bold = true}));
  panel->setCursor(Qt::DragMoveCursor);
}

// The designed place of the control `name`.
consteval const vorelim::Placement& Place(std::string_view name) {
  return vorelim::PlacementOf(TVemapa::kPlacement, name);
}

QString FromChart(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

}  // namespace

TVemapa::TVemapa(QWidget* parent) : QWidget(parent) {
  vorelim::InstallChartWindowInterfaces();
  setObjectName(QStringLiteral("TVemapa"));
  setWindowTitle(QStringLiteral("Mapa Individual"));
  // The chart is paper: its ink is fixed by the design, so the whole window keeps the light
  // colours it was designed on, on a cream ground (the light tooltip colour), whatever the
  // desktop's colour theme. Texts windows and menus it opens are windows of their own and follow
  // the theme.
  QPalette palette = vorelim::PaperPalette();
  palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
  setPalette(palette);
  setAutoFillBackground(true);
  resize(589, 423);

  CreateControls();
  CreateMenus();
  vorelim::InstallChartContextMenu(*this);
  vorelim::NameChartWindow(*this);
}

TVemapa::~TVemapa() = default;

QMdiSubWindow* TVemapa::SubWindow() const {
  return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void TVemapa::CreateControls() {
  // Created first, so the windowed controls lie over it as designed.
  // Fixed: neither docked nor stretched, so resizing the window never moves or scales the picture.
  PaintBox1 = vorelim::Placed(new vorelim::PaintBox(this), Place("PaintBox1"));
  connect(PaintBox1, &vorelim::PaintBox::paint, this, &TVemapa::PaintBox1Paint);

  const auto make_panel = [this](BevelPanel*& panel, const vorelim::Placement& place,
                                 const QString& caption) {
    panel = vorelim::Placed(new BevelPanel(this), place);
    panel->setText(caption);
  };
  make_panel(Panel5, Place("Panel5"), QStringLiteral("NASCEU EM :"));
  make_panel(Panel1, Place("Panel1"), QStringLiteral("TESTE"));
  make_panel(Panel6, Place("Panel6"),
             vorelim::MeaningWord(vorelim::Meaning::Personality).toUpper());
  make_panel(Panel2, Place("Panel2"), QStringLiteral("Panel2"));
  make_panel(Panel7, Place("Panel7"), vorelim::MeaningWord(vorelim::Meaning::Control).toUpper());
  make_panel(Panel3, Place("Panel3"), QStringLiteral("Panel3"));
  make_panel(Panel8, Place("Panel8"), vorelim::MeaningWord(vorelim::Meaning::Tendency).toUpper());
  make_panel(Panel4, Place("Panel4"), QStringLiteral("Panel4"));
  make_panel(Panel11, Place("Panel11"), vorelim::CurrentEraWords().toUpper());
  make_panel(Panel12, Place("Panel12"), QStringLiteral("Panel12"));
  make_panel(Panel9, Place("Panel9"), QStringLiteral("TRÂNSITOS DO ANO"));
  for (BevelPanel* panel : {Panel5, Panel6, Panel7, Panel8, Panel11}) ApplyLabelStyle(panel);
  for (BevelPanel* panel : {Panel1, Panel2, Panel3, Panel4, Panel12}) ApplyValueStyle(panel);
  Panel11->hide();
  Panel12->hide();
  // "TRÂNSITOS DO ANO": no bevel, the window's own background, the label font.
  Panel9->SetBevels(BevelPanel::Bevel::None, BevelPanel::Bevel::None, 0);
  Panel9->setAutoFillBackground(false);
  Panel9->setFont(DesignFont(kRoundedFace, 11, {.bold = true}));
  QPalette label_text = Panel9->palette();
  label_text.setColor(QPalette::WindowText, Qt::black);
  Panel9->setPalette(label_text);

  Button1 = vorelim::Placed(new QPushButton(QStringLiteral("OK"), this), Place("Button1"));
  Button1->setFont(DesignFont(kRoundedFace, 11, {.bold = true}));
  QPalette button_text = Button1->palette();
  button_text.setColor(QPalette::ButtonText, kRed);
  Button1->setPalette(button_text);
  connect(Button1, &QPushButton::clicked, this, &TVemapa::Button1Click);

  Edit1 = vorelim::Placed(new vorelim::YearEdit(this), Place("Edit1"));
  Edit1->setReadOnly(true);
  Edit1->setFont(DesignFont(kRoundedFace, 15, {.bold = true}));
  QPalette edit_colours = Edit1->palette();
  edit_colours.setColor(QPalette::Base, kRed);
  edit_colours.setColor(QPalette::Text, Qt::white);
  Edit1->setPalette(edit_colours);
  Edit1->setText(QStringLiteral("100"));
  connect(Edit1, &QLineEdit::textChanged, this, &TVemapa::Edit1Change);

  UpDown1 = vorelim::Placed(new vorelim::UpDown(this), Place("UpDown1"));
  UpDown1->SetRange(0, kLastYear);
  UpDown1->SetBuddy(Edit1);
  UpDown1->SetPosition(100);

  StringGrid1 = new vorelim::TransitGrid(this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->hide();
  DockGrid();

  // Double-clicks open texts windows; Panel1, the label panels and the drawing have none.
  connect(Panel2, &BevelPanel::doubleClicked, this, &TVemapa::Panel2DblClick);
  connect(Panel3, &BevelPanel::doubleClicked, this, &TVemapa::Panel3DblClick);
  connect(Panel4, &BevelPanel::doubleClicked, this, &TVemapa::Panel4DblClick);
  connect(Panel12, &BevelPanel::doubleClicked, this, &TVemapa::Panel12DblClick);
  connect(StringGrid1, &vorelim::TransitGrid::selectCell, this, [this](int column, int row) {
    bool can_select = true;
    StringGrid1SelectCell(column, row, can_select);
  });
  connect(StringGrid1, &vorelim::TransitGrid::doubleClicked, this, &TVemapa::StringGrid1DblClick);

  // "OK" is the first control in the tab order, and the default button: Enter presses it while
  // it is visible, wherever the focus is in this window.
  setTabOrder(Button1, Edit1);
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] {
      if (Button1->isVisible() && Button1->isEnabled()) Button1->click();
    });
  }
}

void TVemapa::CreateMenus() {
  // MainMenu1 only gathers the two top-level entries; the frame puts them on its menu bar while
  // this window is the active child, so only the active window's shortcuts are reachable.
  MainMenu1 = vorelim::Named(new QMenu(this), "MainMenu1");

  Arquivo1 = vorelim::Named(new QMenu(QStringLiteral("&Arquivo"), this), "Arquivo1");
  const auto add = [this](const char* name, const QString& caption, const QKeySequence& shortcut,
                          void (TVemapa::*slot)()) {
    return vorelim::AddMenuItem(Arquivo1, name, caption, shortcut, this, slot);
  };
  Abrir1 = add("Abrir1", QStringLiteral("A&brir"), Qt::CTRL | Qt::Key_A, &TVemapa::Abrir1Click);
  Novo1 = add("Novo1", QStringLiteral("&Novo"), Qt::CTRL | Qt::Key_N, &TVemapa::Novo1Click);
  Fechar1 = add("Fechar1", QStringLiteral("&Fechar"), Qt::CTRL | Qt::Key_Z, &TVemapa::Fechar1Click);
  Imprimir1 =
      add("Imprimir1", QStringLiteral("&Imprimir"), Qt::CTRL | Qt::Key_P, &TVemapa::Imprimir1Click);
  ImprimirSetup1 = add("ImprimirSetup1", QStringLiteral("C&onfigurar Impressão"), QKeySequence(),
                       &TVemapa::ImprimirSetup1Click);
  VisualizarImpressao1 = add("VisualizarImpressao1", QStringLiteral("&Visualizar impressão"),
                             QKeySequence(), &TVemapa::VisualizarImpressao1Click);
  Sair1 = add("Sair1", QStringLiteral("&Sair"), Qt::CTRL | Qt::Key_X, &TVemapa::Sair1Click);
  MainMenu1->addMenu(Arquivo1);

  Instrues1 = vorelim::Named(new QAction(QStringLiteral("&Vorelim"), this), "Instrues1");
  connect(Instrues1, &QAction::triggered, this, &TVemapa::Instrues1Click);
  MainMenu1->addAction(Instrues1);

  PopupMenu1 = vorelim::Named(new QMenu(this), "PopupMenu1");
}

QList<QAction*> TVemapa::MenuBarActions() const {
  return MainMenu1->actions();
}

void TVemapa::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  DockGrid();
}

void TVemapa::contextMenuEvent(QContextMenuEvent* event) {
  vorelim::PopUpChartContextMenu(*this, event->globalPos(),
                                 event->reason() == QContextMenuEvent::Keyboard);
  event->accept();
}

void TVemapa::DockGrid() {
  if (StringGrid1 != nullptr)
    StringGrid1->setGeometry(0, height() - kGridHeight, width(), kGridHeight);
}

void TVemapa::SetYearText(const QString& year) {
  if (Edit1->text() == year) {
    Edit1Change();
  } else {
    Edit1->setText(year);  // runs Edit1Change through textChanged
  }
}

void TVemapa::LoadChart(const QString& name) {
  LoadChart(name, std::filesystem::path());
}

void TVemapa::LoadChart(const QString& name, const std::filesystem::path& file) {
  // The file the user chose is the one read; a name alone is looked up in the current folder. A
  // file that cannot be read leaves the record as it was, a short one all but its start.
  vorelim::ChartRecord record = Chart;
  const vorelim::ReadResult read = file.empty() ? vorelim::ReadChartFile(name.toStdString(), record)
                                                : vorelim::ReadChartPath(file, record);
  LoadChart(name, record, read);
}

void TVemapa::LoadChart(const QString& name, const vorelim::ChartRecord& record,
                        const vorelim::ReadResult& read) {
  Button1->show();

  // The year comes from the calendar, not from a formatted date.
  TransitYear = QString::number(vorelim::Today().year);
  SetYearText(TransitYear);

  ChartName = name;
  setWindowTitle(name);

  Chart = record;
  ChartPath = QString::fromStdString(read.path.string());
  // The drawing shows the elements of the record just read.
  PaintBox1->update();

  Panel2->setText(FromChart(Chart.Personality()));
  Panel3->setText(FromChart(Chart.Control()));
  Panel4->setText(FromChart(Chart.Tendency()));
  Panel1->setText(FromChart(Chart.BirthDate()));

  // The birth year field holds at most 4 characters; the up-down keeps a valid range even when
  // the birth year is 3000 or later.
  UpDown1->SetMinimum(vorelim::ReadTextNumber(Chart.BirthYear()) + 1);

  load_warning_ = vorelim::LoadWarningText(read, Chart.LooksLikeChart());
  if (!load_warning_.isEmpty()) {
    // Shown once the opener has shown and focused the window, so the message lies above it.
    QTimer::singleShot(0, this, &TVemapa::ShowLoadWarning);
  }
}

QString TVemapa::TakeLoadWarning() {
  return std::exchange(load_warning_, QString());
}

void TVemapa::ShowLoadWarning() {
  if (load_warning_.isEmpty()) return;
  vorelim::ShowMessage(this, {.title = vorelim::ProgramTitle(),
                              .text = load_warning_,
                              .wait = vorelim::MessageWait::No,
                              .box_name = QStringLiteral("LoadWarning")});
}

void TVemapa::FocusFirstControl() {
  if (Button1->isVisible()) {
    Button1->setFocus(Qt::OtherFocusReason);
  } else {
    Edit1->setFocus(Qt::OtherFocusReason);
  }
}

bool TVemapa::focusNextPrevChild(bool next) {
  QWidget* from = focusWidget() != nullptr ? focusWidget() : this;
  QWidget* candidate = from;
  // The focus chain is a ring through every widget of the frame; this window's part of it is
  // walked round, from the focus onwards.
  do {
    candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
    if (candidate != this && isAncestorOf(candidate) && candidate->isVisibleTo(this) &&
        candidate->isEnabled() && (candidate->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
      candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  } while (candidate != from);
  return false;
}

void TVemapa::Edit1Change() {
  StringGrid1->hide();
  Panel11->hide();
  Panel12->hide();
  Button1->show();
}

void TVemapa::Button1Click() {
  const vorelim::ChartTransits transits =
      vorelim::TransitsForYear(Chart, Edit1->text().toStdString());
  TransitYear = FromChart(transits.year_text);
  if (transits.clamped_to_birth_year) Edit1->setText(TransitYear);  // runs Edit1Change

  Panel11->show();
  Panel12->setText(FromChart(transits.era));
  Panel12->show();

  YearNumber = FromChart(transits.year_number);
  for (std::size_t i = 0; i < MonthNumbers.size(); ++i) {
    MonthNumbers[i] = FromChart(transits.month_numbers[i]);
  }

  StringGrid1->SetCells(
      vorelim::TransitCellTexts(transits.year_text, transits.year_number, transits.month_numbers));
  StringGrid1->show();
  Button1->hide();
}

void TVemapa::PaintBox1Paint(QPainter& canvas) {
  const int w = PaintBox1->width();
  const int h = PaintBox1->height();
  vorelim::DrawRingsAndStar(canvas, Chart.Elements(), w, h, 1);
  // The labels keep the canvas's size, style and window-text colour; only the face changes.
  QFont font = PaintBox1->font();
  font.setFamily(vorelim::InstalledFamily(kRoundedFace));
  canvas.setFont(font);
  canvas.setPen(PaintBox1->palette().color(QPalette::WindowText));
  const std::array<vorelim::PlacedText, 6> labels = vorelim::ScreenLabels(w, h);
  vorelim::DrawPlacedTexts(canvas, labels);
}

void TVemapa::Abrir1Click() {
  emit OpenRequested();
}

void TVemapa::Novo1Click() {
  emit NewChartRequested();
}

void TVemapa::Fechar1Click() {
  emit CloseAllRequested();
}

void TVemapa::Sair1Click() {
  emit QuitRequested();
}

vorelim::ChartPrintout TVemapa::ComposePrintout() {
  // The year in the box is printed whether or not "OK" was pressed for it, and becomes the
  // window's transit year as "OK" would make it; the box itself is left alone.
  TransitYear = FromChart(vorelim::TransitsForYear(Chart, Edit1->text().toStdString()).year_text);
  // The month comes from the calendar date itself, never from a formatted date.
  return vorelim::ComposeChartPrintout(Chart, TransitYear.toStdString(), vorelim::Today().month);
}

void TVemapa::Imprimir1Click() {
  const vorelim::ChartPrintout printout = ComposePrintout();
  QPrinter& printer = vorelim::ProgramPrinter();
  if (!vorelim::RunPrintDialog(printer, this)) return;
  // A printer that cannot print (none installed, an unwritable file) ends the printout silently.
  vorelim::PrintChartPrintout(printer, printout);
}

void TVemapa::VisualizarImpressao1Click() {
  vorelim::OpenPrintPreview(this, vorelim::ChartPreviewDocument(ComposePrintout(), ChartName,
                                                                std::filesystem::current_path()));
}

void TVemapa::ImprimirSetup1Click() {
  // Paper and orientation go into the program's one printer, for every later printout.
  vorelim::RunPrinterSetupDialog(vorelim::ProgramPrinter(), this);
}

void TVemapa::Instrues1Click() {
  OpenTextsWindow(this, QStringLiteral("0"));
}

void TVemapa::Panel2DblClick() {
  OpenTextsWindow(this, Panel2->text());
}

void TVemapa::Panel3DblClick() {
  OpenTextsWindow(this, Panel3->text());
}

void TVemapa::Panel4DblClick() {
  OpenTextsWindow(this, Panel4->text());
}

void TVemapa::Panel12DblClick() {
  OpenTextsWindow(this, vorelim::HousePageKey(Panel12->text()));
}

void TVemapa::StringGrid1SelectCell(int column, int row, bool& can_select) {
  SelectedColumn = column;
  SelectedRow = row;
  can_select = true;
}

void TVemapa::StringGrid1DblClick() {
  // The first click of the double-click has already selected the cell under the mouse.
  OpenTextsWindow(this,
                  vorelim::GridPageKey(SelectedColumn, SelectedRow, YearNumber, MonthNumbers));
}
