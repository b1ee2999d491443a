#include "app/program_icon.h"

#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <algorithm>

namespace vorelim {
namespace {

// Qt's own icon engine decodes every file as it is added (about 3 ms for the eight pictures,
// most of it the image-format plug-in list). This one decodes a picture when a size is first
// asked for, and keeps it.
class DrawnSizesEngine : public QIconEngine {
 public:
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    const int wanted = std::max(size.width(), size.height());
    // The smallest picture at least as large, else the largest; scaled only if it differs.
    int drawn = kProgramIconSizes.back();
    for (int candidate : kProgramIconSizes) {
      if (candidate >= wanted) {
        drawn = candidate;
        break;
      }
    }
    QPixmap& picture = pictures_[drawn];
    if (picture.isNull()) {
      picture = QPixmap::fromImage(QImage(QStringLiteral(":/icons/vorelim-%1.png").arg(drawn)));
    }
    QPixmap result = picture.size() == size
                         ? picture
                         : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // The disabled and selected looks come from Qt's own engine, given the picture.
    if (mode != QIcon::Normal) result = QIcon(result).pixmap(result.size(), mode, state);
    return result;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int size : kProgramIconSizes) sizes << QSize(size, size);
    return sizes;
  }

  QIconEngine* clone() const override { return new DrawnSizesEngine(*this); }
  QString key() const override { return QStringLiteral("vorelim-drawn-sizes"); }

 private:
  QHash<int, QPixmap> pictures_;
};

}  // namespace

QIcon ProgramIcon() {
  return QIcon(new DrawnSizesEngine);
}

}  // namespace vorelim
