#pragma once
// Checks of a window against its placement table: what a copy of the table could not check.

#include <QStringList>
#include <span>

#include "ui/placement.h"

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace vorelim::test {

/// Expects each control of `table` in `window` under its designed name, at its designed place
/// (but labels, which their windows size to their texts: their own tests say where they sit),
/// inside its parent, and shown, or hidden when its name is among `hidden`. Inside: its centre and
/// its bottom-right corner lie in its parent, so a control may overhang the parent's top or left
/// edge by less than half its size, as designed bevels and margins do, never the right or bottom.
void ExpectPlacedAsDesigned(const QWidget& window, std::span<const Placement> table,
                            const QStringList& hidden = {});

/// Expects the focus chain of `window` to pass the controls of `table` that Tab can reach in the
/// table's order.
void ExpectTabOrder(const QWidget& window, std::span<const Placement> table);

}  // namespace vorelim::test
