#pragma once
// The main frame of the chart program: a multiple-document window whose MDI area holds the chart
// windows and the splash window. The frame keeps no chart state: it makes every window it owns
// (the splash window, the about box, each chart window, each new chart dialog, the help window),
// connects it as it makes it, hands each chart window its data, and owns them until it is
// destroyed. A window that needs the frame says so through a signal; none knows the frame.
//
// Menu merging: the frame has one menu bar. While a chart window is the active child, its
// "&Arquivo" and "&Vorelim" replace the frame's "&Arquivo", and the frame's "&Clientes",
// "&Janela" and "Aju&da" stay after them; otherwise the frame's own menus show. Only the menus on
// the bar are reachable by their shortcuts, so Ctrl+A, Ctrl+N and Ctrl+X always have exactly one
// owner.
//
// "&Clientes" opens the register of the current folder (one per frame), and, while a chart window
// is active, compares its chart with one chosen from that folder or opens its client report;
// "&Janela" closes, tiles and steps through the chart windows and lists them, the active one
// checked.

#include <QByteArray>
#include <QByteArrayList>
#include <QMainWindow>
#include <QString>
#include <filesystem>

QT_BEGIN_NAMESPACE
class QAction;
class QFileDialog;
class QMdiArea;
class QMdiSubWindow;
class QMenuBar;
class QMenu;
class QPushButton;
QT_END_NAMESPACE

class TAboutBox;
class TForm1;
class TVemapa;

namespace vorelim {
class ChartRecord;
class HelpWindow;
class RegisterWindow;
class RunningProgram;
struct ReadResult;
}  // namespace vorelim

class TFORMDI : public QMainWindow {
  Q_OBJECT

 public:
  /// The frame with its controls, its menus and its about box (hidden), not shown yet. "&Help"
  /// shows `help_file`, the manual's contents page (app/help_file.h); with none it does nothing.
  explicit TFORMDI(const QString& help_file = QString(), QWidget* parent = nullptr);
  ~TFORMDI() override;

  /// Shows the frame as the program starts: the frame, then the splash window in its MDI area,
  /// centred, as the active child, which starts its animation.
  void ShowAtStart();
  /// Makes this frame the one that later starts of the program on this display hand their files
  /// to (app/running_program.h): they open here as OpenHandedFiles opens them. Returns the bus
  /// server, which the frame owns.
  vorelim::RunningProgram* AnswerLaterStarts();
  /// Sets the page "&Help" shows (the manual's contents page).
  void SetHelpFile(const QString& help_file) { help_file_ = help_file; }

  QMdiArea* mdiArea() const { return mdi_area_; }
  /// The file-open dialog, kept and reused so that it offers the previous choice.
  QFileDialog* fileOpenDialog() const { return FileOpenDialog; }
  /// The splash window, once ShowAtStart made it.
  TForm1* splash() const { return splash_; }
  /// The help window, made by the first "&Help"; reused afterwards.
  vorelim::HelpWindow* helpWindow() const { return help_window_; }
  /// The register, made by the first "&Fichário"; reused afterwards.
  vorelim::RegisterWindow* registerWindow() const { return register_window_; }
  /// The chart windows of the MDI area, in the order they were opened.
  QList<TVemapa*> ChartWindows() const;

  // Controls and menu, named as designed.
  QPushButton* Button1 = nullptr;  // "FAÇA SEU MAPA"
  QFileDialog* FileOpenDialog = nullptr;
  QMenuBar* MainMenu1 = nullptr;  // the frame's menu bar
  QMenu* Arquivo1 = nullptr;
  QAction* Abrir1 = nullptr;
  QAction* Novo1 = nullptr;
  QAction* Sair1 = nullptr;
  // The menus the design does not have: the register and the open chart windows.
  QMenu* Clientes1 = nullptr;       // "&Clientes"
  QAction* Fichario1 = nullptr;     // "&Fichário", Ctrl+F
  QAction* Comparar1 = nullptr;     // "&Comparar com...", Ctrl+K
  QAction* Relatorio1 = nullptr;    // "&Relatório...", Ctrl+R
  QMenu* Janela1 = nullptr;         // "&Janela"
  QAction* FecharMapa1 = nullptr;   // "&Fechar mapa", Ctrl+W and Ctrl+F4
  QAction* FecharTodos1 = nullptr;  // "Fechar &todos"
  QAction* LadoALado1 = nullptr;    // "Lado a &lado"
  QAction* Cascata1 = nullptr;      // "&Cascata"
  QAction* Proximo1 = nullptr;      // "Pró&ximo", Ctrl+Tab
  QAction* Anterior1 = nullptr;     // "&Anterior", Ctrl+Shift+Tab
  QMenu* Ajuda1 = nullptr;
  QAction* HELP1 = nullptr;
  QAction* Sobre1 = nullptr;
  QAction* Introducao1 = nullptr;  // "&Introdução": the texts window at the introduction
  /// The program's about box, made hidden with the frame, which owns it.
  TAboutBox* AboutBox = nullptr;

 public slots:
  /// Asks the user for a chart file and opens it in a new chart window.
  void Abrir1Click();
  /// Opens `file` as "A&brir" opens the file the user chose: hides the start button, makes the
  /// file's folder the current one and reads the file itself into a new chart window captioned
  /// with its chart name; a file that cannot be read is told by that window.
  void OpenChosenFile(const QString& file);
  /// Opens a chart in a new chart window, as every command does: the window joins the MDI area,
  /// maximised, reads the chart (from `file` when given, else `name` + ".NUM" in the current
  /// folder), becomes the active child and takes the focus. The area destroys it when it closes.
  TVemapa* OpenChartWindow(const QString& name, const std::filesystem::path& file);
  /// The same for a file named as Qt names files (a file dialog's choice); empty: by `name`.
  TVemapa* OpenChartWindow(const QString& name, const QString& path = QString());
  /// The same for a chart already read (to decide whether it opens): the window shows `record`,
  /// read as `read` tells, and does not read the file again.
  TVemapa* OpenChartWindow(const QString& name, const vorelim::ChartRecord& record,
                           const vorelim::ReadResult& read);
  /// Opens the files handed to the program from outside (the command line, the desktop, a drop),
  /// given by their absolute names' bytes, each as "A&brir" opens a chosen file; the current
  /// folder becomes the folder of a file only once its chart window opened. A file that cannot
  /// give a chart (a folder, missing, unreadable, a pipe or a device) gets no window: all such
  /// files are told in one message over the frame, which does not wait.
  void OpenChosenFiles(const QByteArrayList& files);
  /// Files handed over by a later start of the program: the frame comes to the front (also from
  /// minimised) and opens them as OpenChosenFiles does.
  void OpenHandedFiles(const QByteArrayList& files);
  /// Opens a new chart dialog.
  void Novo1Click();
  /// Closes the frame, which ends the program.
  void Sair1Click();
  /// The start button.
  void Button1Click();
  /// Shows the contents of the program's help file in the frame's help window.
  void HELP1Click();
  /// "&Introdução": opens the texts window at the introduction page, as the start button does,
  /// and leaves the button as it is.
  void Introducao1Click();
  /// Shows the about box, modeless; an about box already open is left as it is.
  void Sobre1Click();
  /// Asks every child window present now to close, each once.
  void CloseAllChildren();
  /// Opens the register of the current folder, or brings it forward with the focus in its search
  /// box. The charts it asks for open as OpenChosenFiles opens them, in front of it.
  void Fichario1Click();
  /// Asks for a second chart of the current folder (the register's list as a chooser) and opens
  /// the comparison of the active chart window's chart with it, owned by the frame. A chosen file
  /// that gives no chart is told as "A&brir" tells it, and nothing opens.
  void Comparar1Click();
  /// Opens the client report of the active chart window in the print preview.
  void Relatorio1Click();
  /// Closes the active chart window, and no other.
  void FecharMapa1Click();
  /// Activates the next (or previous) chart window in the order they were opened, going round.
  void Proximo1Click();
  void Anterior1Click();
  /// Fills "&Janela": its commands, enabled when they have charts to act on, then one entry per
  /// chart window ("&1 MARIA"), the active one checked. Enables the items of "&Clientes" that act
  /// on the active chart window as it enables "&Fechar mapa".
  void UpdateWindowMenu();
  /// Enables "A&brir" and "&Novo"; runs whenever the frame becomes the active window.
  void FormActivate();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Chart files dropped from a file manager open as "A&brir" opens them; a drag that holds
  // anything else is refused, which its cursor shows. The answer on entering holds while the
  // drag moves over the frame and its windows.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void CreateMenus();
  /// Puts the menus of `active` (the active child) or the frame's own on the menu bar.
  void MergeMenus(QMdiSubWindow* active);
  /// Makes the caption "MAPA DO VORELIM - [NAME]" while a chart window is the current child, and
  /// "MAPA DO VORELIM" otherwise.
  void UpdateCaption();
  /// Connects the requests of a chart window (open, new, close all, quit) to this frame's
  /// commands.
  void ConnectChartRequests(TVemapa* chart);
  /// Makes a chart window, connected, in the MDI area, maximised; its chart is not loaded yet.
  TVemapa* AddChartWindow();
  /// Shows the loaded `chart` maximised as the active child and gives it the focus.
  TVemapa* ActivateChartWindow(TVemapa* chart);
  /// The active child when it is a chart window, else none.
  TVemapa* ActiveChartWindow() const;
  /// Activates the chart window `step` places after the current one, going round.
  void StepThroughCharts(int step);
  /// Shows again, in every chart window open on `path`, the chart just written there.
  void ReloadChartWindows(const std::filesystem::path& path);
  /// The register lists the current folder again when the program moved to another one.
  void FollowCurrentFolder();

  QMdiArea* mdi_area_ = nullptr;
  TForm1* splash_ = nullptr;
  vorelim::HelpWindow* help_window_ = nullptr;
  // A window of its own, not a child of the frame, so that the charts it opens come in front of
  // it; the frame deletes it.
  vorelim::RegisterWindow* register_window_ = nullptr;
  QList<QAction*> window_entries_;  // "&1 MARIA", ... in "&Janela"
  QString help_file_;
  bool placed_ = false;
  QString last_choice_;  // the file chosen the previous time
};
