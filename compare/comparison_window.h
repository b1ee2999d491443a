#pragma once
// The comparison window: two charts side by side. It shows each person (chart name and birth
// date) above their element star, and a table with one row per level (personality, control,
// tendency) giving each person's number and element and the relation of the two elements in
// words, read from the first person to the second. A double-click or Enter on a row opens that
// relation's text in a texts window; a button opens the text on the three levels. The window
// previews its sheet in the program's print preview, prints it through the program's printer and
// copies its table as text. It is a top-level
// window of its owner, destroyed with it and when it closes; it opens centred on the screen, within
// its available area.

#include <QWidget>

#include "compare/comparison.h"

QT_BEGIN_NAMESPACE
class QLabel;
class QPushButton;
class QTableWidget;
QT_END_NAMESPACE

class TForm2;

namespace vorelim {

class ElementStar;

class ComparisonWindow : public QWidget {
  Q_OBJECT

 public:
  /// Builds the window of `comparison`, titled "Comparação - <first> e <second>", not shown yet.
  ComparisonWindow(const Comparison& comparison, QWidget* owner);

  const Comparison& Shown() const { return comparison_; }

  QTableWidget* Table = nullptr;         // "Table": one row per level
  ElementStar* FirstStar = nullptr;      // "FirstStar": the first person's star
  ElementStar* SecondStar = nullptr;     // "SecondStar"
  QPushButton* LevelsButton = nullptr;   // "&Texto dos níveis"
  QPushButton* CopyButton = nullptr;     // "&Copiar tabela"
  QPushButton* PreviewButton = nullptr;  // "&Visualizar impressão"
  QPushButton* PrintButton = nullptr;    // "I&mprimir"
  QPushButton* CloseButton = nullptr;    // "&Fechar"

 public slots:
  /// Opens the text of the relation of level `row` (0..2) in a texts window owned by this one;
  /// nothing when that level has no relation (a number without element).
  TForm2* OpenRelationText(int row);
  /// Opens the text on the three levels.
  TForm2* OpenLevelsText();
  /// Opens the sheet in the print preview, titled as this window.
  void PreviewPrint();
  /// Asks for the printer and prints the comparison's sheet; a printer that fails ends silently.
  void Print();
  /// Puts the table on the clipboard as text.
  void CopyTable();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* MakePerson(const ComparedPerson& person, const QString& role, ElementStar*& star);
  void MakeTable();

  Comparison comparison_;
};

/// Opens the comparison of the chart `first` named `first_name` (the active chart) with `second`
/// the way every command opens a window: constructs it with `owner`, shows it and gives it the
/// focus (on the table's first row).
ComparisonWindow* OpenComparison(QWidget* owner, const ChartRecord& first,
                                 const QString& first_name, const ChartRecord& second,
                                 const QString& second_name);

}  // namespace vorelim
