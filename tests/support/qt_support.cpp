#include "support/qt_support.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "ui/messages.h"

namespace vorelim::test {

void RunDeferredDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ExpectMenuItems(const QList<QAction*>& actions, const std::vector<MenuItem>& items) {
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size()));
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuItem& item = items[i];
    QAction* action = actions[static_cast<qsizetype>(i)];
    EXPECT_EQ(action, item.action) << item.name << " in place " << i;
    EXPECT_EQ(action->objectName(), QString::fromUtf8(item.name));
    EXPECT_EQ(action->text(), QString::fromUtf8(item.caption)) << item.name;
    EXPECT_EQ(action->shortcut(), item.shortcut) << item.name;
  }
}

WarningCapture::WarningCapture() {
  SetMessageSinkForTesting([this](QWidget* owner, const QString& title, const QString& text) {
    warnings_.push_back({owner, title, text});
  });
}

WarningCapture::~WarningCapture() {
  SetMessageSinkForTesting({});
}

QStringList WarningCapture::texts() const {
  QStringList texts;
  for (const Warning& warning : warnings_) texts << warning.text;
  return texts;
}

void CloseMessageBoxes() {
  QCoreApplication::processEvents();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) box->close();
  }
}

QByteArray ReadWholeFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

int PdfPageCount(const QByteArray& pdf) {
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
  return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

QSize PdfMediaBox(const QByteArray& pdf) {
  static const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 (\\d+)[.\\d]* (\\d+)"));
  const QRegularExpressionMatch match = box.match(QString::fromLatin1(pdf));
  if (!match.hasMatch()) return {};
  return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

std::optional<QString> PdfText(const QString& path, const QStringList& options) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), QStringList(options) << path << QStringLiteral("-"));
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    return std::nullopt;
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString LigaturesIn(const QString& text) {
  QString found;
  for (const QChar c : text) {
    if (c.unicode() >= 0xFB00 && c.unicode() <= 0xFB06) found += c;
  }
  return found;
}

}  // namespace vorelim::test
