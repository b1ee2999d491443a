// The about box: hidden at start, shown without blocking, hidden (not destroyed) on closing, and
// reopened where it was.
#include "app/taboutbox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

namespace {

TEST(about_box_test, is_built_hidden_with_its_designed_frame) {
  TAboutBox box;
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(box.windowTitle(), QStringLiteral("SOBRE"));
  EXPECT_EQ(box.size(), QSize(316, 341));
  EXPECT_EQ(box.minimumSize(), box.maximumSize()) << "not resizable";
  EXPECT_FALSE(box.isModal());
  EXPECT_FALSE(box.windowIcon().isNull());
  EXPECT_EQ(box.Panel1->geometry(), QRect(8, 8, 297, 297));
  EXPECT_EQ(box.OKButton->text(), QStringLiteral("Fechar"));
  EXPECT_EQ(box.OKButton->geometry(), QRect(129, 308, 57, 25));
  EXPECT_TRUE(box.OKButton->isDefault());
}

TEST(about_box_test, labels_carry_the_designed_texts_at_their_places) {
  TAboutBox box;
  struct Row {
    const char* name;
    QString text;
    QPoint pos;
  } rows[] = {
      {"Label1", "MAPA DO VORELIM", {60, 24}},
      {"Label2", "by", {142, 51}},
      {"Label4", "baseado no livro", {92, 106}},
      {"Label6", "1997", {132, 184}},
      {"Label9", "Informação liberada para reprodução", {28, 272}},
  };
  for (const auto& row : rows) {
    auto* label = box.findChild<QLabel*>(row.name);
    ASSERT_NE(label, nullptr) << row.name;
    EXPECT_EQ(label->text(), row.text) << row.name;
    EXPECT_EQ(label->pos(), row.pos) << row.name;
    EXPECT_EQ(label->parentWidget(), box.Panel1) << row.name;
    EXPECT_TRUE(label->font().bold()) << row.name;
  }
  EXPECT_EQ(box.Label1->font().pixelSize(), 16);
  EXPECT_EQ(box.Label9->font().pixelSize(), 13);
  // The credits name the team and the product, with an address that is plainly not real.
  EXPECT_EQ(box.Label3->text(), QStringLiteral("Equipe Vorelim"));
  EXPECT_TRUE(box.Label8->text().startsWith(QStringLiteral("e-mail: ")));
  EXPECT_TRUE(box.Label8->text().endsWith(QStringLiteral("@example.org")));
  // Every label fits inside the panel.
  for (auto* label : box.Panel1->findChildren<QLabel*>()) {
    EXPECT_TRUE(QRect(0, 0, 297, 297).contains(label->geometry()))
        << label->objectName().toStdString();
  }
}

TEST(about_box_test, opens_centred_the_first_time_and_a_second_open_changes_nothing) {
  TAboutBox box;
  box.ShowModeless();
  ASSERT_TRUE(box.isVisible());
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_NEAR(box.geometry().center().x(), screen.center().x(), 1);
  EXPECT_NEAR(box.geometry().center().y(), screen.center().y(), 1);

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

}  // namespace
