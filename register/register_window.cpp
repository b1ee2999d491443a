#include "register/register_window.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>
#include <cerrno>

#include "register/register_list.h"
#include "register/register_texts.h"
#include "ui/accessible_names.h"
#include "ui/messages.h"
#include "ui/placement.h"
#include "ui/window_icon.h"

namespace vorelim {

RegisterWindow::RegisterWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("RegisterWindow"));
  CarryProgramIcon(*this);
  list_ = new RegisterList(this);
  OutraPasta = new QPushButton(QStringLiteral("Outra pasta..."), this);
  OutraPasta->setObjectName(QStringLiteral("OtherFolderButton"));
  Novo = new QPushButton(QStringLiteral("&Novo"), this);
  Novo->setObjectName(QStringLiteral("NewChartButton"));
  Novo->setToolTip(QStringLiteral("Ctrl+N"));
  Exportar = new QPushButton(QStringLiteral("Exportar lista..."), this);
  Exportar->setObjectName(QStringLiteral("ExportButton"));
  for (QPushButton* button : {OutraPasta, Novo, Exportar}) button->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(OutraPasta);
  buttons->addWidget(Novo);
  buttons->addWidget(Exportar);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(buttons);
  setTabOrder(list_->searchBox(), list_->table());
  setTabOrder(list_->table(), OutraPasta);
  setTabOrder(OutraPasta, Novo);
  setTabOrder(Novo, Exportar);

  connect(list_, &RegisterList::ChartsChosen, this, &RegisterWindow::OpenRequested);
  connect(OutraPasta, &QPushButton::clicked, this, &RegisterWindow::OutraPastaClick);
  connect(Novo, &QPushButton::clicked, this, &RegisterWindow::NewChartRequested);
  connect(Exportar, &QPushButton::clicked, this, &RegisterWindow::ExportarClick);
  auto* new_chart = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
  connect(new_chart, &QShortcut::activated, this, &RegisterWindow::NewChartRequested);

  resize(780, 460);
  ReadAsWindow(*this);
}

void RegisterWindow::SetFolder(const std::filesystem::path& folder) {
  list_->SetFolder(folder);
  setWindowTitle(QStringLiteral("Fichário - ") +
                 QDir::toNativeSeparators(
                     QFile::decodeName(QByteArray::fromStdString(list_->folder().native()))));
}

void RegisterWindow::ShowAndFocus() {
  show();
  raise();
  activateWindow();
  list_->FocusSearch();
}

void RegisterWindow::OutraPastaClick() {
  const QString start = QFile::decodeName(QByteArray::fromStdString(list_->folder().native()));
  const QString chosen =
      QFileDialog::getExistingDirectory(this, QStringLiteral("Outra pasta"), start);
  if (!chosen.isEmpty())
    ChooseFolder(std::filesystem::path(QFile::encodeName(chosen).toStdString()));
}

void RegisterWindow::ChooseFolder(const std::filesystem::path& folder) {
  SetFolder(folder);
  list_->FocusSearch();
  emit FolderChosen(list_->folder());
}

void RegisterWindow::ExportarClick() {
  const QString start = QDir(QFile::decodeName(QByteArray::fromStdString(list_->folder().native())))
                            .filePath(QStringLiteral("fichario.csv"));
  const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Exportar lista"), start,
                                                    QStringLiteral("Planilhas CSV (*.csv)"));
  if (!file.isEmpty()) ExportList(file);
}

bool RegisterWindow::ExportList(const QString& file) {
  // Written whole or not at all: a failed export leaves an earlier file of that name as it was.
  QSaveFile out(file);
  int error = 0;
  bool ok = out.open(QIODevice::WriteOnly);
  if (!ok) error = errno;
  if (ok) {
    const QByteArray csv = ListCsv(*list_->table()->model());
    ok = out.write(csv) == csv.size();
    if (!ok) error = errno;
  }
  if (ok) {
    ok = out.commit();
    if (!ok) error = errno;
  }
  if (!ok) {
    ShowMessage(this, {.kind = MessageKind::Failure,
                       .title = windowTitle(),
                       .text = ListNotExportedText(QDir::toNativeSeparators(file), error),
                       .box_name = QStringLiteral("ListNotExported")});
  }
  return ok;
}

void RegisterWindow::keyPressEvent(QKeyEvent* event) {
  // Esc empties the search box, and closes the window once it is empty.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (!list_->ClearSearch()) close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void RegisterWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous() && !placed_) {
    CentreOnScreen(*this);
    placed_ = true;
  }
  QWidget::showEvent(event);
}

}  // namespace vorelim
