#pragma once
// TCriacao, the dialog "Criação de Arquivo": the user types a name, picks the day and month of
// birth and types the year; "OK" computes the chart, writes NAME.NUM in the current folder and
// tells its owner through ChartWritten, which opens the chart. The dialog is modeless, several may
// be open at once, and closing it only hides it: it lives on until its owner is destroyed.

#include <QDialog>
#include <QString>

#include "ui/placement.h"

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

  /// The designed controls' names and places, those that take the focus in the dialog's tab
  /// order. Label5, Label6, Button1 and Button2 lie on the warning panel Panel1.
  static constexpr vorelim::Placement kPlacement[] = {
      {"Bevel1", {8, 8, 281, 161}},     {"Label1", {24, 40, 27, 14}},
      {"Edit1", {64, 32, 209, 21}},     {"Label4", {24, 72, 89, 14}},
      {"ListBox1", {120, 64, 49, 33}},  {"Label3", {24, 112, 94, 14}},
      {"ListBox2", {24, 128, 89, 33}},  {"Label2", {184, 112, 94, 14}},
      {"Edit2", {200, 136, 65, 21}},    {"OKBtn", {300, 8, 75, 25}},
      {"CancelBtn", {300, 38, 75, 25}}, {"Panel1", {8, 56, 361, 105}},
      {"Label5", {72, 17, 212, 14}},    {"Label6", {112, 40, 109, 14}},
      {"Button1", {104, 64, 49, 25}},   {"Button2", {200, 64, 49, 25}},
  };

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
