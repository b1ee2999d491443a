#pragma once
// TCriacao, the dialog "Criação de Arquivo": the user types a name, picks the day and month of
// birth and types the year; "OK" computes the chart, writes NAME.NUM in the current folder and
// tells its owner through ChartWritten, which opens the chart. The dialog is modeless, several may
// be open at once, and closing it only hides it: it lives on until its owner is destroyed.

#include <QDialog>
#include <QString>

QT_BEGIN_NAMESPACE
class QEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
QT_END_NAMESPACE

class TCriacao : public QDialog {
  Q_OBJECT

 public:
  /// Builds the dialog, centred on the screen, with the warning hidden. Not shown yet.
  explicit TCriacao(QWidget* owner);
  ~TCriacao() override;

  /// Esc and the window's close button act as "Cancel".
  void reject() override;

  // Controls under their designed names.
  QFrame* Bevel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLabel* Label4 = nullptr;
  QListWidget* ListBox1 = nullptr;
  QLabel* Label3 = nullptr;
  QListWidget* ListBox2 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Edit2 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QFrame* Panel1 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label6 = nullptr;
  QPushButton* Button1 = nullptr;
  QPushButton* Button2 = nullptr;

 public slots:
  /// The name box got the focus: selects day "2" and "fevereiro" and hides the warning.
  void Edit1Enter();
  /// The name box lost the focus: shows the warning when a chart file of that name exists.
  void Edit1Exit();
  /// The year box lost the focus: nothing to do, the year is read on "OK".
  void Edit2Exit();
  /// "SIM": hides the warning and keeps the name.
  void Button1Click();
  /// "NÃO": changes the name to "NOVONOME" and hides the warning.
  void Button2Click();
  /// "OK": computes and writes the chart, emits ChartWritten and hides the dialog. A refused name
  /// or a failed write is shown to the user and the dialog stays open.
  void OKBtnClick();
  /// "Cancel" or Esc: hides the dialog; nothing is written.
  void CancelBtnClick();

 signals:
  /// "OK" wrote the chart `name` to the file at `path` (absolute); the owner opens it.
  void ChartWritten(const QString& name, const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void SetWarningVisible(bool shown);
  void ShowProblem(const QString& text);
  /// Gives the name box the focus with its text selected, without the reset of Edit1Enter.
  void SelectName();

  // True while the name box holds the dialog's focus. Losing the focus to another window or a
  // popup, and getting it back, is no entry into or exit from the name box.
  bool name_box_active_ = false;
  bool selecting_name_ = false;
};
