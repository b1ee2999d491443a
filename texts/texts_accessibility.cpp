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
  for (const TextEntry& entry : TextCatalogue()) {
    QWidget* page = window.Page(entry.index);
    if (page == nullptr) continue;
    page->setAccessibleName(entry.caption);
    const QString panel_name = QStringLiteral("Panel%1").arg(entry.index + 1);
    if (auto* panel = page->findChild<QFrame*>(panel_name, Qt::FindDirectChildrenOnly)) {
      panel->setAccessibleName(QStringLiteral("Botões"));
    }
    window.RichEdit(entry.index)->setAccessibleName(QStringLiteral("Texto: ") + entry.caption);
  }
}

}  // namespace vorelim
