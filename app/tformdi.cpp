#include "app/tformdi.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <cstddef>
#include <system_error>
#include <utility>
#include <vector>

#include "app/app_accessibility.h"
#include "app/file_columns.h"
#include "app/file_names.h"
#include "app/help_window.h"
#include "app/running_program.h"
#include "app/taboutbox.h"
#include "app/tform1.h"
#include "chart/chart_file.h"
#include "chartview/tvemapa.h"
#include "compare/comparison_window.h"
#include "newchart/tcriacao.h"
#include "register/register_chooser.h"
#include "register/register_list.h"
#include "register/register_window.h"
#include "report/report_preview.h"
#include "texts/tform2.h"
#include "ui/designed.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/placement.h"
#include "ui/window_icon.h"

TFORMDI::TFORMDI(const QString& help_file, QWidget* parent)
    : QMainWindow(parent), help_file_(help_file) {
  setObjectName(QStringLiteral("FORMDI"));
  setWindowTitle(vorelim::ProgramTitle());
  vorelim::CarryProgramIcon(*this);
  resize(600, 440);
  setAcceptDrops(true);
  CreateControls();
  CreateMenus();
  vorelim::NameFrame(*this);
  // A top-level window of its own, hidden until "&Sobre".
  AboutBox = new TAboutBox(this);
}

TFORMDI::~TFORMDI() {
  // The MDI area outlives this class's part of the object (QWidget deletes it later); its
  // signals must not reach a half-destroyed frame.
  disconnect(mdi_area_, nullptr, this, nullptr);
  delete register_window_;
}

void TFORMDI::ShowAtStart() {
  show();
  // Made once the frame shows, so that it is centred in the workspace's final size. A borderless
  // child window; the frame reports the area's activations to it, and the first starts its
  // animation.
  splash_ = new TForm1;
  QMdiSubWindow* sub = mdi_area_->addSubWindow(splash_, Qt::FramelessWindowHint);
  sub->setObjectName(QStringLiteral("Form1SubWindow"));
  connect(mdi_area_, &QMdiArea::subWindowActivated, splash_, &TForm1::ChildActivated);
  vorelim::NameSplash(*splash_);
  sub->show();
  sub->move(SplashPosition(mdi_area_->viewport()->size()));
  mdi_area_->setActiveSubWindow(sub);
  // Activating the splash gives it the focus, which it has no use for: the start button keeps it.
  if (Button1->isVisible()) Button1->setFocus(Qt::OtherFocusReason);
}

vorelim::RunningProgram* TFORMDI::AnswerLaterStarts() {
  auto* server = new vorelim::RunningProgram(this);
  connect(server, &vorelim::RunningProgram::FilesHanded, this, &TFORMDI::OpenHandedFiles);
  return server;
}

void TFORMDI::CreateControls() {
  // The client area: an MDI area in the application-workspace colour, which Qt's MDI area takes
  // from the palette's dark role.
  mdi_area_ = new QMdiArea(this);
  mdi_area_->setObjectName(QStringLiteral("ClientArea"));
  // By default the area maximises whichever child it activates next when the maximised one
  // closes: after "&Fechar" that is the splash window, which would leave its centred place and
  // fill the workspace. Chart windows ask to be maximised themselves when they open.
  mdi_area_->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
  setCentralWidget(mdi_area_);
  connect(mdi_area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    // While another top-level window (a dialog) is active no subwindow is active, but the
    // current child keeps its menus, as it stays the frame's active child.
    MergeMenus(window != nullptr ? window : mdi_area_->currentSubWindow());
    UpdateCaption();
  });

  // The start button lies on the client area above the child windows; it is meant for the empty
  // frame and is hidden for good by the first command.
  Button1 = vorelim::Placed(new QPushButton(vorelim::StartCaption(), mdi_area_), "Button1",
                            {208, 272, 185, 25});
  // The button's face comes from the colour theme, so its letters take the theme's button text
  // colour: black under a light theme, as designed.
  Button1->setFont(
      vorelim::DesignFont(vorelim::FaceName(vorelim::Face::Rounded), 11, {.bold = true}));
  connect(Button1, &QPushButton::clicked, this, &TFORMDI::Button1Click);
  Button1->raise();
  Button1->setFocus();
}

void TFORMDI::CreateMenus() {
  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

  using vorelim::AddMenuItem;
  Arquivo1 = vorelim::Named(new QMenu(QStringLiteral("&Arquivo"), this), "Arquivo1");
  Abrir1 = AddMenuItem(Arquivo1, "Abrir1", QStringLiteral("A&brir"), Qt::CTRL | Qt::Key_A, this,
                       &TFORMDI::Abrir1Click);
  Novo1 = AddMenuItem(Arquivo1, "Novo1", QStringLiteral("&Novo"), Qt::CTRL | Qt::Key_N, this,
                      &TFORMDI::Novo1Click);
  Sair1 = AddMenuItem(Arquivo1, "Sair1", QStringLiteral("&Sair"), Qt::CTRL | Qt::Key_X, this,
                      &TFORMDI::Sair1Click);

  Clientes1 = vorelim::Named(new QMenu(QStringLiteral("&Clientes"), this), "Clientes1");
  Fichario1 = AddMenuItem(Clientes1, "Fichario1", QStringLiteral("&Fichário"), Qt::CTRL | Qt::Key_F,
                          this, &TFORMDI::Fichario1Click);
  // Both act on the active chart window; UpdateWindowMenu enables them while there is one.
  Comparar1 = AddMenuItem(Clientes1, "Comparar1", QStringLiteral("&Comparar com..."),
                          Qt::CTRL | Qt::Key_K, this, &TFORMDI::Comparar1Click);
  Relatorio1 = AddMenuItem(Clientes1, "Relatorio1", QStringLiteral("&Relatório..."),
                           Qt::CTRL | Qt::Key_R, this, &TFORMDI::Relatorio1Click);

  Janela1 = vorelim::Named(new QMenu(QStringLiteral("&Janela"), this), "Janela1");
  FecharMapa1 = AddMenuItem(Janela1, "FecharMapa1", QStringLiteral("&Fechar mapa"),
                            Qt::CTRL | Qt::Key_W, this, &TFORMDI::FecharMapa1Click);
  FecharMapa1->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)});
  FecharTodos1 = AddMenuItem(Janela1, "FecharTodos1", QStringLiteral("Fechar &todos"),
                             QKeySequence(), this, &TFORMDI::CloseAllChildren);
  Janela1->addSeparator();
  LadoALado1 = AddMenuItem(Janela1, "LadoALado1", QStringLiteral("Lado a &lado"), QKeySequence(),
                           mdi_area_, &QMdiArea::tileSubWindows);
  Cascata1 = AddMenuItem(Janela1, "Cascata1", QStringLiteral("&Cascata"), QKeySequence(), mdi_area_,
                         &QMdiArea::cascadeSubWindows);
  Janela1->addSeparator();
  Proximo1 = AddMenuItem(Janela1, "Proximo1", QStringLiteral("Pró&ximo"), Qt::CTRL | Qt::Key_Tab,
                         this, &TFORMDI::Proximo1Click);
  Anterior1 = AddMenuItem(Janela1, "Anterior1", QStringLiteral("&Anterior"),
                          Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, this, &TFORMDI::Anterior1Click);
  // Ctrl+Shift+Tab arrives as Backtab on some platforms and as Shift+Tab on others.
  Anterior1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
  connect(Janela1, &QMenu::aboutToShow, this, &TFORMDI::UpdateWindowMenu);

  Ajuda1 = vorelim::Named(new QMenu(QStringLiteral("Aju&da"), this), "Ajuda1");
  HELP1 =
      AddMenuItem(Ajuda1, "HELP1", QStringLiteral("&Help"), Qt::Key_F1, this, &TFORMDI::HELP1Click);
  Sobre1 = AddMenuItem(Ajuda1, "Sobre1", QStringLiteral("&Sobre"), QKeySequence(), this,
                       &TFORMDI::Sobre1Click);
  // The introduction the start button opens, reachable once the button is gone.
  Introducao1 = AddMenuItem(Ajuda1, "Introducao1", QStringLiteral("&Introdução"), QKeySequence(),
                            this, &TFORMDI::Introducao1Click);

  MergeMenus(nullptr);
}

void TFORMDI::MergeMenus(QMdiSubWindow* active) {
  // Group 1 ("&Arquivo", and a chart window's "&Vorelim") comes from the active chart window
  // when there is one; group 10 ("Aju&da") is always the frame's.
  auto* chart = active != nullptr ? qobject_cast<TVemapa*>(active->widget()) : nullptr;
  QList<QAction*> wanted =
      chart != nullptr ? chart->MenuBarActions() : QList<QAction*>{Arquivo1->menuAction()};
  wanted.append(Clientes1->menuAction());
  wanted.append(Janela1->menuAction());
  wanted.append(Ajuda1->menuAction());
  // The window commands' shortcuts work only while they have charts to act on.
  UpdateWindowMenu();
  if (MainMenu1->actions() == wanted) return;
  // Only the menus on the bar are reachable by their shortcuts, so removing the others is what
  // keeps each shortcut unambiguous.
  for (QAction* action : MainMenu1->actions()) MainMenu1->removeAction(action);
  MainMenu1->addActions(wanted);
}

void TFORMDI::UpdateCaption() {
  // Qt's MDI area writes the title of a maximised active child into the frame's caption itself,
  // but drops it for good when another top-level window takes the focus or the child above it
  // closes. The frame sets its caption from its current child instead, and puts it back whenever
  // anything else changes it.
  QMdiSubWindow* current = mdi_area_->currentSubWindow();
  auto* chart = current != nullptr ? qobject_cast<TVemapa*>(current->widget()) : nullptr;
  const QString title = vorelim::ProgramTitle();
  const QString caption =
      chart != nullptr ? QStringLiteral("%1 - [%2]").arg(title, chart->windowTitle()) : title;
  if (windowTitle() != caption) setWindowTitle(caption);
}

void TFORMDI::ConnectChartRequests(TVemapa* chart) {
  connect(chart, &TVemapa::OpenRequested, this, &TFORMDI::Abrir1Click);
  connect(chart, &TVemapa::NewChartRequested, this, &TFORMDI::Novo1Click);
  connect(chart, &TVemapa::CloseAllRequested, this, &TFORMDI::CloseAllChildren);
  connect(chart, &TVemapa::QuitRequested, this, &TFORMDI::Sair1Click);
}

void TFORMDI::Abrir1Click() {
  Button1->hide();
  if (FileOpenDialog == nullptr) {
    // Created at the first use, in the current folder (not the folder Qt remembers from other
    // file dialogs of this process).
    FileOpenDialog = new QFileDialog(this, QStringLiteral("Abrir"), QDir::currentPath());
    FileOpenDialog->setObjectName(QStringLiteral("FileOpenDialog"));
    FileOpenDialog->setAcceptMode(QFileDialog::AcceptOpen);
    FileOpenDialog->setFileMode(QFileDialog::ExistingFile);
    // Without QDir::CaseSensitive the filter matches "*.num" in any letter case.
    FileOpenDialog->setFilter(QDir::AllEntries | QDir::AllDirs | QDir::NoDotAndDotDot);
    FileOpenDialog->setNameFilter(QStringLiteral("Arquivos Vorelim (*.num)"));
    // Sizes, dates and file types in Portuguese and Brazilian formats, as the dialog's texts.
    FileOpenDialog->setIconProvider(vorelim::FileTypesInPortuguese());
    FileOpenDialog->setProxyModel(new vorelim::FileColumnsInDefaultLocale(FileOpenDialog));
  }
  auto* name_box = FileOpenDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  if (!last_choice_.isEmpty()) {
    FileOpenDialog->selectFile(last_choice_);
    // The name offered again is selected once the dialog shows, so typing replaces it instead of
    // being glued to it.
    if (name_box != nullptr) QTimer::singleShot(0, name_box, &QLineEdit::selectAll);
  }
  const bool accepted = FileOpenDialog->exec() == QDialog::Accepted;
  // The name box's completion list is a window of its own that outlives the dialog: left open, it
  // floats over the chart, keeps the keyboard and swallows the next shortcut.
  for (QCompleter* completer : FileOpenDialog->findChildren<QCompleter*>()) {
    if (completer->popup() != nullptr) completer->popup()->hide();
  }
  if (!accepted) return;
  const QStringList chosen = FileOpenDialog->selectedFiles();
  if (chosen.isEmpty()) return;
  OpenChosenFile(chosen.first());
  // The frame, and so the chart just opened, has the keyboard again.
  activateWindow();
}

void TFORMDI::OpenChosenFile(const QString& file) {
  Button1->hide();
  const QString path = QFileInfo(file).absoluteFilePath();
  last_choice_ = path;
  // The chosen file's folder becomes the current folder, so that later charts are read from and
  // new ones written to the folder the user works in.
  QDir::setCurrent(QFileInfo(path).absolutePath());
  OpenChartWindow(QString::fromStdString(vorelim::ChartNameFromPath(path.toStdString())), path);
  FollowCurrentFolder();
}

TVemapa* TFORMDI::OpenChartWindow(const QString& name, const QString& path) {
  return OpenChartWindow(name, path.isEmpty()
                                   ? std::filesystem::path()
                                   : std::filesystem::path(QFile::encodeName(path).toStdString()));
}

TVemapa* TFORMDI::OpenChartWindow(const QString& name, const std::filesystem::path& file) {
  TVemapa* chart = AddChartWindow();
  chart->LoadChart(name, file);
  return ActivateChartWindow(chart);
}

TVemapa* TFORMDI::OpenChartWindow(const QString& name, const vorelim::ChartRecord& record,
                                  const vorelim::ReadResult& read) {
  TVemapa* chart = AddChartWindow();
  chart->LoadChart(name, record, read);
  return ActivateChartWindow(chart);
}

TVemapa* TFORMDI::AddChartWindow() {
  auto* chart = new TVemapa;
  // Every chart window is made here, so its requests are connected once, as it is made.
  ConnectChartRequests(chart);
  // The designed window has no title-bar buttons; the frameless hint also keeps Qt from putting
  // the maximised child's buttons into the menu bar.
  QMdiSubWindow* sub = mdi_area_->addSubWindow(chart, Qt::SubWindow | Qt::FramelessWindowHint);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowTitle(chart->windowTitle());
  sub->showMaximized();
  return chart;
}

TVemapa* TFORMDI::ActivateChartWindow(TVemapa* chart) {
  QMdiSubWindow* sub = chart->SubWindow();
  sub->showMaximized();
  mdi_area_->setActiveSubWindow(sub);
  chart->FocusFirstControl();
  return chart;
}

void TFORMDI::OpenChosenFiles(const QByteArrayList& files) {
  std::vector<vorelim::ReadResult> refused;
  // The charts that opened with a warning, which several of them tell in one message.
  std::vector<std::pair<TVemapa*, vorelim::ReadResult>> warned;
  for (const QByteArray& file : files) {
    const std::filesystem::path path(file.toStdString());
    // Read once, to know whether the file gives a chart at all; its window shows what was read.
    vorelim::ChartRecord record;
    const vorelim::ReadResult read = vorelim::ReadChartPath(path, record);
    if (!read.file_read()) {
      refused.push_back(read);
      continue;
    }
    Button1->hide();
    last_choice_ = QFile::decodeName(file);
    // A name that is not UTF-8 shows with U+FFFD where its odd bytes are.
    TVemapa* chart = OpenChartWindow(
        QString::fromStdString(vorelim::ChartNameFromPath(file.toStdString())), record, read);
    if (read.status == vorelim::ReadStatus::Short || !record.LooksLikeChart()) {
      warned.emplace_back(chart, read);
    }
    // As a chosen file does, this one's folder becomes the current one, but only now that its
    // chart opened: a file that gave none leaves the folder where "&Novo" writes unchanged.
    std::error_code ec;
    std::filesystem::current_path(path.parent_path(), ec);
  }
  FollowCurrentFolder();
  if (warned.size() > 1) {
    std::vector<vorelim::ReadResult> warnings;
    for (auto& [chart, read] : warned) {
      chart->TakeLoadWarning();
      warnings.push_back(read);
    }
    vorelim::ShowFileListMessage(this, QStringLiteral("LoadWarnings"), warnings,
                                 [](const auto& listed, int width, std::size_t more) {
                                   return vorelim::LoadWarningsText(listed, width, more);
                                 });
  }
  // While the box of files not opened is open, later ones join it.
  vorelim::ShowFileListMessage(this, QStringLiteral("FilesNotOpened"), refused,
                               [](const auto& listed, int width, std::size_t more) {
                                 return vorelim::FilesNotOpenedText(listed, width, more);
                               });
}

void TFORMDI::OpenHandedFiles(const QByteArrayList& files) {
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  show();
  raise();
  activateWindow();
  OpenChosenFiles(files);
}

void TFORMDI::dragEnterEvent(QDragEnterEvent* event) {
  if (vorelim::DraggedChartFiles(*event->mimeData()).isEmpty()) {
    event->ignore();
  } else {
    event->acceptProposedAction();
  }
}

void TFORMDI::dropEvent(QDropEvent* event) {
  const QByteArrayList files = vorelim::DraggedChartFiles(*event->mimeData());
  if (files.isEmpty()) return;
  event->acceptProposedAction();
  activateWindow();
  OpenChosenFiles(files);
}

void TFORMDI::Novo1Click() {
  Button1->hide();
  // A new dialog every time; several may be open at once. Closing it only hides it, and it lives
  // until the frame is destroyed.
  auto* dialog = new TCriacao(this);
  connect(dialog, &TCriacao::ChartWritten, this, [this](const QString& name, const QString& path) {
    // A chart replaced under windows open on it: they show the new one, as the new window does.
    ReloadChartWindows(std::filesystem::path(QFile::encodeName(path).toStdString()));
    OpenChartWindow(name, path);
  });
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

void TFORMDI::Sair1Click() {
  close();
}

void TFORMDI::Button1Click() {
  OpenTextsWindow(this, QStringLiteral("0"));
  Button1->hide();
}

void TFORMDI::Introducao1Click() {
  OpenTextsWindow(this, QStringLiteral("0"));
}

void TFORMDI::HELP1Click() {
  if (help_file_.isEmpty()) return;
  if (help_window_ == nullptr) help_window_ = new vorelim::HelpWindow(this);
  help_window_->ShowContents(help_file_);
}

void TFORMDI::Sobre1Click() {
  AboutBox->ShowModeless();
}

void TFORMDI::CloseAllChildren() {
  // The children present now, each asked once; a closed chart window is destroyed only after
  // this command, so the set does not change under the loop.
  QList<QPointer<QMdiSubWindow>> children;
  for (QMdiSubWindow* child : mdi_area_->subWindowList()) children.append(child);
  for (const QPointer<QMdiSubWindow>& child : children) {
    if (child) child->close();
  }
}

void TFORMDI::FormActivate() {
  Abrir1->setEnabled(true);
  Novo1->setEnabled(true);
}

void TFORMDI::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
  if (event->type() == QEvent::WindowTitleChange && mdi_area_ != nullptr) UpdateCaption();
}

void TFORMDI::closeEvent(QCloseEvent* event) {
  // Closing the frame ends the program at once, whatever other windows are open.
  event->accept();
  QApplication::quit();
}

void TFORMDI::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (placed_) return;
  placed_ = true;
  // 600 x 440 is the outer size, title bar and borders included; centred on the screen.
  const QSize decoration = frameGeometry().size() - geometry().size();
  resize(QSize(600, 440) - decoration);
  vorelim::CentreOnScreen(*this);
}

QList<TVemapa*> TFORMDI::ChartWindows() const {
  QList<TVemapa*> charts;
  for (QMdiSubWindow* sub : mdi_area_->subWindowList(QMdiArea::CreationOrder)) {
    if (auto* chart = qobject_cast<TVemapa*>(sub->widget())) charts << chart;
  }
  return charts;
}

void TFORMDI::Fichario1Click() {
  if (register_window_ == nullptr) {
    register_window_ = new vorelim::RegisterWindow;
    connect(register_window_, &vorelim::RegisterWindow::OpenRequested, this,
            [this](const QByteArrayList& files) {
              OpenChosenFiles(files);
              // The charts come in front of the register, which stays open behind them.
              raise();
              activateWindow();
            });
    connect(register_window_, &vorelim::RegisterWindow::NewChartRequested, this,
            &TFORMDI::Novo1Click);
    // The folder chosen there is where the program works from now on ("&Novo" writes there).
    connect(register_window_, &vorelim::RegisterWindow::FolderChosen, this,
            [](const std::filesystem::path& folder) {
              std::error_code ec;
              std::filesystem::current_path(folder, ec);
            });
    register_window_->SetFolder(std::filesystem::current_path());
  } else {
    FollowCurrentFolder();
  }
  register_window_->ShowAndFocus();
}

void TFORMDI::Comparar1Click() {
  TVemapa* chart = ActiveChartWindow();
  if (chart == nullptr) return;
  // Taken now: the chart window may change while the chooser waits.
  const vorelim::ChartRecord first = chart->Chart;
  const QString first_name = chart->ChartName;
  std::error_code ec;
  const std::filesystem::path folder = std::filesystem::current_path(ec);
  QByteArray chosen;
  {
    vorelim::RegisterChooser chooser(QStringLiteral("Comparar %1 com...").arg(first_name), folder,
                                     this);
    if (chooser.exec() != QDialog::Accepted) return;
    chosen = chooser.chosenFile();
  }
  if (chosen.isEmpty()) return;
  vorelim::ChartRecord second;
  const vorelim::ReadResult read = vorelim::ReadChartPath(chosen.toStdString(), second);
  const QString warning = vorelim::LoadWarningText(read, second.LooksLikeChart());
  if (!read.file_read()) {
    vorelim::ShowMessage(this, {.title = vorelim::ProgramTitle(), .text = warning});
    return;
  }
  const QString second_name =
      QString::fromStdString(vorelim::ChartNameFromPath(chosen.toStdString()));
  vorelim::ComparisonWindow* window =
      vorelim::OpenComparison(this, first, first_name, second, second_name);
  // An incomplete chart is compared as the chart window shows it, with the same warning over it.
  if (!warning.isEmpty()) {
    vorelim::ShowMessage(window, {.title = vorelim::ProgramTitle(),
                                  .text = warning,
                                  .wait = vorelim::MessageWait::No,
                                  .box_name = QStringLiteral("LoadWarning")});
  }
}

void TFORMDI::Relatorio1Click() {
  if (TVemapa* chart = ActiveChartWindow()) vorelim::OpenReportPreview(*chart);
}

TVemapa* TFORMDI::ActiveChartWindow() const {
  QMdiSubWindow* current = mdi_area_->currentSubWindow();
  return current != nullptr ? qobject_cast<TVemapa*>(current->widget()) : nullptr;
}

void TFORMDI::FollowCurrentFolder() {
  if (register_window_ == nullptr) return;
  std::error_code ec;
  const std::filesystem::path current = std::filesystem::current_path(ec);
  if (!ec && current != register_window_->list()->folder()) register_window_->SetFolder(current);
}

void TFORMDI::ReloadChartWindows(const std::filesystem::path& path) {
  std::error_code ec;
  const std::filesystem::path written = std::filesystem::weakly_canonical(path, ec);
  for (TVemapa* chart : ChartWindows()) {
    const std::filesystem::path shown(QFile::encodeName(chart->ChartPath).toStdString());
    std::error_code shown_ec;
    if (!ec && std::filesystem::weakly_canonical(shown, shown_ec) == written && !shown_ec) {
      chart->LoadChart(chart->ChartName, path);
    }
  }
}

void TFORMDI::FecharMapa1Click() {
  QMdiSubWindow* current = mdi_area_->currentSubWindow();
  if (current == nullptr || qobject_cast<TVemapa*>(current->widget()) == nullptr) return;
  // The chart opened before it comes to the front (the next one when it was the first), not
  // whichever child the area activated last, which may be the splash window.
  const QList<TVemapa*> charts = ChartWindows();
  QMdiSubWindow* next = nullptr;
  for (qsizetype i = 0; i < charts.size(); ++i) {
    if (charts[i]->SubWindow() != current) continue;
    if (i > 0)
      next = charts[i - 1]->SubWindow();
    else if (charts.size() > 1)
      next = charts[1]->SubWindow();
  }
  current->close();
  if (next != nullptr) mdi_area_->setActiveSubWindow(next);
}

void TFORMDI::Proximo1Click() {
  StepThroughCharts(1);
}

void TFORMDI::Anterior1Click() {
  StepThroughCharts(-1);
}

void TFORMDI::StepThroughCharts(int step) {
  // Every chart window in turn, not only the last two as the MDI area's own Ctrl+Tab goes.
  const QList<TVemapa*> charts = ChartWindows();
  if (charts.isEmpty()) return;
  QMdiSubWindow* current = mdi_area_->currentSubWindow();
  qsizetype at = -1;
  for (qsizetype i = 0; i < charts.size(); ++i) {
    if (charts[i]->SubWindow() == current) at = i;
  }
  const qsizetype count = charts.size();
  const qsizetype next = at < 0 ? 0 : ((at + step) % count + count) % count;
  mdi_area_->setActiveSubWindow(charts[next]->SubWindow());
}

void TFORMDI::UpdateWindowMenu() {
  const QList<TVemapa*> charts = ChartWindows();
  QMdiSubWindow* current = mdi_area_->currentSubWindow();
  const bool any = !charts.isEmpty();
  const bool chart_active = ActiveChartWindow() != nullptr;
  FecharMapa1->setEnabled(chart_active);
  Comparar1->setEnabled(chart_active);
  Relatorio1->setEnabled(chart_active);
  FecharTodos1->setEnabled(any);
  LadoALado1->setEnabled(any);
  Cascata1->setEnabled(any);
  Proximo1->setEnabled(any);
  Anterior1->setEnabled(any);

  for (QAction* entry : window_entries_) {
    Janela1->removeAction(entry);
    entry->deleteLater();
  }
  window_entries_.clear();
  if (!any) return;
  window_entries_ << Janela1->addSeparator();
  for (qsizetype i = 0; i < charts.size(); ++i) {
    TVemapa* chart = charts[i];
    // "&1 MARIA" ... "&9 ...", then without a shortcut letter; a "&" of the name is shown as is.
    QString title = chart->windowTitle();
    title.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title)
                               : QStringLiteral("%1 %2").arg(i + 1).arg(title);
    QAction* entry = Janela1->addAction(text);
    entry->setCheckable(true);
    entry->setChecked(chart->SubWindow() == current);
    QPointer<QMdiSubWindow> sub = chart->SubWindow();
    connect(entry, &QAction::triggered, this, [this, sub] {
      if (sub) mdi_area_->setActiveSubWindow(sub);
    });
    window_entries_ << entry;
  }
}
