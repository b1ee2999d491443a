#include "newchart/tcriacao.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <filesystem>
#include <string>

#include "chart/chart_file.h"
#include "chart/chart_record.h"
#include "chart/chart_rules.h"
#include "chart/today.h"
#include "desktop/fixed_size.h"
#include "newchart/new_chart_accessibility.h"
#include "ui/controls.h"
#include "ui/designed.h"
#include "ui/designed_words.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/paper.h"
#include "ui/placement.h"
#include "ui/window_icon.h"

namespace {

const char* const kWarningLine1 = "JÁ EXISTE UM ARQUIVO COM ESTE NOME !";
const char* const kWarningLine2 = "DESEJA CONTINUAR ?";

// The warning panel: a single dark border line, a raised bevel six pixels wide, then the teal face.
class WarningPanel : public QFrame {
 public:
  explicit WarningPanel(QWidget* parent) : QFrame(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    constexpr int kBevels = 6;
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, palette().color(QPalette::Window));
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    r.adjust(1, 1, -1, -1);
    // Six one-pixel raised bevels, one inside the other.
    for (int i = 0; i < kBevels; ++i) {
      r = vorelim::DrawBevel(p, r, vorelim::BevelPanel::Bevel::Raised, palette());
    }
  }
};

// A label at its designed place. A label that is `centred` in its parent grows to both sides when
// the substitute face is wider than the designed one, the others grow to the right.
QLabel* MakeLabel(QWidget* parent, const vorelim::Placement& place, const QString& text,
                  const QFont& font, bool centred = false) {
  const QRect& geometry = place.geometry;
  auto* label = vorelim::Placed(new QLabel(text, parent), place);
  label->setFont(font);
  const QFontMetrics metrics(font);
  const int width = std::max(label->sizeHint().width(), geometry.width());
  const int above = std::max(0, -metrics.boundingRect(text).top() - metrics.ascent());
  const int height = std::max(metrics.height(), geometry.height());
  if (width != geometry.width() || height != geometry.height() || above > 0) {
    // Accents above capitals rise over the ascent: the label grows upwards and keeps its text at
    // the bottom, so the baseline stays where it was designed.
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    const int left = centred ? geometry.center().x() - (width - 1) / 2 : geometry.x();
    label->setGeometry(left, geometry.y() - above, width, height + above);
  }
  return label;
}

QListWidget* MakeList(QWidget* parent, const vorelim::Placement& place, const QStringList& items) {
  constexpr int kItemHeight = 13;
  auto* list = vorelim::Placed(new QListWidget(parent), place);
  list->setUniformItemSizes(true);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const QString& text : items) {
    auto* item = new QListWidgetItem(text, list);
    item->setSizeHint(QSize(place.geometry.width(), kItemHeight));
  }
  return list;
}

// The designed place of the control `name`.
consteval const vorelim::Placement& Place(std::string_view name) {
  return vorelim::PlacementOf(TCriacao::kPlacement, name);
}

}  // namespace

TCriacao::TCriacao(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("TCriacao"));
  setWindowTitle(QStringLiteral("Criação de Arquivo"));
  setModal(false);
  // A fixed size and no maximise button on every platform: the hints are taken as given (not
  // completed by the platform's defaults), and a Wayland compositor, which knows no fixed-size
  // dialogs, learns the size from the equal minimum and maximum.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(382, 185);
  desktop::KeepFixedSizeWindows(*this);
  vorelim::CarryProgramIcon(*this);
  // The labels' black is fixed by the design, so the ground under them is the light 3D colour
  // they were designed on, whatever the colour theme: halfway between the light button face and
  // its light edge, as QPalette derives Midlight from a button colour (the Fusion style's own
  // Midlight is darker than the face). The fields and buttons keep the theme's colours.
  const QPalette& paper = vorelim::PaperPalette();
  QPalette pal = vorelim::WithPaper(palette(), {QPalette::WindowText});
  const QColor face = paper.color(QPalette::Button);
  const QColor light = paper.color(QPalette::Light);
  pal.setColor(QPalette::Window,
               QColor((face.red() + light.red()) / 2, (face.green() + light.green()) / 2,
                      (face.blue() + light.blue()) / 2));
  setPalette(pal);
  setAutoFillBackground(true);

  BuildControls();
  vorelim::NameNewChartDialog(*this);

  vorelim::CentreOnScreen(*this);
}

TCriacao::~TCriacao() = default;

void TCriacao::BuildControls() {
  Bevel1 = vorelim::Placed(new QFrame(this), Place("Bevel1"));
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setPalette(vorelim::WithPaper(Bevel1->palette(), {QPalette::Light, QPalette::Dark}));

  const QFont label_font = vorelim::DesignFont(vorelim::FaceName(vorelim::Face::Arial), 11);
  Label1 = MakeLabel(this, Place("Label1"), QStringLiteral("Nome"), label_font);

  Edit1 = vorelim::Placed(new QLineEdit(QStringLiteral("NovoNome"), this), Place("Edit1"));
  Edit1->setMaxLength(static_cast<int>(vorelim::kChartNameLength));
  Edit1->installEventFilter(this);

  Label4 = MakeLabel(this, Place("Label4"), QStringLiteral("Dia do Nascimento"), label_font);
  QStringList days;
  for (int day = 1; day <= 31; ++day) days << QString::number(day);
  ListBox1 = MakeList(this, Place("ListBox1"), days);

  Label3 = MakeLabel(this, Place("Label3"), QStringLiteral("Mês do Nascimento"), label_font);
  QStringList months;
  for (int month = 1; month <= 12; ++month) months << vorelim::MonthWord(month);
  ListBox2 = MakeList(this, Place("ListBox2"), months);

  Label2 = MakeLabel(this, Place("Label2"), QStringLiteral("Ano de Nascimento"), label_font);

  Edit2 = vorelim::Placed(new QLineEdit(QStringLiteral("1990"), this), Place("Edit2"));
  Edit2->setMaxLength(4);
  connect(Edit2, &QLineEdit::editingFinished, this, &TCriacao::Edit2Exit);

  OKBtn = vorelim::Placed(new QPushButton(QStringLiteral("OK"), this), Place("OKBtn"));
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &TCriacao::OKBtnClick);

  CancelBtn = vorelim::Placed(new QPushButton(QStringLiteral("Cancel"), this), Place("CancelBtn"));
  connect(CancelBtn, &QPushButton::clicked, this, &TCriacao::CancelBtnClick);

  Panel1 = vorelim::Placed(new WarningPanel(this), Place("Panel1"));
  QPalette teal = Panel1->palette();
  teal.setColor(QPalette::Window, QColor(0, 128, 128));
  teal.setColor(QPalette::WindowText, Qt::white);
  Panel1->setPalette(teal);
  const QFont panel_font =
      vorelim::DesignFont(vorelim::FaceName(vorelim::Face::Rounded), 12, {.bold = true});
  Panel1->setFont(panel_font);

  Label5 = MakeLabel(Panel1, Place("Label5"), QString::fromUtf8(kWarningLine1), panel_font, true);
  Label6 = MakeLabel(Panel1, Place("Label6"), QString::fromUtf8(kWarningLine2), panel_font, true);

  // Push buttons draw their text in the button text colour, whatever the panel's text colour.
  QPalette button_palette = palette();
  Button1 = vorelim::Placed(new QPushButton(QStringLiteral("SIM"), Panel1), Place("Button1"));
  Button1->setPalette(button_palette);
  connect(Button1, &QPushButton::clicked, this, &TCriacao::Button1Click);

  Button2 = vorelim::Placed(new QPushButton(QStringLiteral("NÃO"), Panel1), Place("Button2"));
  Button2->setPalette(button_palette);
  connect(Button2, &QPushButton::clicked, this, &TCriacao::Button2Click);

  setTabOrder(Edit1, ListBox1);
  setTabOrder(ListBox1, ListBox2);
  setTabOrder(ListBox2, Edit2);
  setTabOrder(Edit2, OKBtn);
  setTabOrder(OKBtn, CancelBtn);
  setTabOrder(CancelBtn, Button1);
  setTabOrder(Button1, Button2);

  SetWarningVisible(false);
  Edit1->setFocus();
}

bool TCriacao::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // Switching to another window or opening a popup keeps the name box as the dialog's focus;
    // only a move of the focus inside the dialog enters or leaves it.
    const bool window_switch =
        reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    if (event->type() == QEvent::FocusIn && !name_box_active_) {
      name_box_active_ = true;
      if (!selecting_name_) Edit1Enter();
    } else if (event->type() == QEvent::FocusOut && name_box_active_ && !window_switch) {
      name_box_active_ = false;
      Edit1Exit();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TCriacao::SetWarningVisible(bool shown) {
  Label5->setText(QString::fromUtf8(kWarningLine1));
  Label6->setText(QString::fromUtf8(kWarningLine2));
  if (shown) Panel1->raise();
  Panel1->setVisible(shown);
  Label5->setVisible(shown);
  Label6->setVisible(shown);
  Button1->setVisible(shown);
  Button2->setVisible(shown);
}

void TCriacao::Edit1Enter() {
  ListBox1->setCurrentRow(1);
  ListBox2->setCurrentRow(1);
  SetWarningVisible(false);
}

void TCriacao::Edit1Exit() {
  const std::string name = Edit1->text().toStdString();
  if (vorelim::FindChartFile(name).has_value()) SetWarningVisible(true);
}

void TCriacao::Edit2Exit() {}

void TCriacao::Button1Click() {
  SetWarningVisible(false);
}

void TCriacao::Button2Click() {
  Edit1->setText(QStringLiteral("NOVONOME"));
  SetWarningVisible(false);
}

void TCriacao::OKBtnClick() {
  const QString name = Edit1->text().left(static_cast<qsizetype>(vorelim::kChartNameLength));
  const std::string utf8_name = name.toStdString();
  const vorelim::NameProblem problem = vorelim::CheckChartName(utf8_name);
  if (problem != vorelim::NameProblem::None) {
    ShowProblem(vorelim::ChartNotCreatedText(problem, name));
    SelectName();
    return;
  }

  const vorelim::ChartRecord record =
      vorelim::NewChartRecord(utf8_name, ListBox1->currentRow() + 1, ListBox2->currentRow() + 1,
                              Edit2->text().toStdString(), vorelim::Today().year % 100);

  const vorelim::WriteResult written = vorelim::WriteChartFile(record);
  if (!written.ok()) {
    if (written.status == vorelim::WriteStatus::InvalidName) {
      ShowProblem(vorelim::ChartNotCreatedText(written.name_problem, name));
      SelectName();
    } else {
      ShowProblem(vorelim::WriteProblemText(written));
    }
    return;
  }

  // The chart is opened from the file just written (which, for a name that differs from an older
  // chart only in letter case, is that older file's name).
  std::error_code ec;
  const std::filesystem::path written_path =
      std::filesystem::absolute(written.path, ec).lexically_normal();
  emit ChartWritten(name, QString::fromStdString((ec ? written.path : written_path).string()));

  QDialog::accept();
}

void TCriacao::CancelBtnClick() {
  QDialog::reject();
}

void TCriacao::reject() {
  CancelBtnClick();
}

void TCriacao::ShowProblem(const QString& text) {
  vorelim::ShowMessage(this, {.title = QStringLiteral("Criação de Arquivo"), .text = text});
}

void TCriacao::SelectName() {
  selecting_name_ = true;
  Edit1->setFocus(Qt::OtherFocusReason);
  selecting_name_ = false;
  Edit1->selectAll();
}
