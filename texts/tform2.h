#pragma once
// TForm2, the texts window: one interpretation text of the catalogue in a separate top-level
// window. The window holds all nineteen texts as the pages of a notebook without tabs; the page is
// chosen once by SelectPage, before the window is shown. Each page has a panel with three buttons
// ("I&mprime", "Cop&ia", "Fechar") and a read-only text box; after the three, the panel offers
// "&Visualizar impressão". The window belongs to the window that opened it, is destroyed with it
// and is destroyed when it closes.

#include <QList>
#include <QString>
#include <QWidget>

QT_BEGIN_NAMESPACE
class QCloseEvent;
class QFrame;
class QPushButton;
class QShowEvent;
class QStackedWidget;
class QTextEdit;
QT_END_NAMESPACE

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  /// Builds the window with its nineteen pages, caption "FAÇA SEU MAPA", not shown yet. Destroyed
  /// together with `owner`.
  explicit TForm2(QWidget* owner);
  ~TForm2() override;

  /// Shows the page of `key` ("1".."9", "c1".."c9", compared exactly) and sets the caption of that
  /// page; every other key shows the introduction with "FAÇA SEU MAPA".
  void SelectPage(const QString& key);

  /// Page `index` (0..18) and its controls.
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
  /// "Fechar" of any page: closes (and so destroys) the window.
  void CloseButtonClick();

 protected:
  void showEvent(QShowEvent* event) override;
  /// FormClose: the window is destroyed whichever way it is closed.
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPages();
  void CentreOnScreen();

  QList<QWidget*> pages_;
  QList<QTextEdit*> rich_edits_;
};

/// Opens a texts window the way every command does: constructs it with `owner`, selects the page
/// of `key`, shows it and gives it the focus.
TForm2* OpenTextsWindow(QWidget* owner, const QString& key);
