#include "newchart/new_chart_accessibility.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "newchart/tcriacao.h"

namespace vorelim {

void NameNewChartDialog(TCriacao& dialog) {
  // A line edit takes its name from its buddy label; the lists' interfaces read only their own
  // accessible name, so they are given the label's text as well.
  dialog.Label1->setBuddy(dialog.Edit1);
  dialog.Label4->setBuddy(dialog.ListBox1);
  dialog.Label3->setBuddy(dialog.ListBox2);
  dialog.Label2->setBuddy(dialog.Edit2);
  dialog.ListBox1->setAccessibleName(dialog.Label4->text());
  dialog.ListBox2->setAccessibleName(dialog.Label3->text());

  dialog.Bevel1->setAccessibleName(QStringLiteral("Dados do mapa"));
  dialog.Panel1->setAccessibleName(QStringLiteral("Aviso"));
}

}  // namespace vorelim
