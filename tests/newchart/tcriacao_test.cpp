// The new chart dialog, driven as a user drives it: focus moves, clicks and keys, with the chart
// file on disk as the result.
#include "newchart/tcriacao.h"

#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chart/chart_file.h"
#include "chart/chart_record.h"
#include "chart/today.h"
#include "support/charts.h"
#include "support/placement.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"
#include "support/tmpfs_mount.h"
#include "ui/messages.h"

namespace fs = std::filesystem;

namespace {

using vorelim::test::FilesIn;
using vorelim::test::ReadFileBytes;
using vorelim::test::WriteFileBytes;

/// A chart the dialog told its owner it wrote.
struct Written {
  QString name;
  QString path;
};

/// Keeps every ChartWritten of `dialog` in `written`.
void Record(TCriacao* dialog, std::vector<Written>& written) {
  QObject::connect(dialog, &TCriacao::ChartWritten,
                   [&written](const QString& name, const QString& path) {
                     written.push_back({name, path});
                   });
}

/// The chart stored in a file, as the dialog wrote it.
vorelim::ChartRecord ReadChart(const fs::path& file) {
  vorelim::ChartRecord record;
  const auto result = vorelim::ReadChartPath(file, record);
  EXPECT_EQ(result.status, vorelim::ReadStatus::Whole) << file;
  return record;
}

class tcriacao_test : public ::testing::Test {
 protected:
  void TearDown() override { dialog_.reset(); }

  /// A dialog shown and active, as "&Novo" leaves it: the name box has the focus.
  TCriacao& Open() {
    dialog_ = std::make_unique<TCriacao>(nullptr);
    Record(dialog_.get(), written_);
    dialog_->show();
    dialog_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    EXPECT_TRUE(dialog_->Edit1->hasFocus());
    return *dialog_;
  }

  static void Focus(QWidget* widget) {
    widget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
  }

  vorelim::test::FixedToday today_{{2026, 3, 15}};
  vorelim::test::WarningCapture warnings_;
  vorelim::test::TempFolder folder_;
  std::vector<Written> written_;
  std::unique_ptr<TCriacao> dialog_;
};

TEST_F(tcriacao_test, builds_the_designed_window) {
  TCriacao& d = Open();
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Criação de Arquivo"));
  EXPECT_EQ(d.size(), QSize(382, 185));
  EXPECT_EQ(d.minimumSize(), d.maximumSize());
  EXPECT_FALSE(d.isModal());
  EXPECT_EQ(d.Edit1->text(), QStringLiteral("NovoNome"));
  EXPECT_EQ(d.Edit1->maxLength(), 15);
  EXPECT_EQ(d.Edit2->text(), QStringLiteral("1990"));
  EXPECT_EQ(d.Edit2->maxLength(), 4);
  EXPECT_EQ(d.ListBox1->count(), 31);
  EXPECT_EQ(d.ListBox1->item(30)->text(), QStringLiteral("31"));
  ASSERT_EQ(d.ListBox2->count(), 12);
  EXPECT_EQ(d.ListBox2->item(2)->text(), QStringLiteral("março"));
  EXPECT_EQ(d.ListBox2->item(11)->text(), QStringLiteral("dezembro"));
  EXPECT_TRUE(d.OKBtn->isDefault());
  EXPECT_EQ(d.Panel1->palette().color(QPalette::Window), QColor(0, 128, 128));
  // The background is the light 3D colour: lighter than the button face, not past its light edge.
  const int background = d.palette().color(QPalette::Window).lightness();
  EXPECT_GT(background, d.palette().color(QPalette::Button).lightness());
  EXPECT_LE(background, d.palette().color(QPalette::Light).lightness());

  // The warning panel and what lies on it show only for a name already taken.
  vorelim::test::ExpectPlacedAsDesigned(d, TCriacao::kPlacement,
                                        {"Panel1", "Label5", "Label6", "Button1", "Button2"});
  vorelim::test::ExpectTabOrder(d, TCriacao::kPlacement);
  EXPECT_EQ(d.Button1->parentWidget(), d.Panel1);
  EXPECT_EQ(d.Label5->parentWidget(), d.Panel1);
}

// The warning panel: a one-pixel black line, then a 6-pixel bevel (light above and on the left,
// dark below and on the right) that reaches the line on all four sides, then the teal face.
TEST_F(tcriacao_test, warning_panel_bevel_is_even_on_all_four_sides) {
  TCriacao& d = Open();
  d.Panel1->show();
  const QImage panel = d.Panel1->grab().toImage();
  const QRgb light = d.Panel1->palette().color(QPalette::Light).rgb();
  const QRgb dark = d.Panel1->palette().color(QPalette::Dark).rgb();
  const QRgb teal = qRgb(0, 128, 128);
  const int w = panel.width();
  const int h = panel.height();
  const int mid_x = 30;  // left of the labels and buttons inside
  const int mid_y = h / 2;
  // Inward from each side: the line, six bevel pixels, then the face.
  const struct {
    const char* side;
    QRgb bevel;
    std::function<QPoint(int)> at;  // the pixel `depth` pixels in from that side
  } sides[] = {
      {"top", light, [&](int depth) { return QPoint(mid_x, depth); }},
      {"left", light, [&](int depth) { return QPoint(depth, mid_y); }},
      {"bottom", dark, [&](int depth) { return QPoint(mid_x, h - 1 - depth); }},
      {"right", dark, [&](int depth) { return QPoint(w - 1 - depth, mid_y); }},
  };
  for (const auto& side : sides) {
    EXPECT_EQ(panel.pixel(side.at(0)), qRgb(0, 0, 0)) << side.side;
    for (int depth = 1; depth <= 6; ++depth) {
      EXPECT_EQ(panel.pixel(side.at(depth)), side.bevel) << side.side << " " << depth;
    }
    EXPECT_EQ(panel.pixel(side.at(7)), teal) << side.side;
  }
}

TEST_F(tcriacao_test, selects_day_two_and_february_on_entry) {
  TCriacao& d = Open();
  EXPECT_EQ(d.ListBox1->currentItem()->text(), QStringLiteral("2"));
  EXPECT_EQ(d.ListBox2->currentItem()->text(), QStringLiteral("fevereiro"));
}

TEST_F(tcriacao_test, returning_to_the_name_box_resets_day_and_month) {
  TCriacao& d = Open();
  Focus(d.ListBox1);
  d.ListBox1->setCurrentRow(14);
  Focus(d.ListBox2);
  d.ListBox2->setCurrentRow(5);
  Focus(d.Edit1);
  d.OKBtn->click();

  const auto chart = ReadChart("NovoNome.NUM");
  EXPECT_EQ(chart.BirthDay(), "2");
  EXPECT_EQ(chart.BirthMonth(), "2");
}

TEST_F(tcriacao_test, switching_windows_is_no_entry_into_the_name_box) {
  TCriacao& d = Open();
  d.ListBox1->setCurrentRow(14);  // chosen with the mouse, the name box keeps the focus
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  d.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  EXPECT_TRUE(d.Edit1->hasFocus());
  EXPECT_EQ(d.ListBox1->currentRow(), 14);
}

TEST_F(tcriacao_test, chosen_date_and_year_are_written) {
  TCriacao& d = Open();
  d.Edit1->setText(QStringLiteral("MARIA"));
  Focus(d.ListBox1);
  d.ListBox1->setCurrentRow(14);
  d.ListBox2->setCurrentRow(5);
  d.Edit2->setText(QStringLiteral("1975"));
  d.OKBtn->click();

  const auto chart = ReadChart("MARIA.NUM");
  EXPECT_EQ(vorelim::test::TextsOf(chart), vorelim::test::ChartTexts{});  // MARIA, 15/6/1975: 7 4 8
  EXPECT_TRUE(d.isHidden());

  // The owner is told once, with the name and the absolute path of the file just written.
  ASSERT_EQ(written_.size(), 1u);
  EXPECT_EQ(written_[0].name, QStringLiteral("MARIA"));
  EXPECT_EQ(written_[0].path.toStdString(), fs::absolute("MARIA.NUM").string());
  EXPECT_EQ(ReadChart(written_[0].path.toStdString()), chart);
}

TEST_F(tcriacao_test, leaving_the_name_of_an_existing_chart_shows_the_warning) {
  WriteFileBytes("Maria.NUM", std::string(66, '\0'));
  TCriacao& d = Open();
  d.Edit1->setText(QStringLiteral("MARIA"));  // found whatever the letter case
  Focus(d.Edit2);
  EXPECT_TRUE(d.Panel1->isVisible());
  EXPECT_TRUE(d.Label5->isVisible());
  EXPECT_TRUE(d.Label6->isVisible());
  EXPECT_TRUE(d.Button1->isVisible());
  EXPECT_TRUE(d.Button2->isVisible());
  EXPECT_EQ(d.Label5->text(), QStringLiteral("JÁ EXISTE UM ARQUIVO COM ESTE NOME !"));
  EXPECT_EQ(d.Label6->text(), QStringLiteral("DESEJA CONTINUAR ?"));
  EXPECT_EQ(d.Button1->text(), QStringLiteral("SIM"));
  EXPECT_EQ(d.Button2->text(), QStringLiteral("NÃO"));

  Focus(d.Edit1);  // entering the name box hides it again
  EXPECT_TRUE(d.Panel1->isHidden());
  d.Edit1->setText(QStringLiteral("Joana"));
  Focus(d.Edit2);
  EXPECT_TRUE(d.Panel1->isHidden()) << "no chart named Joana";
}

// An existing chart is replaced only by "OK" after "SIM": each row drives the dialog over
// MARIA.NUM and looks at the file's bytes, the warning and the focus afterwards.
TEST_F(tcriacao_test, no_chart_is_replaced_without_yes) {
  using vorelim::test::BytesOf, vorelim::test::ChartFor;
  const std::string old_bytes = BytesOf(ChartFor("MARIA", 1, 1, 1950));
  const std::string new_bytes = BytesOf(ChartFor("MARIA", 2, 2, 1990));
  const struct {
    const char* row;
    std::function<void(TCriacao&)> act;
    std::string bytes_after;
    bool warning;
    const char* focus;  // the control with the focus; none when the dialog closed
    const char* name_after;
  } rows[] = {
      {"Enter in the name box asks and writes nothing",
       [](TCriacao& d) { QTest::keyClick(d.Edit1, Qt::Key_Return); }, old_bytes, true, "Button2",
       "MARIA"},
      {"Enter twice: the second answers NO",
       [](TCriacao& d) {
         QTest::keyClick(d.Edit1, Qt::Key_Return);
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
       },
       old_bytes, false, "Edit1", "NOVONOME"},
      {"Tab asks, and the covered fields take no focus",
       [](TCriacao& d) {
         QTest::keyClick(d.Edit1, Qt::Key_Tab);
         // From "NÃO" on round the dialog: "SIM", the name box, which hides the warning, and
         // from it, instead of the day list under the warning, "NÃO" again.
         for (int i = 0; i < 4; ++i) {
           QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
           ASSERT_FALSE(QWidgetList({d.ListBox1, d.ListBox2, d.Edit2})
                            .contains(QApplication::focusWidget()));
         }
       },
       old_bytes, true, "Button2", "MARIA"},
      {"OK clicked from the name box asks and writes nothing",
       [](TCriacao& d) { QTest::mouseClick(d.OKBtn, Qt::LeftButton); }, old_bytes, true, "Button2",
       "MARIA"},
      {"YES, then Enter replaces",
       [](TCriacao& d) {
         QTest::keyClick(d.Edit1, Qt::Key_Tab);
         QTest::keyClick(d.Button2, Qt::Key_Backtab);
         ASSERT_TRUE(d.Button1->hasFocus());
         QTest::keyClick(d.Button1, Qt::Key_Space);
         EXPECT_TRUE(d.ListBox1->hasFocus());
         d.ListBox1->setCurrentRow(1);
         QTest::keyClick(d.ListBox1, Qt::Key_Return);
       },
       new_bytes, false, nullptr, "MARIA"},
      {"NO renames, and Enter writes NOVONOME",
       [](TCriacao& d) {
         QTest::keyClick(d.Edit1, Qt::Key_Tab);
         QTest::keyClick(d.Button2, Qt::Key_Space);
         QTest::keyClick(d.Edit1, Qt::Key_Return);
         EXPECT_TRUE(fs::exists("NOVONOME.NUM"));
       },
       old_bytes, false, nullptr, "NOVONOME"},
      {"YES for another name does not count",
       [](TCriacao& d) {
         d.Edit1->setText(QStringLiteral("OUTRO"));
         QTest::keyClick(d.Edit1, Qt::Key_Tab);
         d.Button1->click();
         d.Edit1->setText(QStringLiteral("MARIA"));
         QTest::mouseClick(d.OKBtn, Qt::LeftButton);
       },
       old_bytes, true, "Button2", "MARIA"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.row);
    WriteFileBytes("MARIA.NUM", old_bytes);
    vorelim::test::WriteChart("OUTRO.NUM", ChartFor("OUTRO", 1, 1, 1950));
    TCriacao& d = Open();
    d.Edit1->setText(QStringLiteral("MARIA"));
    row.act(d);
    QApplication::processEvents();
    EXPECT_EQ(ReadFileBytes("MARIA.NUM"), row.bytes_after);
    EXPECT_EQ(d.Panel1->isVisible(), row.warning);
    EXPECT_EQ(d.Edit1->text(), QString::fromUtf8(row.name_after));
    if (row.focus == nullptr) {
      EXPECT_TRUE(d.isHidden());
    } else {
      EXPECT_TRUE(vorelim::test::Named<QWidget>(d, row.focus)->hasFocus());
    }
    // The fields the warning covers take no input while it shows.
    EXPECT_TRUE(!row.warning || !d.ListBox1->isEnabled());
  }
}

// The warning reaches screen readers as an alert, read whole.
TEST_F(tcriacao_test, the_warning_is_an_alert) {
  TCriacao& d = Open();
  QAccessibleInterface* warning = QAccessible::queryAccessibleInterface(d.Panel1);
  ASSERT_NE(warning, nullptr);
  EXPECT_EQ(warning->role(), QAccessible::AlertMessage);
  EXPECT_EQ(warning->text(QAccessible::Name),
            QStringLiteral("JÁ EXISTE UM ARQUIVO COM ESTE NOME ! DESEJA CONTINUAR ?"));
}

TEST_F(tcriacao_test, escape_is_cancel_and_writes_nothing) {
  TCriacao& d = Open();
  QTest::keyClick(d.Edit1, Qt::Key_Escape);
  EXPECT_TRUE(d.isHidden());
  EXPECT_TRUE(FilesIn(".").empty());
}

TEST_F(tcriacao_test, several_dialogs_are_independent_and_only_hide_when_closed) {
  auto owner = std::make_unique<QWidget>();
  QPointer<TCriacao> first = new TCriacao(owner.get());
  QPointer<TCriacao> second = new TCriacao(owner.get());
  std::vector<Written> from_first;
  std::vector<Written> from_second;
  Record(first, from_first);
  Record(second, from_second);
  first->show();
  second->show();
  first->Edit1->setText(QStringLiteral("Primeiro"));
  second->Edit1->setText(QStringLiteral("Segundo"));
  second->Edit2->setText(QStringLiteral("1980"));
  first->OKBtn->click();
  EXPECT_TRUE(second->isVisible());
  second->CancelBtn->click();

  EXPECT_EQ(ReadChart("Primeiro.NUM").BirthYear(), "1990");
  EXPECT_FALSE(fs::exists("Segundo.NUM"));
  ASSERT_FALSE(first.isNull());
  ASSERT_FALSE(second.isNull());
  EXPECT_TRUE(first->isHidden());
  EXPECT_TRUE(second->isHidden());
  ASSERT_EQ(from_first.size(), 1u);
  EXPECT_EQ(from_first[0].name, QStringLiteral("Primeiro"));
  EXPECT_TRUE(from_second.empty());
  owner.reset();
  EXPECT_TRUE(first.isNull());
  EXPECT_TRUE(second.isNull());
}

// The dialog applies the year rule (the core's tests hold its cases) with the calendar's year:
// in 2070 a typed "69" is below the two digits 70 (not a century of 20), so the year is 1990.
TEST_F(tcriacao_test, typed_year_goes_through_the_year_rule_of_today) {
  vorelim::SetTodayForTesting(vorelim::CalendarDate{2070, 1, 1});
  TCriacao& d = Open();
  d.Edit2->setText(QStringLiteral("69"));
  d.OKBtn->click();
  EXPECT_EQ(ReadChart("NovoNome.NUM").BirthYear(), "1990");
}

// Names the chart file cannot use: the dialog says why, keeps the name selected for correction
// and writes nothing.
struct RefusedRow {
  const char* label;
  const char* name;
  const char* message_part;
};

void PrintTo(const RefusedRow& row, std::ostream* out) {
  *out << row.label;
}

class refused_name_test : public tcriacao_test, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(refused_name_test, explains_and_keeps_the_dialog_open) {
  const RefusedRow& row = GetParam();
  TCriacao& d = Open();
  d.Edit1->setText(QString::fromUtf8(row.name));
  Focus(d.ListBox1);
  d.ListBox1->setCurrentRow(14);
  d.OKBtn->click();

  ASSERT_EQ(warnings_.texts().size(), 1);
  EXPECT_TRUE(warnings_.texts()[0].contains(QString::fromUtf8(row.message_part)))
      << warnings_.texts()[0].toStdString();
  EXPECT_TRUE(d.isVisible());
  EXPECT_TRUE(d.Edit1->hasFocus());
  EXPECT_EQ(d.Edit1->selectedText(), QString::fromUtf8(row.name));
  EXPECT_EQ(d.ListBox1->currentRow(), 14) << "the chosen day survives the correction";
  EXPECT_TRUE(FilesIn(".").empty());
  EXPECT_TRUE(written_.empty());
}

INSTANTIATE_TEST_SUITE_P(
    rows, refused_name_test,
    ::testing::Values(RefusedRow{"slash", "a/b", "barra"}, RefusedRow{"backslash", "a\\b", "barra"},
                      RefusedRow{"colon", "a:b", ": * ?"}, RefusedRow{"question", "why?", ": * ?"},
                      RefusedRow{"control", "a\tb", "controle"},
                      RefusedRow{"dot", ".", "\".\" e \"..\""},
                      RefusedRow{"dot_dot", "..", "\".\" e \"..\""},
                      RefusedRow{"not_windows_1252", "Ελένη", "O caractere \"Ε\""}),
    [](const ::testing::TestParamInfo<RefusedRow>& info) { return std::string(info.param.label); });

// A folder that refuses writes: a read-only tmpfs mounted for the test, made the current folder.
class read_only_folder_test : public tcriacao_test {
 protected:
  void SetUp() override {
    tcriacao_test::SetUp();
    SKIP_UNLESS_MOUNTED(mount_);
    WriteFileBytes(mount_.path() / "NovoNome.NUM", old_bytes_);
    if (!mount_.MakeReadOnly()) {
      GTEST_SKIP() << "cannot make the tmpfs read-only: " << std::strerror(errno);
    }
    fs::current_path(mount_.path());
  }
  void TearDown() override {
    fs::current_path(folder_.path());
    tcriacao_test::TearDown();
  }

  vorelim::test::TmpfsMount mount_{"64k"};
  const std::string old_bytes_ = std::string(66, 'Z');
};

TEST_F(read_only_folder_test, failed_write_is_reported_and_the_old_chart_stays) {
  TCriacao& d = Open();
  d.OKBtn->click();  // asks first
  d.Button1->click();
  d.OKBtn->click();

  ASSERT_EQ(warnings_.texts().size(), 1);
  const QString message = warnings_.texts()[0];
  EXPECT_TRUE(message.contains(QStringLiteral("\"NovoNome.NUM\""))) << message.toStdString();
  EXPECT_TRUE(message.startsWith(
      QStringLiteral("Não foi possível gravar o arquivo \"NovoNome.NUM\" na pasta \"%1\": ")
          .arg(QString::fromStdString(mount_.path().string()))))
      << message.toStdString();
  EXPECT_TRUE(
      message.contains(QStringLiteral("\nMotivo: %1.\n").arg(vorelim::SystemErrorReason(EROFS))))
      << message.toStdString();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(ReadFileBytes(mount_.path() / "NovoNome.NUM"), old_bytes_);
  EXPECT_EQ(FilesIn(mount_.path()).size(), 1u);
  EXPECT_TRUE(written_.empty());
}

}  // namespace
