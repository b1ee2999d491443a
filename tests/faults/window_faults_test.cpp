// Bad input and hostile files through the windows, offscreen: names the chart file cannot use typed
// into the new chart dialog, chart files whose fields hold every byte value, a full disk and a
// chart that cannot be replaced under the dialog, and named pipes, sparse giants and vanished files
// chosen for a chart window. Every case ends with the program running, nothing written where it
// should not be, and the user told what happened.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/tformdi.h"
#include "chart/chart_file.h"
#include "chart/chart_record.h"
#include "chartview/transit_grid.h"
#include "chartview/tvemapa.h"
#include "immutable_file.h"
#include "newchart/tcriacao.h"
#include "support/charts.h"
#include "support/files.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"
#include "support/tmpfs_mount.h"
#include "texts/tform2.h"
#include "ui/controls.h"
#include "ui/messages.h"

namespace {

namespace fs = std::filesystem;
using vorelim::ChartField;
using vorelim::ChartRecord;
using vorelim::faults::SetImmutable;
using vorelim::test::BytesOf;
using vorelim::test::ChartFor;
using vorelim::test::FilesIn;
using vorelim::test::ReadFileBytes;
using vorelim::test::WriteFileBytes;

QString Shown(const ChartRecord& record, ChartField field) {
  return QString::fromStdString(record.Text(field));
}

// A main frame shown offscreen, a scratch current folder and the dialog's messages captured.
class window_faults_test : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = std::make_unique<TFORMDI>();
    frame_->show();
  }
  void TearDown() override {
    CloseMessages();
    frame_.reset();
  }

  // The warnings shown since the test began or since the last ForgetWarnings().
  QStringList Warnings() const { return warnings_->texts(); }
  void ForgetWarnings() { warnings_.emplace(); }

  // Runs deferred deletions and queued calls, as the event loop would after a command.
  static void FinishCommand() {
    QCoreApplication::processEvents();
    vorelim::test::RunDeferredDeletes();
  }

  // Closes the message boxes a load left open; returns the text of the last.
  static QString CloseMessages() {
    QCoreApplication::processEvents();
    QString text;
    for (QWidget* widget : QApplication::allWidgets()) {
      if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
        text = box->text();
        box->close();
      }
    }
    FinishCommand();
    return text;
  }

  std::vector<TVemapa*> ChartWindows() const {
    std::vector<TVemapa*> windows;
    for (QMdiSubWindow* sub : frame_->mdiArea()->subWindowList()) {
      if (auto* window = qobject_cast<TVemapa*>(sub->widget())) windows.push_back(window);
    }
    return windows;
  }

  static std::vector<TForm2*> TextsWindows() {
    std::vector<TForm2*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* texts = qobject_cast<TForm2*>(widget)) windows.push_back(texts);
    }
    return windows;
  }

  static void Close(TVemapa* window) {
    if (window->SubWindow() != nullptr) {
      window->SubWindow()->close();
    } else {
      window->close();
    }
    FinishCommand();
  }

  TCriacao* OpenDialog() {
    frame_->Novo1Click();
    auto dialogs = frame_->findChildren<TCriacao*>();
    for (TCriacao* dialog : dialogs) {
      if (dialog->isVisible()) return dialog;
    }
    return nullptr;
  }

  vorelim::test::FixedToday today_{vorelim::CalendarDate{2026, 7, 1}};
  std::optional<vorelim::test::WarningCapture> warnings_{std::in_place};
  vorelim::test::TempFolder folder_;
  std::unique_ptr<TFORMDI> frame_;
};

// Every character the chart file refuses, and characters outside Windows-1252, typed into the name
// box. Each name is either kept out of the box while typing or refused on "OK" with a message;
// either way no file appears anywhere and no chart window opens.
TEST_F(window_faults_test, refused_and_foreign_names_write_nothing) {
  fs::create_directory("work");
  fs::current_path("work");
  std::vector<std::pair<std::string, QString>> names;
  for (char c : std::string("/\\:*?\"<>|")) {
    names.emplace_back(std::string("refused ") + c, QStringLiteral("A") + QChar(c) + "B");
  }
  for (char16_t c = 1; c < 0x20; ++c) {
    names.emplace_back("control " + std::to_string(c), QStringLiteral("A") + QChar(c) + "B");
  }
  names.emplace_back("delete", QStringLiteral("A") + QChar(0x7F));
  names.emplace_back("empty", QString());
  names.emplace_back("blanks", QStringLiteral("   "));
  names.emplace_back("dot", QStringLiteral("."));
  names.emplace_back("dot dot", QStringLiteral(".."));
  names.emplace_back("parent path", QStringLiteral("../ESCAPE"));
  const char16_t foreign[] = {0x0391, 0x4E2D,         0x0430, 0x05D0, 0x0627, 0x0081,
                              0x008D, 0x00A0 + 0x100, 0x202E, 0x200B, 0xFFFD, 0x2028};
  for (char16_t c : foreign) {
    names.emplace_back("foreign U+" + QString::number(c, 16).toStdString(),
                       QStringLiteral("ANA") + QChar(c));
  }
  names.emplace_back("emoji", QStringLiteral("ANA\U0001F600"));
  // 14 letters and an emoji: the 15-character limit can cut the pair of UTF-16 units in two.
  names.emplace_back("emoji cut by the limit", QString(14, QLatin1Char('A')) + "\U0001F600");
  names.emplace_back("combining accent", QStringLiteral("JOA\u0303O"));  // not one precomposed Ã

  const std::set<std::string> parent_before = FilesIn("..");
  for (const auto& [label, name] : names) {
    SCOPED_TRACE(label);
    ForgetWarnings();
    TCriacao* dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->Edit1->clear();
    // Printable ASCII is typed key by key; anything else arrives as pasted text would.
    const bool typeable = std::all_of(name.begin(), name.end(), [](QChar c) {
      return c.unicode() >= 0x20 && c.unicode() < 0x7F;
    });
    if (typeable) {
      QTest::keyClicks(dialog->Edit1, name);
    } else {
      dialog->Edit1->insert(name);
    }
    const QString typed = dialog->Edit1->text();
    dialog->OKBtn->click();
    FinishCommand();

    const QString stored = typed.left(15);
    const bool usable = vorelim::CheckChartName(stored.toStdString()) == vorelim::NameProblem::None;
    if (usable) {
      // The box kept the bad character out; what is left is a good name and becomes a chart here.
      EXPECT_TRUE(Warnings().empty());
      EXPECT_EQ(FilesIn("."), std::set<std::string>{(stored + ".NUM").toStdString()});
    } else {
      ASSERT_EQ(Warnings().size(), 1);
      EXPECT_TRUE(Warnings()[0].startsWith(QStringLiteral("O mapa não foi criado.")))
          << Warnings()[0].toStdString();
      EXPECT_TRUE(dialog->isVisible());
      EXPECT_TRUE(FilesIn(".").empty());
      EXPECT_TRUE(ChartWindows().empty());
    }
    dialog->CancelBtnClick();
    for (TVemapa* window : ChartWindows()) Close(window);
    for (const auto& entry : fs::directory_iterator(".")) fs::remove_all(entry.path());
    EXPECT_EQ(FilesIn(".."), parent_before);
  }
}

// A chart whose 66 bytes all hold the same value, for each of the 256 values, and chart files of
// random bytes: length bytes above the capacity, numbers that are no digits, marks other than 0
// and 1. Each opens, draws, computes the transits and opens a text, and the panels show what the
// record holds.
TEST_F(window_faults_test, charts_of_every_byte_value_open_draw_and_compute_transits) {
  std::vector<std::string> files;
  for (int value = 0; value < 256; ++value)
    files.push_back(std::string(66, static_cast<char>(value)));
  std::mt19937 random(8);
  for (int i = 0; i < 64; ++i) {
    std::string bytes(66, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    files.push_back(bytes);
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    SCOPED_TRACE("file " + std::to_string(i));
    WriteFileBytes("BYTES.NUM", files[i]);
    ChartRecord record;
    std::copy(files[i].begin(), files[i].end(), record.bytes().begin());

    TVemapa* window = frame_->OpenChartWindow(
        QStringLiteral("BYTES"), QDir::current().absoluteFilePath(QStringLiteral("BYTES.NUM")));
    ASSERT_NE(window, nullptr);
    const QString warning = CloseMessages();
    EXPECT_EQ(warning.isEmpty(), record.LooksLikeChart()) << warning.toStdString();
    EXPECT_EQ(window->Chart, record);
    EXPECT_EQ(window->Panel2->text(), Shown(record, ChartField::Personality));
    EXPECT_EQ(window->Panel3->text(), Shown(record, ChartField::Control));
    EXPECT_EQ(window->Panel4->text(), Shown(record, ChartField::Tendency));
    EXPECT_EQ(window->Panel1->text(), Shown(record, ChartField::BirthDay) + "/" +
                                          Shown(record, ChartField::BirthMonth) + "/" +
                                          Shown(record, ChartField::BirthYear));
    EXPECT_LE(window->UpDown1->minimum(), window->UpDown1->maximum());

    EXPECT_FALSE(window->grab().isNull());  // paints the element drawing
    window->Button1->click();
    EXPECT_TRUE(window->Panel12->isVisible());
    const QString era = window->Panel12->text();
    ASSERT_EQ(era.size(), 1);
    EXPECT_TRUE(era[0] >= QLatin1Char('1') && era[0] <= QLatin1Char('9'));
    for (const QString& month : window->MonthNumbers) {
      ASSERT_EQ(month.size(), 1);
      EXPECT_TRUE(month[0] >= QLatin1Char('1') && month[0] <= QLatin1Char('9'));
    }
    EXPECT_FALSE(window->StringGrid1->grab().isNull());

    // The personality's text: any panel text is a page key, unknown ones show the introduction.
    window->Panel2DblClick();
    const std::vector<TForm2*> texts = TextsWindows();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_GE(texts[0]->CurrentPage(), 0);
    texts[0]->CloseButtonClick();
    Close(window);
    ASSERT_TRUE(TextsWindows().empty());
    ASSERT_TRUE(ChartWindows().empty());
  }
}

// A file the user chose that turns out to be a named pipe, a 6 GiB sparse file or gone by the time
// it is read: the window opens at once and says what it found.
TEST_F(window_faults_test, chosen_files_that_are_no_chart_files) {
  ASSERT_EQ(::mkfifo("PIPE.NUM", 0644), 0);
  const ChartRecord chart = ChartFor("GRANDE", 15, 6, 1975);
  WriteFileBytes("GRANDE.NUM", BytesOf(chart));
  std::error_code ec;
  fs::resize_file("GRANDE.NUM", 6ull << 30, ec);
  ASSERT_FALSE(ec) << ec.message();
  WriteFileBytes("GONE.NUM", BytesOf(chart));
  const QString gone = QDir::current().absoluteFilePath(QStringLiteral("GONE.NUM"));
  fs::remove("GONE.NUM");

  const struct {
    const char* name;
    QString path;
    QString panel1;
    const char* warning;  // part of the message; empty: none
  } rows[] = {
      {"named pipe", QDir::current().absoluteFilePath(QStringLiteral("PIPE.NUM")), "//",
       "Não foi possível ler"},
      {"sparse 6 GiB", QDir::current().absoluteFilePath(QStringLiteral("GRANDE.NUM")), "15/6/1975",
       ""},
      {"vanished after the choice", gone, "//", "não foi encontrado"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto start = std::chrono::steady_clock::now();
    TVemapa* window = frame_->OpenChartWindow(QStringLiteral("X"), row.path);
    const QString warning = CloseMessages();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(window->Panel1->text(), row.panel1);
    if (*row.warning == '\0') {
      EXPECT_TRUE(warning.isEmpty()) << warning.toStdString();
    } else {
      EXPECT_TRUE(warning.contains(QString::fromUtf8(row.warning))) << warning.toStdString();
      EXPECT_TRUE(warning.contains(QFileInfo(row.path).fileName())) << warning.toStdString();
    }
    Close(window);
  }
}

// "OK" in the dialog when the chart cannot be written: on a full disk and over a chart that even
// root may not replace. The user is told why, the dialog stays, the old chart stays whole and no
// chart window opens.
TEST_F(window_faults_test, dialog_on_a_full_disk_and_over_an_unreplaceable_chart) {
  const std::string old_chart = BytesOf(ChartFor("NovoNome", 1, 1, 1980));
  vorelim::test::TmpfsMount disk("64k");
  SKIP_UNLESS_MOUNTED(disk);
  WriteFileBytes(disk.path() / "NovoNome.NUM", old_chart);
  {
    const int fd = ::open((disk.path() / "filler").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    const std::string block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    while (::write(fd, "f", 1) > 0) {
    }
    ::close(fd);
  }
  fs::current_path(disk.path());
  TCriacao* dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr);
  dialog->OKBtn->click();  // asks before replacing the chart
  dialog->Button1->click();
  dialog->OKBtn->click();
  FinishCommand();
  ASSERT_EQ(Warnings().size(), 1);
  EXPECT_TRUE(Warnings()[0].contains(vorelim::SystemErrorReason(ENOSPC)))
      << Warnings()[0].toStdString();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(ChartWindows().empty());
  EXPECT_EQ(ReadFileBytes("NovoNome.NUM"), old_chart);
  EXPECT_EQ(FilesIn("."), (std::set<std::string>{"NovoNome.NUM", "filler"}));
  dialog->CancelBtnClick();

  fs::current_path(folder_.path());
  WriteFileBytes("NovoNome.NUM", old_chart);
  if (!SetImmutable("NovoNome.NUM", true)) {
    GTEST_SKIP() << "cannot set the immutable attribute here: " << std::strerror(errno);
  }
  ForgetWarnings();
  dialog = OpenDialog();
  ASSERT_NE(dialog, nullptr);
  dialog->OKBtn->click();  // asks before replacing the chart
  dialog->Button1->click();
  dialog->OKBtn->click();
  FinishCommand();
  SetImmutable("NovoNome.NUM", false);
  ASSERT_EQ(Warnings().size(), 1);
  EXPECT_TRUE(Warnings()[0].contains(QStringLiteral("NovoNome.NUM")))
      << Warnings()[0].toStdString();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(ChartWindows().empty());
  EXPECT_EQ(ReadFileBytes("NovoNome.NUM"), old_chart);
  EXPECT_EQ(FilesIn(".").count("NovoNome.NUM"), 1u);
  dialog->CancelBtnClick();
}

}  // namespace
