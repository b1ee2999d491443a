#include "support/placement.h"

#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

#include "support/qt_support.h"

namespace vorelim::test {

void ExpectPlacedAsDesigned(const QWidget& window, std::span<const Placement> table,
                            const QStringList& hidden) {
  for (const Placement& row : table) {
    SCOPED_TRACE(row.name);
    const QWidget* control = Named<QWidget>(window, row.name);
    if (qobject_cast<const QLabel*>(control) == nullptr) {
      EXPECT_EQ(control->geometry(), row.geometry);
    }
    const QRect parent = control->parentWidget()->rect();
    EXPECT_TRUE(parent.contains(control->geometry().center()));
    EXPECT_TRUE(parent.contains(control->geometry().bottomRight()));
    if (hidden.contains(QString::fromUtf8(row.name))) {
      EXPECT_TRUE(control->isHidden());
    } else {
      EXPECT_TRUE(control->isVisible());
    }
  }
}

void ExpectTabOrder(const QWidget& window, std::span<const Placement> table) {
  const auto tab_stop = [](const QWidget* control) {
    return (control->focusPolicy() & Qt::TabFocus) != 0;
  };
  QStringList designed;
  for (const Placement& row : table) {
    if (tab_stop(Named<QWidget>(window, row.name))) designed << QString::fromUtf8(row.name);
  }
  QStringList chain;
  for (const QWidget* control = window.nextInFocusChain(); control != &window;
       control = control->nextInFocusChain()) {
    if (designed.contains(control->objectName()) && tab_stop(control) &&
        window.isAncestorOf(control)) {
      chain << control->objectName();
    }
  }
  EXPECT_EQ(chain, designed);
}

}  // namespace vorelim::test
