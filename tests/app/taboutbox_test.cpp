// The about box: hidden at start, shown without blocking, hidden (not destroyed) on closing, and
// reopened where it was.
#include "app/taboutbox.h"

#include <QAction>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

#include "app/tformdi.h"
#include "resources/pictures/about_icon.xpm"
#include "support/placement.h"
#include "support/qt_support.h"
#include "ui/fonts.h"

namespace {

TEST(about_box_test, is_built_hidden_with_its_designed_frame) {
  TAboutBox box;
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(box.windowTitle(), QStringLiteral("SOBRE"));
  EXPECT_EQ(box.size(), QSize(316, 341));
  EXPECT_EQ(box.minimumSize(), box.maximumSize()) << "not resizable";
  EXPECT_FALSE(box.isModal());
  EXPECT_EQ(box.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
            QImage(about_icon_xpm).convertToFormat(QImage::Format_ARGB32));
  EXPECT_EQ(box.OKButton->text(), QStringLiteral("Fechar"));
  EXPECT_TRUE(box.OKButton->isDefault());
}

TEST(about_box_test, labels_carry_the_designed_texts_centred_on_their_designed_places) {
  vorelim::RegisterFontSubstitutes();
  TAboutBox box;
  // The labels are sized to their texts when the box first shows, not while it waits hidden.
  box.ShowModeless();
  vorelim::test::ExpectPlacedAsDesigned(box, TAboutBox::kPlacement);
  for (const vorelim::Placement& row : TAboutBox::kPlacement) {
    auto* label = qobject_cast<QLabel*>(vorelim::test::Named<QWidget>(box, row.name));
    if (label == nullptr) continue;
    SCOPED_TRACE(row.name);
    EXPECT_FALSE(label->text().isEmpty());
    EXPECT_EQ(label->parentWidget(), box.Panel1);
    EXPECT_EQ(label->y(), row.geometry.y());
    EXPECT_NEAR(label->geometry().center().x(), row.geometry.center().x(), 1);
    EXPECT_TRUE(box.Panel1->rect().contains(label->geometry())) << "fits";
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->font().pixelSize(), row.geometry.height() == 19 ? 16 : 13);
  }
  EXPECT_EQ(box.Label1->text(), QStringLiteral("MAPA DO VORELIM"));
  EXPECT_EQ(box.Label2->text(), QStringLiteral("by"));
  EXPECT_EQ(box.Label4->text(), QStringLiteral("baseado no livro"));
  EXPECT_EQ(box.Label6->text(), QStringLiteral("1997"));
  EXPECT_EQ(box.Label9->text(), QStringLiteral("Informação liberada para reprodução"));
  // The credits name the team and the product, with addresses that are plainly not real.
  EXPECT_EQ(box.Label3->text(), QStringLiteral("Equipe Vorelim"));
  EXPECT_TRUE(box.Label7->text().contains(QStringLiteral("0000")));
  EXPECT_TRUE(box.Label8->text().startsWith(QStringLiteral("e-mail: ")));
  EXPECT_TRUE(box.Label8->text().endsWith(QStringLiteral("@example.org")));
}

TEST(about_box_test, opens_centred_the_first_time_and_a_second_open_changes_nothing) {
  TAboutBox box;
  box.ShowModeless();
  ASSERT_TRUE(box.isVisible());
  // Centred up to the width of the window's own border.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_NEAR(box.geometry().center().x(), screen.center().x(), 4);
  EXPECT_NEAR(box.geometry().center().y(), screen.center().y(), 4);

  // The user moves it; the next "&Sobre" neither re-centres nor otherwise touches it.
  box.move(40, 30);
  const QPoint moved = box.pos();
  box.ShowModeless();
  EXPECT_TRUE(box.isVisible());
  EXPECT_EQ(box.pos(), moved);
}

TEST(about_box_test, closing_in_any_way_hides_and_the_next_open_is_where_it_was) {
  auto box = std::make_unique<TAboutBox>();
  QPointer<TAboutBox> alive = box.get();
  box->ShowModeless();
  box->move(70, 50);
  const QPoint place = box->pos();

  struct Way {
    const char* name;
    void (*close)(TAboutBox&);
  } ways[] = {
      {"Fechar", [](TAboutBox& b) { QTest::mouseClick(b.OKButton, Qt::LeftButton); }},
      {"Enter", [](TAboutBox& b) { QTest::keyClick(&b, Qt::Key_Return); }},
      {"title bar close", [](TAboutBox& b) { b.close(); }},
      {"Esc", [](TAboutBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }},
  };
  for (const auto& way : ways) {
    ASSERT_TRUE(box->isVisible()) << way.name;
    way.close(*box);
    QCoreApplication::processEvents();
    EXPECT_FALSE(box->isVisible()) << way.name;
    ASSERT_FALSE(alive.isNull()) << way.name;
    box->ShowModeless();
    EXPECT_TRUE(box->isVisible()) << way.name;
    EXPECT_EQ(box->pos(), place) << way.name;
  }
}

// The frame's "Aju&da" > "&Sobre" with the about box the frame makes.
TEST(about_box_in_frame_test, sobre_shows_the_hidden_box_and_a_second_sobre_leaves_it_alone) {
  TFORMDI frame;
  frame.show();
  TAboutBox* box = frame.AboutBox;
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->isVisible()) << "hidden at start";
  EXPECT_TRUE(box->isWindow()) << "a top-level window, not a child of the frame";

  frame.Sobre1->trigger();
  ASSERT_TRUE(box->isVisible());
  box->move(120, 90);
  const QPoint place = box->pos();
  frame.activateWindow();  // the box now lies behind the active frame
  frame.Sobre1->trigger();
  EXPECT_TRUE(box->isVisible());
  EXPECT_EQ(box->pos(), place);

  QTest::mouseClick(box->OKButton, Qt::LeftButton);
  EXPECT_FALSE(box->isVisible());
  EXPECT_EQ(frame.findChildren<TAboutBox*>().size(), 1) << "hidden, not destroyed";
  frame.Sobre1->trigger();
  EXPECT_TRUE(box->isVisible());
  EXPECT_EQ(box->pos(), place);
}

}  // namespace
