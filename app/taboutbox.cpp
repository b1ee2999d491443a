#include "app/taboutbox.h"

#include <QFont>
#include <QFrame>
#include <QHideEvent>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "app/app_accessibility.h"
#include "desktop/fixed_size.h"
#include "resources/pictures/about_icon.xpm"
#include "ui/designed.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/paper.h"
#include "ui/placement.h"

namespace {

// The designed place of the control `name`.
consteval const vorelim::Placement& Place(std::string_view name) {
  return vorelim::PlacementOf(TAboutBox::kPlacement, name);
}

}  // namespace

TAboutBox::TAboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(QStringLiteral("SOBRE"));
  setWindowIcon(QIcon(QPixmap(about_icon_xpm)));  // about.ico, compiled in (resources/pictures)
  setModal(false);
  setFixedSize(kClientWidth, kClientHeight);
  desktop::KeepFixedSizeWindows(*this);

  // A sunken outer edge around a raised face: two nested one-pixel panels.
  Panel1 = vorelim::Placed(new QFrame(this), Place("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Panel1->setLineWidth(1);
  // The labels' black is fixed by the design, so the panel under them is the light window colour
  // they were designed on, edges included, whatever the colour theme.
  Panel1->setPalette(vorelim::WithPaper(
      Panel1->palette(), {QPalette::Window, QPalette::WindowText, QPalette::Light,
                          QPalette::Midlight, QPalette::Dark, QPalette::Mid, QPalette::Shadow}));
  Panel1->setAutoFillBackground(true);
  auto* face = new QFrame(Panel1);
  face->setGeometry(1, 1, 295, 295);
  face->setFrameStyle(QFrame::Panel | QFrame::Raised);
  face->setLineWidth(1);
  face->setAttribute(Qt::WA_TransparentForMouseEvents);

  // Each label is centred where its designed text was centred, so texts of other widths (and the
  // substitute faces) keep the designed symmetry.
  Label1 = AddLabel(Place("Label1"), vorelim::ProgramTitle(), 16);
  Label2 = AddLabel(Place("Label2"), QStringLiteral("by"), 13);
  Label3 = AddLabel(Place("Label3"), QStringLiteral("Equipe Vorelim"), 13);
  Label4 = AddLabel(Place("Label4"), QStringLiteral("baseado no livro"), 13);
  Label5 = AddLabel(Place("Label5"), QStringLiteral("O LIVRO DO VORELIM"), 13);
  Label6 = AddLabel(Place("Label6"), QStringLiteral("1997"), 13);
  Label7 = AddLabel(Place("Label7"), QStringLiteral("Caixa Postal 0000 - Cidade - 00000-000"), 13);
  Label8 = AddLabel(Place("Label8"), QStringLiteral("e-mail: contato@example.org"), 13);
  Label9 = AddLabel(Place("Label9"), QStringLiteral("Informação liberada para reprodução"), 13);

  OKButton = vorelim::Placed(new QPushButton(QStringLiteral("Fechar"), this), Place("OKButton"));
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
  vorelim::NameAboutBox(*this);
}

TAboutBox::~TAboutBox() = default;

QLabel* TAboutBox::AddLabel(const vorelim::Placement& place, const QString& text, int pixel_size) {
  auto* label = vorelim::Placed(new QLabel(text, Panel1), place);
  // Each label is sized to its text, so the rounded face keeps its own width.
  label->setFont(vorelim::DesignFont(vorelim::FaceName(vorelim::Face::Rounded), pixel_size,
                                     {.bold = true, .condensed = false}));
  QPalette black = label->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(black);
  designed_places_.push_back({label, place.geometry});
  return label;
}

void TAboutBox::PlaceLabels() {
  // Sizing a label to its text loads its face in two sizes; the box stays hidden until the first
  // "&Sobre", so that is left until it first shows rather than paid for at start-up.
  for (const auto& [label, designed] : designed_places_) {
    label->adjustSize();
    const int x = designed.x() + (designed.width() - label->width()) / 2;
    label->move(std::clamp(x, 0, std::max(0, Panel1->width() - label->width())), designed.y());
  }
  designed_places_.clear();
}

void TAboutBox::ShowModeless() {
  if (isVisible()) return;
  if (!shown_before_) {
    shown_before_ = true;
    vorelim::CentreOnScreen(*this);
  } else {
    move(hidden_at_);
  }
  show();
}

void TAboutBox::OKButtonClick() {
  hide();
}

void TAboutBox::showEvent(QShowEvent* event) {
  // Sent before the window appears on screen, so its first paint has the labels placed. (Not on
  // Polish: Qt polishes every new widget, hidden or not, in the first turn of the event loop.)
  if (!designed_places_.empty()) PlaceLabels();
  QDialog::showEvent(event);
}

void TAboutBox::hideEvent(QHideEvent* event) {
  // Remember the place for the next time; the window manager may forget it while hidden.
  if (!event->spontaneous()) hidden_at_ = pos();
  QDialog::hideEvent(event);
}
