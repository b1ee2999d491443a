#pragma once
// The new chart dialog for screen readers: every field is named by the label beside it (the label
// is its buddy, so it is also announced as the field's label), and the frame and the warning
// panel have names of their own.

class TCriacao;

namespace vorelim {

/// Ties each label of the dialog to its field and names what no label names.
void NameNewChartDialog(TCriacao& dialog);

}  // namespace vorelim
