#include "app/running_program.h"

#include <unistd.h>

#include <chrono>
#include <thread>

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QGuiApplication>
#include <QMetaObject>

namespace vorelim {
namespace {

constexpr char kObjectPath[] = "/org/vorelim/vorelim/Frame";
constexpr char kInterface[] = "org.vorelim.vorelim.Frame";
// A running frame answers at once; one that takes longer is taken for hung.
constexpr int kAnswerTimeoutMs = 2000;
// How long a start waits for a frame that has taken the name but is still being made.
constexpr std::chrono::seconds kStartingFrameWait{15};
constexpr std::chrono::milliseconds kStartingFramePoll{50};

void RegisterBusTypes() {
  static const bool registered = [] {
    qDBusRegisterMetaType<QByteArrayList>();
    return true;
  }();
  (void)registered;
}

// `text` as characters a bus name element may hold: letters and digits stay, every other byte
// becomes "_" and its two hex digits, so different displays keep different names.
QString NameElement(const QByteArray& text) {
  QString element;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= '0' && byte <= '9')) {
      element += QLatin1Char(c);
    } else {
      element += QStringLiteral("_%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
  }
  return element;
}

// The display this program shows on, as its platform names it: the X display without its screen
// number (":0" and ":0.0" are one display), the Wayland socket, or the platform alone (offscreen).
QByteArray DisplayKey() {
  const QString platform = QGuiApplication::platformName();
  QByteArray display;
  if (platform == QLatin1String("xcb")) {
    display = qgetenv("DISPLAY");
    const qsizetype colon = display.lastIndexOf(':');
    const qsizetype dot = display.lastIndexOf('.');
    if (colon >= 0 && dot > colon) display.truncate(dot);
  } else if (platform.startsWith(QLatin1String("wayland"))) {
    display = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = "wayland-0";
  }
  return platform.toUtf8() + (display.isEmpty() ? QByteArray() : "-" + display);
}

}  // namespace

QString RunningProgramName() {
  // Each element starts with a letter, as the bus requires. A bus name holds at most 255
  // characters; a display named by a long path is named by its digest instead.
  const QByteArray display = DisplayKey();
  QString element = NameElement(display);
  if (element.size() > 160) {
    element =
        QString::fromLatin1(QCryptographicHash::hash(display, QCryptographicHash::Sha1).toHex());
  }
  return QStringLiteral("org.vorelim.vorelim.u%1.d%2").arg(::getuid()).arg(element);
}

bool HandToRunningProgram(const QByteArrayList& files) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || bus.interface() == nullptr) return false;
  RegisterBusTypes();
  const QString name = RunningProgramName();
  QDBusMessage call =
      QDBusMessage::createMethodCall(name, QString::fromLatin1(kObjectPath),
                                     QString::fromLatin1(kInterface), QStringLiteral("OpenFiles"));
  call << QVariant::fromValue(files);
  const auto deadline = std::chrono::steady_clock::now() + kStartingFrameWait;
  while (true) {
    const QDBusMessage reply = bus.call(call, QDBus::Block, kAnswerTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage) return true;
    const QString error = reply.errorName();
    if (error == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        error == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")) {
      // Nobody serves this display: this start takes the name before it makes its frame, so that
      // the starts of the same moment hand their files to it instead of making frames of their
      // own. The frame's RunningProgram then serves under the name.
      const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> claimed =
          bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                           QDBusConnectionInterface::DontAllowReplacement);
      if (!claimed.isValid() || claimed.value() == QDBusConnectionInterface::ServiceRegistered) {
        return false;
      }
      // Another start took it a moment ago: its frame is on the way.
      continue;
    }
    // A frame that does not answer is taken for hung: this start opens its own.
    if (error == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
        error == QLatin1String("org.freedesktop.DBus.Error.Timeout") ||
        std::chrono::steady_clock::now() >= deadline) {
      return false;
    }
    // The name is taken by a start whose frame does not serve yet (no object under the path).
    std::this_thread::sleep_for(kStartingFramePoll);
  }
}

RunningProgram::RunningProgram(QObject* owner) : QObject(owner) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || bus.interface() == nullptr) return;
  RegisterBusTypes();
  if (!bus.registerObject(QString::fromLatin1(kObjectPath), this,
                          QDBusConnection::ExportScriptableSlots)) {
    return;
  }
  // Queued: when the program that owns the name ends, the oldest frame still running takes it.
  const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
      bus.interface()->registerService(RunningProgramName(), QDBusConnectionInterface::QueueService,
                                       QDBusConnectionInterface::DontAllowReplacement);
  registered_ = reply.isValid() && reply.value() != QDBusConnectionInterface::ServiceNotRegistered;
  if (!registered_) bus.unregisterObject(QString::fromLatin1(kObjectPath));
}

RunningProgram::~RunningProgram() {
  if (!registered_) return;
  QDBusConnection bus = QDBusConnection::sessionBus();
  bus.unregisterService(RunningProgramName());
  bus.unregisterObject(QString::fromLatin1(kObjectPath));
}

bool RunningProgram::OwnsName() const {
  if (!registered_) return false;
  QDBusConnection bus = QDBusConnection::sessionBus();
  const QDBusReply<QString> owner = bus.interface()->serviceOwner(RunningProgramName());
  return owner.isValid() && owner.value() == bus.baseService();
}

void RunningProgram::OpenFiles(const QByteArrayList& files) {
  // Names with a zero byte or longer than the system takes stay in the list: the frame refuses
  // them by name (IsFileName) with the other files that gave no chart.
  QByteArrayList absolute;
  for (const QByteArray& file : files) {
    if (file.startsWith('/')) absolute << file;
  }
  // The caller waits for the answer only; the files are handed on once it has gone, so that many
  // files or a slow disk never make it give up and open a second frame.
  QMetaObject::invokeMethod(
      this, [this, absolute] { emit FilesHanded(absolute); }, Qt::QueuedConnection);
}

}  // namespace vorelim
