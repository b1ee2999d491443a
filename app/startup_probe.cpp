#include "app/startup_probe.h"

#include <unistd.h>
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>

namespace vorelim {

long ResidentKib() {
  std::FILE* statm = std::fopen("/proc/self/statm", "r");
  if (statm == nullptr) return 0;
  long total_pages = 0;
  long resident_pages = 0;
  const int read = std::fscanf(statm, "%ld %ld", &total_pages, &resident_pages);
  std::fclose(statm);
  if (read != 2) return 0;
  return resident_pages * (sysconf(_SC_PAGESIZE) / 1024);
}

bool ExitWhenIdleIfAsked(QWidget& window) {
  const char* value = std::getenv(kExitWhenIdleVariable);
  if (value == nullptr || std::strcmp(value, "1") != 0) return false;
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  if (dispatcher == nullptr) return false;
  // aboutToBlock: the loop has handled every pending event and is going to wait for more. Each
  // arming reports once.
  auto reported = std::make_shared<bool>(false);
  QObject::connect(
      dispatcher, &QAbstractEventDispatcher::aboutToBlock, &window, [&window, reported] {
        const QWindow* handle = window.windowHandle();
        if (*reported || !window.isVisible() || handle == nullptr || !handle->isExposed()) return;
        *reported = true;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
        std::printf("startup-idle monotonic_ns=%lld rss_kb=%ld\n", ns, ResidentKib());
        std::fflush(stdout);
        QCoreApplication::exit(0);
      });
  return true;
}

}  // namespace vorelim
