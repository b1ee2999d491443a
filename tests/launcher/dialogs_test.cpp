// The launcher's dialogs offscreen: ids, texts, geometry from dialog units, focus and keys.
#include "launcher/dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

namespace korvex {
namespace {

// Runs `dialog` modally while `during` acts on it from inside its event loop.
int ExecWhile(QDialog& dialog, std::function<void()> during) {
  QTimer::singleShot(0, &dialog, [&] {
    during();
    if (dialog.isVisible()) dialog.done(-2);  // the action did not close it
  });
  return dialog.exec();
}

void ExpectCommonFrame(const QDialog& dialog, QSize size) {
  EXPECT_EQ(dialog.size(), size);
  const Qt::WindowFlags flags = dialog.windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  const QRect area = dialog.screen()->availableGeometry();
  EXPECT_EQ(dialog.pos(), QPoint(area.x() + (area.width() - size.width()) / 2,
                                 area.y() + (area.height() - size.height()) / 2));
}

TEST(dialogs_test, notice_is_laid_out_from_its_table_and_closes_on_enter_or_esc) {
  NoticeDialog dialog;
  EXPECT_EQ(dialog.objectName(), "1000");
  EXPECT_EQ(dialog.windowTitle(), "Tavrel Application Launcher");
  ExpectCommonFrame(dialog, QSize(309, 72));  // 206 x 44 dialog units
  auto* ok = dialog.findChild<QPushButton*>("1");
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->geometry(), QRect(224, 11, 75, 23));
  EXPECT_TRUE(ok->isDefault());
  QStringList texts;
  for (auto* label : dialog.findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains("This program is used internally by the Tavrel help system."));
  EXPECT_TRUE(texts.contains("Choose OK to exit now."));

  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    NoticeDialog shown;
    EXPECT_GE(ExecWhile(shown,
                        [&] {
                          EXPECT_EQ(shown.focusWidget(), shown.findChild<QPushButton*>("1"));
                          QTest::keyClick(shown.focusWidget(), key);
                        }),
              0)
        << "key " << key;
  }
}

TEST(dialogs_test, file_not_found_offers_the_folder_selected_for_typing) {
  FileNotFoundDialog dialog("FILE.AVI", "/media/cdrom/DEMO");
  EXPECT_EQ(dialog.objectName(), "1001");
  EXPECT_EQ(dialog.windowTitle(), "File Not Found");
  ExpectCommonFrame(dialog, QSize(375, 117));  // 250 x 72 dialog units
  auto* name = dialog.findChild<QLabel*>("500");
  auto* entry = dialog.findChild<QLineEdit*>("506");
  auto* ok = dialog.findChild<QPushButton*>("1");
  auto* cancel = dialog.findChild<QPushButton*>("2");
  ASSERT_TRUE(name && entry && ok && cancel);
  EXPECT_EQ(name->text(), "FILE.AVI");
  EXPECT_EQ(entry->geometry(), QRect(11, 62, 270, 23));
  EXPECT_EQ(ok->geometry(), QRect(290, 11, 75, 23));
  EXPECT_EQ(cancel->geometry(), QRect(290, 39, 75, 23));
  EXPECT_EQ(entry->selectedText(), "/media/cdrom/DEMO");

  // Typing replaces the offered folder; Enter confirms it.
  EXPECT_EQ(ExecWhile(dialog,
                      [&] {
                        EXPECT_EQ(dialog.focusWidget(), entry);
                        QTest::keyClicks(entry, "/mnt/e/DEMO");
                        QTest::keyClick(entry, Qt::Key_Return);
                      }),
            QDialog::Accepted);
  EXPECT_EQ(dialog.folder(), "/mnt/e/DEMO");
}

TEST(dialogs_test, file_not_found_cancels_on_esc_and_the_button) {
  FileNotFoundDialog by_key("A", "/x");
  EXPECT_EQ(ExecWhile(by_key, [&] { QTest::keyClick(by_key.focusWidget(), Qt::Key_Escape); }),
            QDialog::Rejected);
  FileNotFoundDialog by_button("A", "/x");
  EXPECT_EQ(
      ExecWhile(by_button,
                [&] { QTest::mouseClick(by_button.findChild<QPushButton*>("2"), Qt::LeftButton); }),
      QDialog::Rejected);
}

TEST(dialogs_test, long_folders_and_odd_names_are_shown_whole_and_plain) {
  const QString folder = "/" + QString(9999, 'f');
  FileNotFoundDialog dialog("<b>x</b>", folder);
  EXPECT_EQ(dialog.folder(), folder);
  EXPECT_EQ(dialog.findChild<QLabel*>("500")->textFormat(), Qt::PlainText);
}

}  // namespace
}  // namespace korvex
