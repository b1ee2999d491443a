// Opening and closing many windows through their real handlers must not cost memory per window:
// 1,000 cycles, each opening a chart window the way "A&brir" does, painting it, computing its
// transits, opening a texts window from its personality number, then closing the texts window with
// "Fechar" and the chart window with "&Fechar". The process's resident memory after all cycles is
// compared with the memory after the first 100 (by then every cache and pool has reached its size).
// Qt's pixmap cache (bounded, 10 MiB by default) is kept small for the test, so that its filling
// up is not mistaken for a leak; Qt's style
// also keeps about 1 KiB for every distinct palette it has painted with, which every new chart
// window brings (measured with a plain widget and palette: 0.6 KiB per window), so the margin
// allows a few KiB per cycle, far below one leaked chart window or texts window.
// Under AddressSanitizer freed memory is held in quarantine, so that build checks fewer cycles for
// left-over windows and leaves the per-allocation accounting to LeakSanitizer.

#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPixmapCache>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>

#include <gtest/gtest.h>

#include "app/tformdi.h"
#include "chart/chart_file.h"
#include "chart/chart_record.h"
#include "chart/today.h"
#include "chartview/tvemapa.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"
#include "texts/tform2.h"
#include "ui/controls.h"

#if defined(__SANITIZE_ADDRESS__)
#define VORELIM_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORELIM_UNDER_ASAN 1
#endif
#endif

namespace {

// Resident memory of this process in bytes, from /proc/self/statm.
long long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long long size = 0;
  long long resident = 0;
  statm >> size >> resident;
  return resident * ::sysconf(_SC_PAGESIZE);
}

int CountTopLevel() {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (qobject_cast<TForm2*>(widget) != nullptr || qobject_cast<QMessageBox*>(widget) != nullptr) {
      ++count;
    }
  }
  return count;
}

TEST(window_resource_test, thousand_chart_and_texts_windows_leave_no_memory_behind) {
  vorelim::test::TempFolder folder;
  const vorelim::test::FixedToday today(vorelim::CalendarDate{2026, 7, 1});
  ASSERT_TRUE(vorelim::WriteChartFile(vorelim::test::ChartFor("MARIA", 15, 6, 1975)).ok());
  const QString path = QDir::current().absoluteFilePath(QStringLiteral("MARIA.NUM"));

  const int cache_limit = QPixmapCache::cacheLimit();
  QPixmapCache::setCacheLimit(64);  // KiB
  auto frame = std::make_unique<TFORMDI>();
  frame->show();

#ifdef VORELIM_UNDER_ASAN
  constexpr int kCycles = 150;
#else
  constexpr int kCycles = 1000;
#endif
  constexpr int kWarmUp = 100;
  long long after_warm_up = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int cycle = 1; cycle <= kCycles; ++cycle) {
    TVemapa* window = frame->OpenChartWindow(QStringLiteral("MARIA"), path);
    ASSERT_EQ(window->Panel2->text(), QStringLiteral("7"));
    ASSERT_FALSE(window->grab().isNull());
    window->Button1Click();
    window->Panel2DblClick();
    TForm2* texts = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* candidate = qobject_cast<TForm2*>(widget); candidate && candidate->isVisible()) {
        texts = candidate;
      }
    }
    ASSERT_NE(texts, nullptr) << "cycle " << cycle;
    texts->CloseButtonClick();
    window->Fechar1Click();
    QCoreApplication::processEvents();
    vorelim::test::RunDeferredDeletes();

    ASSERT_TRUE(frame->mdiArea()->subWindowList().isEmpty()) << "cycle " << cycle;
    ASSERT_EQ(CountTopLevel(), 0) << "cycle " << cycle;
    if (cycle == kWarmUp) {
      ::malloc_trim(0);
      after_warm_up = ResidentBytes();
    }
  }
  ::malloc_trim(0);
  const long long after_all = ResidentBytes();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d cycles in %.1f s; resident after %d: %lld KiB, after %d: %lld KiB\n", kCycles,
              seconds, kWarmUp, after_warm_up / 1024, kCycles, after_all / 1024);
#ifndef VORELIM_UNDER_ASAN
  // 900 more cycles may cost at most 4 MiB in all: under 4.6 KiB per cycle.
  EXPECT_LT(after_all - after_warm_up, 4LL << 20);
#endif
  frame.reset();
  QPixmapCache::setCacheLimit(cache_limit);
}

}  // namespace
