// The texts window: its pages and controls, page selection by key, closing and ownership.
#include "texts/tform2.h"

#include <QApplication>
#include <QFrame>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/placement.h"
#include "support/qt_support.h"
#include "texts/text_catalogue.h"

namespace {

TEST(tform2_test, is_a_separate_window_owned_by_its_opener) {
  QWidget owner;
  auto* window = new TForm2(&owner);
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->parentWidget(), &owner);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("FAÇA SEU MAPA"));
  EXPECT_EQ(window->size(), QSize(620, 400));
  EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(window->isVisible());
}

TEST(tform2_test, pages_hold_their_panel_buttons_and_text_box) {
  TForm2 window(nullptr);
  window.show();
  ASSERT_EQ(window.Notebook1->count(), 19);
  EXPECT_EQ(window.Notebook1->objectName(), QStringLiteral("Notebook1"));
  for (const vorelim::TextEntry& entry : vorelim::TextCatalogue()) {
    SCOPED_TRACE(entry.page_name.toStdString());
    QWidget* page = window.Notebook1->widget(entry.index);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->objectName(), entry.page_name);
    window.Notebook1->setCurrentIndex(entry.index);

    auto* panel = page->findChild<QFrame*>(QStringLiteral("Panel%1").arg(entry.index + 1));
    ASSERT_NE(panel, nullptr);
    ASSERT_EQ(panel->findChildren<QPushButton*>().size(),
              4);  // the designed three and "&Visualizar impressão"
    vorelim::test::ExpectPlacedAsDesigned(*panel, TForm2::kButtons[entry.index]);
    const char* const captions[] = {"I&mprime", "Cop&ia", "&Fechar"};
    for (int i = 0; i < 3; ++i) {
      auto* button =
          vorelim::test::Named<QPushButton>(*panel, TForm2::kButtons[entry.index][i].name);
      EXPECT_EQ(button->text(), QString::fromUtf8(captions[i]));
      EXPECT_FALSE(button->icon().isNull());
      EXPECT_FALSE(button->icon().pixmap(16, QIcon::Disabled).isNull());
    }

    auto* box = page->findChild<QTextEdit*>(QStringLiteral("RichEdit%1").arg(entry.index + 1));
    ASSERT_EQ(box, window.RichEdit(entry.index));
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box->lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_TRUE(box->font().bold());
    EXPECT_EQ(box->font().pixelSize(), 16);
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(box->toPlainText(), entry.lines.join(QLatin1Char('\n')));
  }
}

TEST(tform2_test, text_box_fills_the_page_below_the_panel) {
  TForm2 window(nullptr);
  window.SelectPage(QStringLiteral("5"));
  window.show();
  QTextEdit* box = window.RichEdit(5);
  const QWidget* panel = vorelim::test::Named<QWidget>(*window.Page(5), "Panel6");
  for (const QSize size : {window.size(), QSize(800, 600)}) {
    window.resize(size);
    QApplication::processEvents();
    EXPECT_EQ(box->geometry(),
              QRect(0, panel->height(), size.width(), size.height() - panel->height()));
  }
}

TEST(tform2_test, stored_lines_fit_the_box_at_the_designed_size) {
  // Each stored line shows as one display line: a substitute face wider than the designed one
  // must not break every line into a long line and a short stub.
  TForm2 window(nullptr);
  window.show();
  QApplication::processEvents();
  for (const vorelim::TextEntry& entry : vorelim::TextCatalogue()) {
    window.SelectPage(entry.index == 0 ? QStringLiteral("0") : entry.page_key);
    QApplication::processEvents();
    QTextEdit* box = window.RichEdit(entry.index);
    int display_lines = 0;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
      display_lines += block.layout()->lineCount();
    }
    EXPECT_EQ(display_lines, box->document()->blockCount()) << entry.page_name.toStdString();
    EXPECT_GE(box->font().pixelSize(), 16);
  }
}

TEST(tform2_test, select_page_by_exact_key) {
  // Which key means which page is the catalogue's test; here every page's key shows that page
  // under its caption, and keys of no page show the introduction.
  std::vector<std::pair<QString, const vorelim::TextEntry*>> rows;
  for (const vorelim::TextEntry& entry : vorelim::TextCatalogue())
    rows.push_back({entry.page_key, &entry});
  for (const char* other : {"0", "c10", "C1", "default"}) {
    rows.push_back({QString::fromUtf8(other), &vorelim::TextCatalogue().at(0)});
  }
  for (const auto& [key, entry] : rows) {
    SCOPED_TRACE("key \"" + key.toStdString() + "\"");
    TForm2 window(nullptr);
    // Start from another page, so the introduction rows show that the page really changes.
    window.SelectPage(QStringLiteral("c5"));
    window.SelectPage(key);
    EXPECT_EQ(window.Notebook1->currentWidget()->objectName(), entry->page_name);
    EXPECT_EQ(window.windowTitle(), entry->caption);
  }
}

TEST(tform2_test, fechar_on_any_page_destroys_the_window) {
  for (const char* name : {"BitBtn39", "BitBtn50", "BitBtn49"}) {
    SCOPED_TRACE(name);
    QWidget owner;
    QPointer<TForm2> window = OpenTextsWindow(&owner, QStringLiteral("1"));
    ASSERT_TRUE(window->isVisible());
    vorelim::test::Named<QPushButton>(*window, name)->click();
    vorelim::test::RunDeferredDeletes();
    EXPECT_TRUE(window.isNull());
  }
}

TEST(tform2_test, system_close_destroys_the_window) {
  QPointer<TForm2> window = OpenTextsWindow(nullptr, QStringLiteral("c3"));
  window->close();
  vorelim::test::RunDeferredDeletes();
  EXPECT_TRUE(window.isNull());
}

TEST(tform2_test, same_key_twice_gives_two_windows_closable_alone) {
  QWidget owner;
  QPointer<TForm2> first = OpenTextsWindow(&owner, QStringLiteral("7"));
  QPointer<TForm2> second = OpenTextsWindow(&owner, QStringLiteral("7"));
  ASSERT_NE(first.data(), second.data());
  EXPECT_EQ(first->windowTitle(), QStringLiteral("METAL 7"));
  EXPECT_EQ(second->windowTitle(), QStringLiteral("METAL 7"));
  first->close();
  vorelim::test::RunDeferredDeletes();
  EXPECT_TRUE(first.isNull());
  ASSERT_FALSE(second.isNull());
  EXPECT_TRUE(second->isVisible());
}

TEST(tform2_test, destroyed_with_its_owner) {
  auto* owner = new QWidget;
  QPointer<TForm2> window = OpenTextsWindow(owner, QStringLiteral("9"));
  ASSERT_FALSE(window.isNull());
  delete owner;
  EXPECT_TRUE(window.isNull());
}

TEST(tform2_test, centred_on_the_screen_at_opening) {
  TForm2* window = OpenTextsWindow(nullptr, QStringLiteral("c1"));
  const QRect screen = window->screen()->availableGeometry();
  const QPoint offset = window->frameGeometry().center() - screen.center();
  EXPECT_LE(offset.manhattanLength(), 2);
  delete window;
}

}  // namespace
