#include "register/register_chooser.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "register/register_list.h"

namespace vorelim {

RegisterChooser::RegisterChooser(const QString& title, const std::filesystem::path& folder,
                                 QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("RegisterChooser"));
  setWindowTitle(title);
  list_ = new RegisterList(this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
  // Enter belongs to the list, which chooses; no button takes it as the default.
  for (QAbstractButton* button : buttons->buttons()) {
    if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
  connect(list_, &RegisterList::ChartsChosen, this, [this](const QByteArrayList& files) {
    chosen_ = files.first();
    accept();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    const QByteArrayList files = list_->SelectedFiles();
    if (files.isEmpty()) return;
    chosen_ = files.first();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  list_->SetFolder(folder);
  resize(560, 380);
  list_->FocusSearch();
}

}  // namespace vorelim
