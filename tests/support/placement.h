#pragma once
// Checks of a window against its placement table: what a copy of the table could not check.

#include <QStringList>
#include <QWidget>
#include <span>

#include "ui/placement.h"

namespace vorelim::test {

/// Expects each control of `table` in `window` at its designed place (but labels, which their
/// windows size to their texts), inside its parent and shown, or hidden when named in `hidden`.
/// Inside: its centre and bottom-right corner lie in its parent, so a control may overhang the
/// parent's top or left edge, as designed bevels and margins do, never the right or bottom.
void ExpectPlacedAsDesigned(const QWidget& window, std::span<const Placement> table,
                            const QStringList& hidden = {});

/// Expects the focus chain of `window` to pass the controls of `table` that Tab reaches in the
/// table's order.
void ExpectTabOrder(const QWidget& window, std::span<const Placement> table);

}  // namespace vorelim::test
