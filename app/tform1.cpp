#include "app/tform1.h"

#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <algorithm>
#include <array>

#include "ui/fonts.h"

namespace {

constexpr int kStartX = 390;
constexpr int kStopX = 5;  // another pass runs while x is at least this
constexpr std::array kStepWidths{10, 10, 7, 7, 7, 10, 10, 10, 7};
constexpr int kBarHeight = 21;

QString PictureName(std::size_t number) {
  return QStringLiteral("TA%1").arg(number);
}

}  // namespace

std::vector<SplashFrame> SplashFrameSequence() {
  std::vector<SplashFrame> frames;
  // The picture held for drawing; the one named by a step is loaded after that step has drawn.
  QString held = PictureName(1);
  int x = kStartX;
  do {
    for (std::size_t k = 0; k < kStepWidths.size(); ++k) {
      x -= kStepWidths[k];
      frames.push_back({held, x});
      held = PictureName(k + 1);
    }
  } while (x >= kStopX);
  return frames;
}

QPoint SplashPosition(QSize client_area) {
  return {std::max(0, (client_area.width() - TForm1::kClientWidth) / 2),
          std::max(0, (client_area.height() - TForm1::kClientHeight) / 2)};
}

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString(19, QLatin1Char(' ')));
  setFixedSize(kClientWidth, kClientHeight);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  Label1 = new QLabel(QStringLiteral(" Vorelim"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setFont(vorelim::DesignFont(vorelim::FaceName(vorelim::Face::Arial), 35,
                                      {.bold = true, .italic = true}));
  QPalette green = Label1->palette();
  green.setColor(QPalette::WindowText, QColor(0, 128, 0));
  Label1->setPalette(green);
  Label1->move(0, 48);
  Label1->adjustSize();

  // The bar uses the colour of an active title bar; Highlight is the palette's nearest role. It is
  // a child control, so the pictures drawn on the window stay behind it.
  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(1);
  QPalette bar = Panel1->palette();
  bar.setColor(QPalette::Window, bar.color(QPalette::Active, QPalette::Highlight));
  Panel1->setPalette(bar);
  Panel1->setAutoFillBackground(true);
  Panel1->setGeometry(0, kClientHeight - kBarHeight, kClientWidth, kBarHeight);

  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kFrameInterval);
  connect(&timer_, &QTimer::timeout, this, &TForm1::DrawNextFrame);
}

TForm1::~TForm1() = default;

QMdiSubWindow* TForm1::SubWindow() const {
  return qobject_cast<QMdiSubWindow*>(parentWidget());
}

void TForm1::ChildActivated(QMdiSubWindow* window) {
  // The area reports no active child while another top-level window has the focus, and the same
  // child again when the frame gets it back; only a change of the active child is an activation.
  if (window == nullptr) return;
  const bool changed = window != last_active_;
  last_active_ = window;
  if (changed && window == SubWindow()) FormActivate();
}

void TForm1::FormActivate() {
  frames_ = SplashFrameSequence();
  next_frame_ = 0;
  trail_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
  trail_.fill(Qt::transparent);
  timer_.start();
}

void TForm1::DrawNextFrame() {
  if (next_frame_ >= frames_.size()) {
    // The last frame has been on screen for one interval: back to the plain window.
    timer_.stop();
    trail_ = QImage();
    update();
    emit AnimationFinished();
    return;
  }
  const SplashFrame frame = frames_[next_frame_++];
  // A fresh picture for every frame; one that cannot be loaded draws nothing.
  const QImage picture = LoadPicture(frame.picture);
  if (!picture.isNull()) {
    QPainter painter(&trail_);
    painter.drawImage(frame.x, kPictureTop, picture);
    update(QRect(frame.x, kPictureTop, picture.width(), picture.height()));
  }
  emit FrameDrawn(frame.picture, frame.x, !picture.isNull());
}

QImage TForm1::LoadPicture(const QString& name) const {
  const QString folder = picture_folder_.isEmpty() ? QStringLiteral(":/pictures") : picture_folder_;
  return QImage(folder + QLatin1Char('/') + name + QStringLiteral(".bmp"));
}

void TForm1::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (trail_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, trail_);
}

void TForm1::closeEvent(QCloseEvent* event) {
  // The splash window stays until the frame goes: asking it to close does nothing.
  event->ignore();
}
