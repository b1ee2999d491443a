#include "newchart/new_chart_accessibility.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "newchart/tcriacao.h"

namespace vorelim {
namespace {

QAccessibleInterface* NewChartInterfaces(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr || widget->objectName() != QLatin1String("Panel1") ||
      qobject_cast<TCriacao*>(widget->parentWidget()) == nullptr) {
    return nullptr;
  }
  return new QAccessibleWidget(widget, QAccessible::AlertMessage);
}

}  // namespace

void InstallNewChartInterfaces() {
  // Qt adds a factory once, however often it is asked.
  QAccessible::installFactory(NewChartInterfaces);
}

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
  // The warning is read whole, as an alert when it shows and with either answer.
  const QString warning = dialog.Label5->text() + QLatin1Char(' ') + dialog.Label6->text();
  dialog.Panel1->setAccessibleName(warning);
  dialog.Button1->setAccessibleDescription(warning);
  dialog.Button2->setAccessibleDescription(warning);
}

}  // namespace vorelim
