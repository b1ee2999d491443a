#include "texts/texts_accessibility.h"

#include <QFrame>
#include <QStackedWidget>
#include <QTextEdit>

#include "texts/text_catalogue.h"
#include "texts/tform2.h"
#include "ui/accessible_names.h"

namespace vorelim {

void NameTextsWindow(TForm2& window) {
  ReadAsWindow(window);
  window.Notebook1->setAccessibleName(QStringLiteral("Páginas"));
  for (const TextEntry& entry : TextCatalogue()) NameTextsPage(window, entry.index, entry.caption);
}

void NameTextsPage(TForm2& window, int index, const QString& caption) {
  QWidget* page = window.Page(index);
  if (page == nullptr) return;
  page->setAccessibleName(caption);
  const QString panel_name = QStringLiteral("Panel%1").arg(index + 1);
  if (auto* panel = page->findChild<QFrame*>(panel_name, Qt::FindDirectChildrenOnly)) {
    panel->setAccessibleName(QStringLiteral("Botões"));
  }
  window.RichEdit(index)->setAccessibleName(QStringLiteral("Texto: ") + caption);
}

}  // namespace vorelim
