// The commands that open texts windows: the main frame's start button and the chart window's
// double-clicks and menu item. Each opens a new window owned by the opener.
#include <QApplication>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/tformdi.h"
#include "texts/tform2.h"

namespace {

QList<TForm2*> TextsWindowsOf(QWidget* owner) {
  return owner->findChildren<TForm2*>(QString(), Qt::FindDirectChildrenOnly);
}

TEST(text_openers_test, start_button_opens_the_introduction_and_hides_itself) {
  QPointer<TFORMDI> frame = new TFORMDI;
  frame->show();
  ASSERT_TRUE(frame->Button1->isVisible());
  frame->Button1->click();
  EXPECT_FALSE(frame->Button1->isVisible());

  const QList<TForm2*> opened = TextsWindowsOf(frame);
  ASSERT_EQ(opened.size(), 1);
  QPointer<TForm2> texts = opened.first();
  EXPECT_TRUE(texts->isVisible());
  EXPECT_TRUE(texts->isWindow());
  EXPECT_EQ(texts->windowTitle(), QStringLiteral("FAÇA SEU MAPA"));
  EXPECT_EQ(texts->CurrentPage(), 0);

  delete frame;
  EXPECT_TRUE(texts.isNull()) << "the frame takes its texts windows along";
}

}  // namespace
