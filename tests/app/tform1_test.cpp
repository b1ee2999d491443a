// The splash window in the main frame's MDI area: its frame sequence, the animation as drawn on
// screen, re-activation, refusing to close, placement, and the pictures it draws.
#include "app/tform1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/program_icon.h"
#include "app/tformdi.h"
#include "chartview/tvemapa.h"
#include "resources/pictures/about_icon.xpm"
#include "support/temp_folder.h"

using namespace std::chrono_literals;

namespace {

struct RecordedFrame {
  QString picture;
  int x;
  bool drawn;
};

// The main frame as start-up shows it, with the splash window in its MDI area.
class splash_test : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = std::make_unique<TFORMDI>();
    frame_->ShowAtStart();
    area_ = frame_->mdiArea();
  }

  // The frame's splash window (whose animation started as the frame made it, and draws its first
  // frame once the event loop runs), recording its frames.
  TForm1* MakeSplash(std::chrono::milliseconds interval = 0ms, const QString& picture_folder = {}) {
    TForm1* splash = frame_->splash();
    splash->SetFrameInterval(interval);
    if (!picture_folder.isEmpty()) splash->SetPictureFolder(picture_folder);
    Record(splash);
    return splash;
  }

  void Record(TForm1* splash) {
    QObject::connect(splash, &TForm1::FrameDrawn, splash,
                     [this](const QString& picture, int x, bool drawn) {
                       frames_.push_back({picture, x, drawn});
                     });
  }

  // Runs the event loop until the animation ends; false when it did not end in `limit`.
  static bool WaitForEnd(TForm1* splash, std::chrono::milliseconds limit = 5000ms) {
    if (!splash->IsAnimating()) return true;
    QEventLoop loop;
    bool finished = false;
    QObject::connect(splash, &TForm1::AnimationFinished, &loop, [&] {
      finished = true;
      loop.quit();
    });
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    loop.exec();
    return finished;
  }

  std::vector<SplashFrame> RecordedSequence() const {
    std::vector<SplashFrame> sequence;
    for (const auto& f : frames_) sequence.push_back({f.picture, f.x});
    return sequence;
  }

  std::unique_ptr<TFORMDI> frame_;
  QMdiArea* area_ = nullptr;
  std::vector<RecordedFrame> frames_;
};

// The sequence written out pass by pass: the nine positions of a pass move 78 pixels left each
// pass; the first pass draws TA1 twice (the picture held before any step), later passes start
// with the TA9 loaded at the end of the previous pass.
std::vector<SplashFrame> ExpectedSequence() {
  const int first_pass[] = {380, 370, 363, 356, 349, 339, 329, 319, 312};
  std::vector<SplashFrame> expected;
  for (int pass = 0; pass < 5; ++pass) {
    for (int k = 0; k < 9; ++k) {
      const int number = k == 0 ? (pass == 0 ? 1 : 9) : k;
      expected.push_back({QStringLiteral("TA%1").arg(number), first_pass[k] - 78 * pass});
    }
  }
  return expected;
}

TEST(splash_sequence_test, matches_the_five_passes) {
  const auto sequence = SplashFrameSequence();
  ASSERT_EQ(sequence.size(), 45u);
  EXPECT_EQ(sequence, ExpectedSequence());
}

TEST(splash_sequence_test, landmarks) {
  const auto sequence = SplashFrameSequence();
  ASSERT_EQ(sequence.size(), 45u);
  EXPECT_EQ(sequence.front(), (SplashFrame{"TA1", 380}));
  EXPECT_EQ(sequence.back(), (SplashFrame{"TA8", 0}));
  // The first pass lies wholly right of the 312-pixel client area; the first picture seen is TA9.
  std::size_t first_visible = 0;
  while (first_visible < sequence.size() && sequence[first_visible].x >= TForm1::kClientWidth) {
    ++first_visible;
  }
  EXPECT_EQ(first_visible, 9u);
  EXPECT_EQ(sequence[first_visible], (SplashFrame{"TA9", 302}));
  // TA9 is loaded after the last frame and never drawn then: it appears 4 times, TA1 six.
  int ta1 = 0, ta9 = 0;
  for (const auto& f : sequence) {
    ta1 += f.picture == "TA1";
    ta9 += f.picture == "TA9";
  }
  EXPECT_EQ(ta1, 6);
  EXPECT_EQ(ta9, 4);
}

TEST(splash_position_test, centred_with_halves_rounded_down_and_never_negative) {
  struct Row {
    const char* name;
    QSize area;
    QPoint expected;
  } rows[] = {
      {"frame client area", {592, 380}, {140, 109}},
      {"odd remainders round down", {315, 165}, {1, 1}},
      {"exactly the splash size", {312, 162}, {0, 0}},
      {"one pixel short", {311, 161}, {0, 0}},
      {"much smaller", {100, 50}, {0, 0}},
      {"wide but low", {800, 100}, {244, 0}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(SplashPosition(row.area), row.expected) << row.name;
  }
}

TEST_F(splash_test, is_a_borderless_child_centred_in_the_area) {
  TForm1* splash = MakeSplash();
  QMdiSubWindow* sub = splash->SubWindow();
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(area_->subWindowList().size(), 1);
  EXPECT_TRUE(sub->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(sub->size(), QSize(312, 162));
  EXPECT_EQ(splash->size(), QSize(312, 162));
  EXPECT_EQ(sub->pos(), SplashPosition(area_->viewport()->size()));
  EXPECT_EQ(area_->activeSubWindow(), sub);
  EXPECT_EQ(splash->Label1->text(), QStringLiteral(" Vorelim"));
  EXPECT_EQ(splash->Label1->pos(), QPoint(0, 48));
  EXPECT_TRUE(splash->Label1->font().bold() && splash->Label1->font().italic());
  EXPECT_EQ(splash->Label1->font().pixelSize(), 35);
  EXPECT_EQ(splash->Panel1->geometry(), QRect(0, 141, 312, 21));
  // Not re-centred later.
  const QPoint before = sub->pos();
  frame_->resize(900, 700);
  QCoreApplication::processEvents();
  EXPECT_EQ(sub->pos(), before);
}

TEST_F(splash_test, creation_plays_the_whole_sequence_once) {
  TForm1* splash = MakeSplash();
  EXPECT_TRUE(splash->IsAnimating());
  ASSERT_TRUE(WaitForEnd(splash));
  EXPECT_EQ(RecordedSequence(), ExpectedSequence());
  for (const auto& f : frames_) EXPECT_TRUE(f.drawn) << f.picture.toStdString() << " " << f.x;
  EXPECT_FALSE(splash->IsAnimating());
}

TEST_F(splash_test, reactivation_replays_the_sequence) {
  TForm1* splash = MakeSplash();
  ASSERT_TRUE(WaitForEnd(splash));
  auto* chart = area_->addSubWindow(new QWidget);
  chart->show();
  area_->setActiveSubWindow(chart);
  EXPECT_FALSE(splash->IsAnimating());  // another child becoming active starts nothing
  frames_.clear();

  area_->setActiveSubWindow(splash->SubWindow());
  ASSERT_TRUE(WaitForEnd(splash));
  EXPECT_EQ(RecordedSequence(), ExpectedSequence());

  // Closing the active chart window leaves the splash active: it plays again.
  area_->setActiveSubWindow(chart);
  frames_.clear();
  chart->close();
  QCoreApplication::processEvents();
  ASSERT_TRUE(WaitForEnd(splash));
  EXPECT_EQ(RecordedSequence(), ExpectedSequence());
}

TEST_F(splash_test, the_frame_regaining_the_focus_is_no_new_activation) {
  TForm1* splash = MakeSplash();
  ASSERT_TRUE(WaitForEnd(splash));
  frames_.clear();
  // What the area reports when another top-level window takes the focus and gives it back.
  emit area_->subWindowActivated(nullptr);
  emit area_->subWindowActivated(splash->SubWindow());
  EXPECT_FALSE(splash->IsAnimating());
  EXPECT_TRUE(frames_.empty());
}

TEST_F(splash_test, activation_during_a_run_starts_again_from_the_first_frame) {
  TForm1* splash = MakeSplash(5ms);
  QEventLoop loop;
  QObject::connect(splash, &TForm1::FrameDrawn, &loop, [&] {
    if (frames_.size() == 20) loop.quit();
  });
  QTimer::singleShot(5000, &loop, &QEventLoop::quit);
  loop.exec();
  ASSERT_EQ(frames_.size(), 20u);
  splash->FormActivate();
  ASSERT_TRUE(WaitForEnd(splash));
  ASSERT_EQ(frames_.size(), 65u);
  const auto recorded = RecordedSequence();
  const std::vector<SplashFrame> replay(recorded.begin() + 20, recorded.end());
  EXPECT_EQ(replay, ExpectedSequence());
}

TEST_F(splash_test, refuses_every_request_to_close) {
  TForm1* splash = MakeSplash();
  ASSERT_TRUE(WaitForEnd(splash));
  QPointer<QMdiSubWindow> sub = splash->SubWindow();
  QPointer<TForm1> alive = splash;
  auto* chart = area_->addSubWindow(new QWidget);
  QPointer<QMdiSubWindow> chart_alive = chart;
  chart->show();

  // What closing every child does: ask each child present at the start, once, to close.
  const auto children = area_->subWindowList();
  for (auto* child : children) child->close();
  EXPECT_FALSE(sub->close());
  EXPECT_FALSE(splash->close());
  area_->closeAllSubWindows();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

  EXPECT_TRUE(chart_alive.isNull());
  ASSERT_FALSE(sub.isNull());
  ASSERT_FALSE(alive.isNull());
  EXPECT_TRUE(sub->isVisible());
  EXPECT_EQ(area_->subWindowList(), QList<QMdiSubWindow*>{sub.data()});
}

// The splash window in the main frame, next to real chart windows, as start-up makes it: it
// stays where it was first centred, at its size and never maximised (so the workspace keeps its
// colour around it), whatever chart windows open and close; chart windows still open maximised.
TEST(splash_in_frame_test,
     stays_put_through_close_all_children_and_replays_when_the_active_chart_closes) {
  vorelim::test::TempFolder folder;
  TFORMDI frame;
  frame.ShowAtStart();
  TForm1* splash = frame.splash();
  splash->SetFrameInterval(0ms);
  QPointer<TForm1> alive = splash;
  QMdiSubWindow* sub = splash->SubWindow();
  std::vector<SplashFrame> recorded;
  QObject::connect(splash, &TForm1::FrameDrawn, splash, [&](const QString& picture, int x, bool) {
    recorded.push_back({picture, x});
  });
  auto wait = [&] {
    QEventLoop loop;
    QObject::connect(splash, &TForm1::AnimationFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    if (splash->IsAnimating()) loop.exec();
  };
  auto finish_command = [] {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  };
  wait();
  EXPECT_EQ(recorded, ExpectedSequence()) << "the run started by creation";
  EXPECT_EQ(frame.mdiArea()->activeSubWindow(), sub);
  const QRect placed = sub->geometry();
  EXPECT_EQ(placed, QRect(SplashPosition(frame.mdiArea()->viewport()->size()), QSize(312, 162)));
  auto expect_in_place = [&](const char* when) {
    ASSERT_FALSE(alive.isNull()) << when;
    EXPECT_EQ(frame.mdiArea()->subWindowList(), QList<QMdiSubWindow*>{sub}) << when;
    EXPECT_TRUE(splash->isVisible()) << when;
    EXPECT_FALSE(sub->isMaximized()) << when;
    EXPECT_EQ(sub->geometry(), placed) << when;
    EXPECT_EQ(splash->geometry(), QRect(0, 0, 312, 162)) << when;
  };

  // Chart windows (of charts that do not exist: empty windows), then "&Fechar".
  const std::vector<std::vector<const char*>> rounds = {{"UM", "DOIS", "TRES"}, {"QUATRO"}};
  for (const auto& names : rounds) {
    for (const char* name : names) {
      TVemapa* chart = frame.OpenChartWindow(QString::fromLatin1(name));
      EXPECT_TRUE(chart->SubWindow()->isMaximized()) << name;
    }
    QCoreApplication::processEvents();
    ASSERT_EQ(frame.mdiArea()->subWindowList().size(), static_cast<qsizetype>(names.size() + 1));
    recorded.clear();
    frame.CloseAllChildren();
    finish_command();
    expect_in_place(names.front());
    // The closed chart windows leave the splash as the active child: it plays again.
    wait();
    EXPECT_EQ(recorded, ExpectedSequence()) << "the run after the chart windows closed";
  }

  // A chart window closed its own way, after "&Fechar".
  TVemapa* chart = frame.OpenChartWindow(QStringLiteral("CINCO"));
  EXPECT_TRUE(chart->SubWindow()->isMaximized());
  chart->SubWindow()->close();
  finish_command();
  expect_in_place("a chart window closed alone");
}

// The colour of the bar's face, read from the middle of the bar.
QColor BarColour(const QImage& shot) {
  return shot.pixelColor(156, 151);
}

TEST_F(splash_test, after_the_animation_only_white_the_label_and_the_bar_show) {
  TForm1* splash = MakeSplash();
  ASSERT_TRUE(WaitForEnd(splash));
  QCoreApplication::processEvents();
  const QImage shot = splash->grab().toImage();
  ASSERT_EQ(shot.size(), QSize(312, 162));
  const QRect label = splash->Label1->geometry();
  const QRect bar(0, 141, 312, 21);
  int green = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      if (bar.contains(x, y)) continue;
      if (label.contains(x, y)) {
        // Green text, white ground, and the blend of the two at the edges of the letters.
        EXPECT_TRUE(c.red() == c.blue() && c.green() >= c.red()) << x << "," << y;
        green += c == QColor(0, 128, 0);
        continue;
      }
      ASSERT_EQ(c, QColor(Qt::white)) << "at " << x << "," << y;
    }
  }
  EXPECT_GT(green, 100);
  // The bar: the title-bar colour inside a raised edge (light top-left, dark bottom-right).
  const QColor face = splash->palette().color(QPalette::Active, QPalette::Highlight);
  EXPECT_EQ(BarColour(shot), face);
  EXPECT_GT(shot.pixelColor(0, 141).lightness(), shot.pixelColor(311, 161).lightness());
}

TEST_F(splash_test, each_frame_is_drawn_over_the_earlier_ones_and_the_bar_hides_the_lowest_rows) {
  TForm1* splash = MakeSplash(5ms);
  QImage at_last_frame;
  QObject::connect(splash, &TForm1::FrameDrawn, splash, [&](const QString&, int x, bool) {
    if (x == 0) {
      QCoreApplication::processEvents();
      at_last_frame = splash->grab().toImage();
    }
  });
  ASSERT_TRUE(WaitForEnd(splash));
  ASSERT_FALSE(at_last_frame.isNull());
  // The last picture, TA8 at x 0, lies on top.
  const QImage ta8(":/pictures/TA8.bmp");
  ASSERT_FALSE(ta8.isNull());
  for (int y = 0; y < 41; y += 3) {
    for (int x = 0; x < ta8.width(); x += 3) {
      ASSERT_EQ(at_last_frame.pixelColor(x, 100 + y), ta8.pixelColor(x, y)) << x << "," << y;
    }
  }
  // Right of it, the strips of earlier pictures stay: the picture drawn at x 7 (the frame
  // before the last) shows its right-hand columns beyond the 100-pixel-wide TA8.
  const QImage ta7(":/pictures/TA7.bmp");
  for (int x = 100; x < 122; ++x) {
    for (int y = 0; y < 41; ++y) {
      ASSERT_EQ(at_last_frame.pixelColor(x, 100 + y), ta7.pixelColor(x - 7, y)) << x << "," << y;
    }
  }
  // Some trail pixels exist far to the right, where the early visible frames were drawn.
  int coloured = 0;
  for (int x = 200; x < 312; ++x) {
    for (int y = 100; y < 141; ++y) coloured += at_last_frame.pixelColor(x, y) != Qt::white;
  }
  EXPECT_GT(coloured, 20);
  // The bar is on top of the pictures.
  EXPECT_EQ(BarColour(at_last_frame),
            splash->palette().color(QPalette::Active, QPalette::Highlight));
  EXPECT_EQ(at_last_frame.pixelColor(50, 145), BarColour(at_last_frame));
}

TEST_F(splash_test, pictures_that_cannot_be_loaded_draw_nothing_and_the_run_goes_on) {
  vorelim::test::TempFolder empty(false);
  TForm1* splash = MakeSplash(0ms, QString::fromStdString(empty.path().string()));
  QImage during;
  QObject::connect(splash, &TForm1::FrameDrawn, splash, [&](const QString&, int x, bool) {
    if (x == 0) during = splash->grab().toImage();
  });
  ASSERT_TRUE(WaitForEnd(splash));
  ASSERT_EQ(frames_.size(), 45u);
  for (const auto& f : frames_) EXPECT_FALSE(f.drawn);
  ASSERT_FALSE(during.isNull());
  for (int x = 0; x < 312; ++x) {
    for (int y = 90; y < 141; ++y) ASSERT_EQ(during.pixelColor(x, y), QColor(Qt::white));
  }
}

TEST_F(splash_test, frames_are_paced_by_the_timer_and_the_event_loop_keeps_running) {
  TForm1* splash = MakeSplash(TForm1::kFrameInterval);
  bool other_work_ran_during_the_run = false;
  QTimer::singleShot(100ms, splash, [&] { other_work_ran_during_the_run = splash->IsAnimating(); });
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(WaitForEnd(splash));
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(frames_.size(), 45u);
  // 45 frames and the final repaint, one interval apart (a little slack for the timer).
  EXPECT_GE(took, 44 * TForm1::kFrameInterval);
  EXPECT_TRUE(other_work_ran_during_the_run);
}

// The pictures as stored: 8-bit palette BMP, uncompressed, of the designed sizes.
TEST(splash_pictures_test, are_uncompressed_8_bit_palette_bitmaps_of_the_designed_sizes) {
  for (int n = 1; n <= 9; ++n) {
    const QString name = QStringLiteral(":/pictures/TA%1.bmp").arg(n);
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 54) << name.toStdString();
    auto u16 = [&](int at) { return quint8(bytes[at]) | quint8(bytes[at + 1]) << 8; };
    auto u32 = [&](int at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(14), 40u) << "plain info header";
    const QSize designed = n == 8 ? QSize(100, 43) : QSize(115, 48);
    EXPECT_EQ(int(u32(18)), designed.width()) << name.toStdString();
    EXPECT_EQ(int(u32(22)), designed.height()) << name.toStdString();
    EXPECT_EQ(u16(28), 8) << "bits per pixel";
    EXPECT_EQ(u32(30), 0u) << "no compression";
    const QImage image(name);
    EXPECT_EQ(image.size(), designed);
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
  }
}

TEST(splash_pictures_test, icons_are_32_pixels_with_16_colours) {
  for (const char* name : {":/pictures/vorelim.ico", ":/pictures/about.ico"}) {
    const QImage icon(QString::fromLatin1(name));
    ASSERT_FALSE(icon.isNull()) << name;
    EXPECT_EQ(icon.size(), QSize(32, 32)) << name;
    QFile file(QString::fromLatin1(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 6 + 16 + 40);
    EXPECT_EQ(quint8(bytes[6 + 2]), 16) << name << ": colours in the directory entry";
    EXPECT_EQ(quint8(bytes[6 + 16 + 14]), 4) << name << ": bits per pixel";
  }
}

// The about box's window icon is compiled in as XPM; it must show exactly the picture of the .ico.
TEST(splash_pictures_test, compiled_in_icons_show_the_ico_pictures) {
  struct Row {
    const char* ico;
    const char* const* xpm;
  } rows[] = {{":/pictures/about.ico", about_icon_xpm}};
  for (const auto& row : rows) {
    const QImage ico = QImage(QString::fromLatin1(row.ico)).convertToFormat(QImage::Format_ARGB32);
    const QImage xpm = QImage(row.xpm).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(xpm.size(), ico.size()) << row.ico;
    int transparent = 0;
    for (int y = 0; y < ico.height(); ++y) {
      for (int x = 0; x < ico.width(); ++x) {
        const QRgb want = ico.pixel(x, y);
        const QRgb got = xpm.pixel(x, y);
        ASSERT_EQ(qAlpha(got), qAlpha(want)) << row.ico << " at " << x << "," << y;
        // Under a transparent pixel the colour does not show.
        if (qAlpha(want) == 0) {
          ++transparent;
        } else {
          ASSERT_EQ(got, want) << row.ico << " at " << x << "," << y;
        }
      }
    }
    EXPECT_GT(transparent, 0) << row.ico << ": the mask is kept";
  }
}

// The program's window icon holds a picture drawn for each size, each one the star in the ring:
// red at the centre, clear in the corners, and green where the centre column first turns opaque
// from below (the ring; a shadow under it is faint).
TEST(splash_pictures_test, program_icon_has_a_picture_for_every_drawn_size) {
  const QIcon icon = vorelim::ProgramIcon();
  QList<QSize> sizes;
  for (int size : vorelim::kProgramIconSizes) sizes << QSize(size, size);
  EXPECT_EQ(icon.availableSizes(), sizes);
  for (int size : vorelim::kProgramIconSizes) {
    const QImage picture = icon.pixmap(QSize(size, size)).toImage();
    ASSERT_EQ(picture.size(), QSize(size, size)) << size;
    const QColor centre = picture.pixelColor(size / 2, size / 2);
    EXPECT_GT(centre.red(), 150) << size;
    EXPECT_LT(centre.green(), 60) << size;
    int y = size - 1;
    while (y > 0 && picture.pixelColor(size / 2, y).alpha() < 128) --y;
    const QColor ring = picture.pixelColor(size / 2, y);
    EXPECT_GT(ring.green(), ring.red() + 40) << size;
    EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0) << size;
  }
  // Sizes between and beyond the drawn ones come from the nearest picture, scaled.
  EXPECT_EQ(icon.pixmap(QSize(20, 20)).size(), QSize(20, 20));
  EXPECT_EQ(icon.pixmap(QSize(512, 512)).size(), QSize(512, 512));
  EXPECT_FALSE(icon.pixmap(QSize(32, 32), QIcon::Disabled).isNull());
}

}  // namespace
