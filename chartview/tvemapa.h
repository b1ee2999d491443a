#pragma once
// The chart window: one person's chart. The main frame creates it, puts it in a subwindow of its
// MDI area (the subwindow is only its frame: maximised, without title-bar buttons) and destroys it
// when the subwindow closes; the window knows nothing of where it lives. The file commands that
// concern the whole program (open, new, close all, quit) are requests that the frame connects.
//
// Every control keeps its designed name as member and objectName. The state a window keeps for
// itself (chart record, chart name, transit year, year and month numbers, selected cell) is
// public, so the drawing, the transits, the double-clicks and the printout read this window's
// own chart.

#include <QString>
#include <QWidget>
#include <array>

#include "chart/chart_file.h"
#include "chart/chart_record.h"
#include "chartview/chart_printout.h"
#include "ui/placement.h"

QT_BEGIN_NAMESPACE
class QAction;
class QMdiSubWindow;
class QMenu;
class QPainter;
class QPushButton;
QT_END_NAMESPACE

namespace vorelim {
class BevelPanel;
class PaintBox;
class TransitGrid;
class UpDown;
class YearEdit;
}  // namespace vorelim

class TVemapa : public QWidget {
  Q_OBJECT

 public:
  /// Creates the window with its designed controls and menus, not shown yet.
  explicit TVemapa(QWidget* parent = nullptr);
  ~TVemapa() override;

  /// The designed controls' names and places, those that take the focus in the window's tab
  /// order. The transit grid is not among them: it is docked to the bottom edge.
  static constexpr vorelim::Placement kPlacement[] = {
      {"PaintBox1", {192, -8, 361, 281}}, {"Panel5", {0, 0, 98, 25}},
      {"Panel1", {0, 24, 98, 17}},        {"Panel6", {0, 40, 98, 25}},
      {"Panel2", {0, 64, 98, 17}},        {"Panel7", {0, 80, 98, 25}},
      {"Panel3", {0, 104, 98, 17}},       {"Panel8", {0, 120, 98, 25}},
      {"Panel4", {0, 144, 98, 17}},       {"Panel11", {-5, 161, 103, 22}},
      {"Panel12", {0, 183, 97, 19}},      {"Panel9", {0, 211, 105, 19}},
      {"Button1", {173, 208, 26, 25}},    {"Edit1", {106, 210, 42, 26}},
      {"UpDown1", {148, 210, 12, 26}},
  };

  /// Loads the chart file `name` + ".NUM" from the current folder and shows it; `name` becomes
  /// the caption. Reports no failure itself; a file that cannot be read or does not look like a
  /// chart is told to the user in a message box after the window shows.
  void LoadChart(const QString& name);
  /// The same, reading the file at `file` (the file the user chose, by its bytes) while `name`
  /// stays the caption. An empty path reads `name` + ".NUM" from the current folder.
  void LoadChart(const QString& name, const std::filesystem::path& file);
  /// The same for a chart its opener has already read: shows `record`, read as `read` tells,
  /// without reading the file again.
  void LoadChart(const QString& name, const vorelim::ChartRecord& record,
                 const vorelim::ReadResult& read);

  /// The warning LoadChart would show (empty when there is none), which this window then does not
  /// show: an opener that loads many charts at once tells their warnings in one message.
  QString TakeLoadWarning();

  /// The MDI subwindow that frames this window, or nullptr when it has none.
  QMdiSubWindow* SubWindow() const;

  /// The top-level menu entries this window puts on the frame's menu bar while it is active:
  /// "&Arquivo" (its submenu) and "&Vorelim".
  QList<QAction*> MenuBarActions() const;

  /// Writes a year into Edit1 and runs Edit1Change once, also when the text was already there.
  void SetYearText(const QString& year);

  /// Gives the keyboard focus to the first control of the tab order that can take it.
  void FocusFirstControl();

  /// The message shown after the last load, empty when the file was a good chart.
  QString loadWarning() const { return load_warning_; }

  // Per-window state.
  vorelim::ChartRecord Chart;            // the loaded chart record
  QString ChartName;                     // the caption
  QString ChartPath;                     // the file the record was read from
  QString TransitYear;                   // up to 4 characters
  QString YearNumber;                    // 1 character, empty until the first "OK"
  std::array<QString, 12> MonthNumbers;  // January first, empty until the first "OK"
  int SelectedColumn = 0;                // selected cell of the transit grid
  int SelectedRow = 0;

  // Controls, named as designed.
  vorelim::BevelPanel* Panel1 = nullptr;   // birth date
  vorelim::BevelPanel* Panel2 = nullptr;   // personality
  vorelim::BevelPanel* Panel3 = nullptr;   // control
  vorelim::BevelPanel* Panel4 = nullptr;   // tendency
  vorelim::BevelPanel* Panel5 = nullptr;   // "NASCEU EM :"
  vorelim::BevelPanel* Panel6 = nullptr;   // caption of the personality
  vorelim::BevelPanel* Panel7 = nullptr;   // caption of the control
  vorelim::BevelPanel* Panel8 = nullptr;   // caption of the tendency
  vorelim::BevelPanel* Panel9 = nullptr;   // "TRÂNSITOS DO ANO"
  vorelim::BevelPanel* Panel11 = nullptr;  // caption of the current era
  vorelim::BevelPanel* Panel12 = nullptr;  // era number
  vorelim::YearEdit* Edit1 = nullptr;      // transit year
  vorelim::UpDown* UpDown1 = nullptr;
  QPushButton* Button1 = nullptr;               // "OK"
  vorelim::PaintBox* PaintBox1 = nullptr;       // element drawing
  vorelim::TransitGrid* StringGrid1 = nullptr;  // transit grid, docked to the bottom

  // Menu, named as designed. MainMenu1 holds the two top-level entries.
  QMenu* MainMenu1 = nullptr;  // container of the entries below; never shown itself
  QMenu* Arquivo1 = nullptr;
  QAction* Abrir1 = nullptr;
  QAction* Novo1 = nullptr;
  QAction* Fechar1 = nullptr;
  QAction* Imprimir1 = nullptr;
  QAction* ImprimirSetup1 = nullptr;
  QAction* VisualizarImpressao1 = nullptr;  // the chart sheet in the print preview
  QAction* Sair1 = nullptr;
  QAction* Instrues1 = nullptr;
  // The context menu: the texts the double-clicks open, filled each time it opens.
  QMenu* PopupMenu1 = nullptr;

 signals:
  /// "A&brir": asks for a chart file to open.
  void OpenRequested();
  /// "&Novo": asks for a new chart dialog.
  void NewChartRequested();
  /// "&Fechar": asks to close every child window of the frame.
  void CloseAllRequested();
  /// "&Sair": asks to end the program.
  void QuitRequested();

 public slots:
  /// The file commands: each emits its request.
  void Abrir1Click();
  void Novo1Click();
  void Fechar1Click();
  void Sair1Click();
  void Imprimir1Click();
  void ImprimirSetup1Click();
  /// "&Visualizar impressão": the sheet "&Imprimir" prints, in the print preview window.
  void VisualizarImpressao1Click();
  void Instrues1Click();
  /// Double-clicks on the personality, control and tendency numbers: open the text of the number
  /// shown.
  void Panel2DblClick();
  void Panel3DblClick();
  void Panel4DblClick();
  /// Double-click on the era number: opens the text of its house.
  void Panel12DblClick();
  /// The transit grid selected a cell: kept for the grid's double-click; the selection is allowed.
  void StringGrid1SelectCell(int column, int row, bool& can_select);
  /// Double-click on the transit grid: opens the house of the number of the selected cell.
  void StringGrid1DblClick();
  /// The year box changed: hides the transit results and offers "OK" again.
  void Edit1Change();
  /// "OK": computes the transits of the year in the box.
  void Button1Click();
  /// Draws the element picture of this window's chart on the paint box.
  void PaintBox1Paint(QPainter& canvas);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  /// Tab and Shift+Tab go round the window's own controls. Qt's own round, made by the
  /// subwindow, tells screen readers the subwindow as focused after the control it wrapped to.
  bool focusNextPrevChild(bool next) override;
  /// The right button, or the Menu key anywhere in the window: opens the context menu.
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void CreateControls();
  void CreateMenus();
  void DockGrid();
  void ShowLoadWarning();
  /// The printout of this window's chart for the year in the box, which becomes the transit year.
  vorelim::ChartPrintout ComposePrintout();

  QString load_warning_;
};
