#pragma once
// One program for many charts: a chart opened from the file manager or with `vorelim FILE…` while
// the program already runs for this user and display opens in the running frame, as document
// programs on the desktop do.
//
// The running frame owns a well-known name on the session bus, made of the user's id and the
// display, so that two displays (or two users sharing a bus) never meet; a later frame queues for
// the name and takes it over when the first ends. A new process with files calls the method
// OpenFiles (signature "aay": each file's absolute name as its bytes, so names that are not UTF-8
// survive) and ends when the frame answers. A new process with files that finds the name free
// takes it before it makes its frame, so that starts of the same moment hand their files to it
// and one frame opens; they wait for that frame while it is being made. Without a session bus, or
// without an answer from a running frame within two seconds, the new process opens its own frame.

#include <QByteArray>
#include <QByteArrayList>
#include <QObject>
#include <QString>

namespace vorelim {

/// The bus name of the program running for this user and display (needs the application object,
/// whose platform tells which display).
QString RunningProgramName();

/// Hands `files` (absolute names) to the program running for this user and display. True once it
/// took them. False without a session bus, when no program was running (this process then owns
/// the name, and its frame's RunningProgram serves under it), or without the running frame's
/// answer within two seconds. A frame that took the name but serves no calls yet is waited for.
bool HandToRunningProgram(const QByteArrayList& files);

/// Takes the files handed to this program: owns the bus name (or queues for it) while it lives,
/// and hands each call's files on through FilesHanded. Without a session bus it does nothing.
class RunningProgram : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.vorelim.vorelim.Frame")

 public:
  explicit RunningProgram(QObject* owner = nullptr);
  ~RunningProgram() override;

  /// True while this program owns the name (false while it waits in the queue for it).
  bool OwnsName() const;

 signals:
  /// A later start of the program handed these files (absolute names, as their bytes); sent once
  /// the caller has its answer.
  void FilesHanded(const QByteArrayList& files);

 public slots:
  /// Answers at once and hands the files on through FilesHanded after the answer has gone. Names
  /// that are not absolute are left out.
  Q_SCRIPTABLE void OpenFiles(const QByteArrayList& files);

 private:
  bool registered_ = false;
};

}  // namespace vorelim
