#include "support/placement.h"

#include <QLabel>

#include <gtest/gtest.h>

#include "support/qt_support.h"

namespace vorelim::test {

void ExpectPlacedAsDesigned(const QWidget& window, std::span<const Placement> table,
                            const QStringList& hidden) {
  for (const Placement& row : table) {
    SCOPED_TRACE(row.name);
    const QWidget* control = Named<QWidget>(window, row.name);
    if (!qobject_cast<const QLabel*>(control)) {
      EXPECT_EQ(control->geometry(), row.geometry);
    }
    const QRect parent = control->parentWidget()->rect();
    EXPECT_TRUE(parent.contains(control->geometry().center()));
    EXPECT_TRUE(parent.contains(control->geometry().bottomRight()));
    EXPECT_NE(control->isVisible(), hidden.contains(QString::fromUtf8(row.name)));
  }
}

void ExpectTabOrder(const QWidget& window, std::span<const Placement> table) {
  QStringList designed;
  for (const Placement& row : table) {
    if (Named<QWidget>(window, row.name)->focusPolicy() & Qt::TabFocus) designed << row.name;
  }
  QStringList chain;
  for (auto* control = window.nextInFocusChain(); control != &window;
       control = control->nextInFocusChain()) {
    if (designed.contains(control->objectName())) chain << control->objectName();
  }
  EXPECT_EQ(chain, designed);
}

}  // namespace vorelim::test
