#pragma once
// TForm1, the splash window: a small borderless child of the main frame that shows the program's
// name above a coloured bar. Each time it becomes the frame's active child it plays a short
// animation: a swallow, drawn as nine pictures in turn, flies from the right edge to the left edge,
// every frame painted over the earlier ones so that a trail stays; then the window repaints to its
// plain look. The frames are paced by a timer, so the frame stays responsive meanwhile. The window
// refuses to close; it lives as long as the frame. The frame puts it in its MDI area and reports
// the area's activations to it (ChildActivated); the window knows nothing of where it lives.

#include <QImage>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <vector>

QT_BEGIN_NAMESPACE
class QFrame;
class QLabel;
class QMdiSubWindow;
QT_END_NAMESPACE

/// One frame of the splash animation: the picture drawn and the x of its left edge.
struct SplashFrame {
  QString picture;
  int x = 0;
  friend bool operator==(const SplashFrame&, const SplashFrame&) = default;
};

/// The 45 frames of one run of the animation, in drawing order. Each frame draws the picture that
/// the frame before it loaded, so the sequence starts "TA1", "TA1", "TA2" and the "TA9" loaded
/// after the last frame is never drawn.
std::vector<SplashFrame> SplashFrameSequence();

/// Where the splash window goes in a client area of the given size: centred, halves rounded down,
/// never at a negative coordinate.
QPoint SplashPosition(QSize client_area);

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 312;
  static constexpr int kClientHeight = 162;
  static constexpr int kPictureTop = 100;
  static constexpr std::chrono::milliseconds kFrameInterval{25};

  /// Creates the window with its designed controls, not shown yet.
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  /// The child window that holds the splash in the frame's area, or nullptr when it has none.
  QMdiSubWindow* SubWindow() const;
  /// True while the animation runs.
  bool IsAnimating() const { return timer_.isActive(); }
  /// Reads the pictures from `folder` (files TA1.bmp ... TA9.bmp) instead of the embedded ones.
  void SetPictureFolder(const QString& folder) { picture_folder_ = folder; }
  /// Changes the time between two frames (tests shorten it).
  void SetFrameInterval(std::chrono::milliseconds interval) { timer_.setInterval(interval); }

  // Controls under their designed names.
  QLabel* Label1 = nullptr;
  QFrame* Panel1 = nullptr;

 signals:
  /// A frame of the animation was drawn; `drawn` is false when its picture could not be loaded.
  void FrameDrawn(const QString& picture, int x, bool drawn);
  /// The last frame was drawn and the window repainted to its plain look.
  void AnimationFinished();

 public slots:
  /// The window became the active child: (re)starts the animation from its first frame.
  void FormActivate();
  /// The frame's MDI area reports `window` as its active child (nullptr while another top-level
  /// window has the focus): a change of the active child to this window's own starts FormActivate.
  void ChildActivated(QMdiSubWindow* window);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void DrawNextFrame();
  QImage LoadPicture(const QString& name) const;

  // The child that was active last; the frame losing and regaining the focus is no activation.
  QPointer<QMdiSubWindow> last_active_;
  QTimer timer_;
  std::vector<SplashFrame> frames_;
  std::size_t next_frame_ = 0;
  // The pictures drawn so far in this run; painted under the label and the bar while it lasts.
  QImage trail_;
  QString picture_folder_;
};
