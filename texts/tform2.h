#pragma once
// TForm2, the texts window: one interpretation text of the catalogue in a separate top-level
// window. The window holds all nineteen texts as the pages of a notebook without tabs; the page is
// chosen once by SelectPage, before the window is shown. Each page has a panel with three buttons
// ("I&mprime", "Cop&ia", "&Fechar") and a read-only text box with a caret; after the three, the
// panel offers
// "&Visualizar impressão". A further text (the comparison's) is shown on one more page, built the
// same way. The window belongs to the window that opened it, is destroyed with it and is destroyed
// when it closes.

#include <QList>
#include <QString>
#include <QWidget>

#include "ui/placement.h"

QT_BEGIN_NAMESPACE
class QCloseEvent;
class QFrame;
class QPushButton;
class QShowEvent;
class QStackedWidget;
class QTextEdit;
QT_END_NAMESPACE

namespace vorelim {
struct TextEntry;
}

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  /// Builds the window with its nineteen pages, caption "FAÇA SEU MAPA", not shown yet. Destroyed
  /// together with `owner`.
  explicit TForm2(QWidget* owner);
  ~TForm2() override;

  /// The buttons of each page, in notebook order: "I&mprime", "Cop&ia" and "&Fechar", with their
  /// designed names and places on the page's panel.
  static constexpr vorelim::Placement kButtons[][3] = {
      {{"BitBtn1", {48, 0, 97, 25}},
       {"BitBtn2", {184, 0, 91, 25}},
       {"BitBtn39", {320, 0, 75, 25}}},  // Default
      {{"BitBtn3", {56, 0, 75, 25}},
       {"BitBtn4", {184, 0, 75, 25}},
       {"BitBtn50", {312, 0, 67, 25}}},  // agua
      {{"BitBtn5", {56, 0, 75, 25}},
       {"BitBtn6", {184, 0, 75, 25}},
       {"BitBtn51", {320, 0, 75, 25}}},  // terra2
      {{"BitBtn7", {48, 0, 75, 25}},
       {"BitBtn8", {176, 0, 75, 25}},
       {"BitBtn52", {312, 0, 75, 25}}},  // madeira3
      {{"BitBtn9", {56, 0, 75, 25}},
       {"BitBtn10", {184, 0, 75, 25}},
       {"BitBtn53", {312, 0, 75, 25}}},  // madeira4
      {{"BitBtn11", {56, 0, 75, 25}},
       {"BitBtn12", {168, 0, 75, 25}},
       {"BitBtn54", {288, 0, 75, 25}}},  // terra5
      {{"BitBtn13", {64, 0, 75, 25}},
       {"BitBtn14", {192, 0, 75, 25}},
       {"BitBtn55", {328, 0, 75, 25}}},  // metal6
      {{"BitBtn15", {56, 0, 75, 25}},
       {"BitBtn16", {200, 0, 75, 25}},
       {"BitBtn56", {344, 0, 75, 25}}},  // metal7
      {{"BitBtn17", {32, 0, 75, 25}},
       {"BitBtn18", {160, 0, 75, 25}},
       {"BitBtn57", {288, 0, 75, 25}}},  // terra8
      {{"BitBtn19", {56, 0, 75, 25}},
       {"BitBtn20", {168, 0, 75, 25}},
       {"BitBtn40", {280, 0, 75, 25}}},  // fogo
      {{"BitBtn21", {48, 0, 75, 25}},
       {"BitBtn22", {176, 0, 75, 25}},
       {"BitBtn41", {304, 0, 75, 25}}},  // c1
      {{"BitBtn23", {48, 0, 75, 25}},
       {"BitBtn24", {160, 0, 75, 25}},
       {"BitBtn42", {280, 0, 75, 25}}},  // c2
      {{"BitBtn25", {40, 0, 75, 25}},
       {"BitBtn26", {160, 0, 75, 25}},
       {"BitBtn43", {288, 0, 75, 25}}},  // c3
      {{"BitBtn27", {40, 0, 75, 25}},
       {"BitBtn28", {168, 0, 75, 25}},
       {"BitBtn44", {312, 0, 75, 25}}},  // c4
      {{"BitBtn29", {48, 0, 75, 25}},
       {"BitBtn30", {168, 0, 75, 25}},
       {"BitBtn45", {288, 0, 75, 25}}},  // c5
      {{"BitBtn31", {32, 0, 75, 25}},
       {"BitBtn32", {144, 0, 75, 25}},
       {"BitBtn46", {264, 0, 75, 25}}},  // c6
      {{"BitBtn33", {48, 0, 75, 25}},
       {"BitBtn34", {168, 0, 75, 25}},
       {"BitBtn47", {288, 0, 75, 25}}},  // c7
      {{"BitBtn35", {40, 0, 75, 25}},
       {"BitBtn36", {160, 0, 75, 25}},
       {"BitBtn48", {288, 0, 75, 25}}},  // c8
      {{"BitBtn37", {32, 0, 75, 25}},
       {"BitBtn38", {144, 0, 75, 25}},
       {"BitBtn49", {264, 0, 65, 25}}},  // c9
      // The page of a further text (the comparison's texts), after the nineteen: the buttons of
      // the introduction's page, numbered after the designed ones.
      {{"BitBtn58", {48, 0, 97, 25}},
       {"BitBtn59", {184, 0, 91, 25}},
       {"BitBtn60", {320, 0, 75, 25}}},
  };

  /// Shows the page of `key` ("1".."9", "c1".."c9", compared exactly) and sets the caption of that
  /// page; every other key shows the introduction with "FAÇA SEU MAPA".
  void SelectPage(const QString& key);

  /// Adds a page after the nineteen that shows `further_text` (one of vorelim::FurtherTexts()),
  /// with the buttons of every page, shows it and sets the window's caption to its caption. A
  /// window shows one further text: a second call does nothing.
  void ShowFurtherText(const vorelim::TextEntry& further_text);

  /// Page `index` (0..18, and 19 for a further text) and its controls.
  QWidget* Page(int index) const { return pages_.value(index); }
  QTextEdit* RichEdit(int index) const { return rich_edits_.value(index); }
  /// The index of the visible page.
  int CurrentPage() const;

  // The notebook of pages, under its designed name. Pages, panels ("Panel1".."Panel19"), text
  // boxes ("RichEdit1".."RichEdit19") and buttons ("BitBtn1".."BitBtn57") carry their designed
  // names as object names.
  QStackedWidget* Notebook1 = nullptr;

 public slots:
  /// "I&mprime" of page `index`: asks for the printer and prints the page's display lines.
  void PrintButtonClick(int index);
  /// "Cop&ia" of page `index`: puts the selection of the page's text box on the clipboard.
  void CopyButtonClick(int index);
  /// "&Visualizar impressão" of page `index`: the page as its print button prints it, in the print
  /// preview window.
  void PreviewButtonClick(int index);
  /// "&Fechar" of any page, or Esc: closes (and so destroys) the window.
  void CloseButtonClick();

 protected:
  void showEvent(QShowEvent* event) override;
  /// FormClose: the window is destroyed whichever way it is closed.
  void closeEvent(QCloseEvent* event) override;

 private:
  // The button pictures and the text font every page shares, made once per window.
  struct PageLook;
  PageLook MakePageLook() const;
  void BuildPages();
  /// Builds the next page of the notebook for `entry`, with the panel, text box and buttons of
  /// that page's place.
  void BuildPage(const vorelim::TextEntry& entry, const PageLook& look);

  QList<QWidget*> pages_;
  QList<QTextEdit*> rich_edits_;
};

/// Opens a texts window the way every command does: constructs it with `owner`, selects the page
/// of `key`, shows it and gives it the focus.
TForm2* OpenTextsWindow(QWidget* owner, const QString& key);

/// Opens a texts window on a further text (vorelim::FurtherTexts()) the same way.
TForm2* OpenTextsWindow(QWidget* owner, const vorelim::TextEntry& further_text);
