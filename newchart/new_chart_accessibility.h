#pragma once
// The new chart dialog for screen readers: every field is named by the label beside it (the label
// is its buddy, so it is also announced as the field's label), and the frame and the warning
// panel have names of their own. The warning panel is an alert: a screen reader speaks it as it
// shows, and each answer carries its question.

class TCriacao;

namespace vorelim {

/// Makes the warning panel of every new chart dialog an alert for screen readers. Call it before
/// the dialog's controls are made.
void InstallNewChartInterfaces();

/// Ties each label of the dialog to its field and names what no label names.
void NameNewChartDialog(TCriacao& dialog);

}  // namespace vorelim
