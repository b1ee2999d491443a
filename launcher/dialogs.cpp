#include "launcher/dialogs.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <limits>

#include "desktop/fixed_size.h"
#include "launcher/korvex_icon.h"

namespace korvex {
namespace {

QLabel* AddLabel(QDialog& dialog, const QString& text, Qt::Alignment alignment, QRect geometry) {
  auto* label = new QLabel(text, &dialog);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment | Qt::AlignTop);
  label->setWordWrap(true);
  label->setGeometry(geometry);
  return label;
}

QPushButton* AddButton(QDialog& dialog, const QString& text, const char* id, QRect geometry) {
  auto* button = new QPushButton(text, &dialog);
  button->setObjectName(QString::fromLatin1(id));
  button->setGeometry(geometry);
  return button;
}

}  // namespace

QRect DluRect(int x, int y, int width, int height) {
  return QRect(DluToPixelsX(x), DluToPixelsY(y), DluToPixelsX(width), DluToPixelsY(height));
}

void PrepareLauncherDialog(QDialog& dialog, const QString& title, int width_dlu, int height_dlu) {
  // The dialogs were designed for MS Sans Serif 8 pt; where it is missing, the metric-compatible
  // sans face of the system stands in. 11 pixels is 8 pt at 96 dots per inch.
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  dialog.setFont(font);
  dialog.setWindowTitle(title);
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  dialog.setFixedSize(DluToPixelsX(width_dlu), DluToPixelsY(height_dlu));
  dialog.setModal(true);
  desktop::KeepFixedSizeWindows(dialog);
}

void CentreOnScreen(QDialog& dialog) {
  QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  dialog.move(area.x() + (area.width() - dialog.width()) / 2,
              area.y() + (area.height() - dialog.height()) / 2);
}

NoticeDialog::NoticeDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("1000"));
  PrepareLauncherDialog(*this, QStringLiteral("Tavrel Application Launcher"), 206, 44);

  m_ok = AddButton(*this, QStringLiteral("OK"), "1", DluRect(149, 7, 50, 14));
  m_ok->setDefault(true);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

  AddLabel(*this, QStringLiteral("This program is used internally by the Tavrel help system."),
           Qt::AlignHCenter, DluRect(30, 7, 110, 16));
  AddLabel(*this, QStringLiteral("Choose OK to exit now."), Qt::AlignHCenter,
           DluRect(30, 29, 110, 8));

  auto* icon = new QLabel(this);
  icon->setPixmap(QPixmap(kKorvexIconXpm));
  icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  icon->setGeometry(QRect(DluRect(7, 7, 18, 20).topLeft(), QSize(32, 32)));

  CentreOnScreen(*this);
  m_ok->setFocus();
}

FileNotFoundDialog::FileNotFoundDialog(const QString& file_name, const QString& folder,
                                       QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("1001"));
  PrepareLauncherDialog(*this, QStringLiteral("File Not Found"), 250, 72);

  AddLabel(*this,
           QStringLiteral("Please insert the Tavrel CD or type in the new path where the following "
                          "file can be found :"),
           Qt::AlignLeft, DluRect(7, 7, 180, 16));
  m_file_name = AddLabel(*this, file_name, Qt::AlignHCenter, DluRect(7, 28, 180, 8));
  m_file_name->setObjectName(QStringLiteral("500"));
  m_file_name->setWordWrap(false);

  m_folder = new QLineEdit(folder, this);
  m_folder->setObjectName(QStringLiteral("506"));
  m_folder->setMaxLength(std::numeric_limits<int>::max());
  m_folder->setGeometry(DluRect(7, 38, 180, 14));

  AddLabel(*this, QStringLiteral("Choose OK when you are ready."), Qt::AlignLeft,
           DluRect(7, 57, 180, 8));

  m_ok = AddButton(*this, QStringLiteral("OK"), "1", DluRect(193, 7, 50, 14));
  m_ok->setDefault(true);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  m_cancel = AddButton(*this, QStringLiteral("Cancel"), "2", DluRect(193, 24, 50, 14));
  m_cancel->setAutoDefault(false);
  connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

  // Tab order as designed: folder entry, OK, Cancel.
  setTabOrder(m_folder, m_ok);
  setTabOrder(m_ok, m_cancel);

  CentreOnScreen(*this);
  m_folder->setFocus();
  m_folder->selectAll();
}

QString FileNotFoundDialog::folder() const {
  return m_folder->text();
}

}  // namespace korvex
