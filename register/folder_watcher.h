#pragma once
// Tells when anything in one folder changed: an entry created, removed, renamed, or a file
// written in place (a file manager copying over a chart rewrites the file under the same name,
// which Qt's file system watcher does not report for a watched folder). Linux inotify.

#include <QObject>
#include <filesystem>

QT_BEGIN_NAMESPACE
class QSocketNotifier;
QT_END_NAMESPACE

namespace vorelim {

class FolderWatcher : public QObject {
  Q_OBJECT

 public:
  explicit FolderWatcher(QObject* parent = nullptr);
  ~FolderWatcher() override;

  /// Watches `folder` instead of the folder watched before; false when it cannot be watched.
  bool Watch(const std::filesystem::path& folder);
  /// True while a folder is watched (a folder removed or renamed is no longer).
  bool watching() const { return watch_ >= 0; }

 signals:
  /// Something in the folder changed, or the folder itself went away.
  void Changed();

 private:
  void Read();

  int fd_ = -1;
  int watch_ = -1;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vorelim
