#include "texts/tform2.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "texts/text_catalogue.h"
#include "texts/text_printing.h"
#include "texts/texts_accessibility.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/paper.h"
#include "ui/program_printer.h"
#include "ui/window_icon.h"

namespace {

struct ButtonPlace {
  int number;  // BitBtn<number>
  int x;
  int width;
};

// The controls of each page, in notebook order: the print, copy and close buttons with their
// place on the page's panel. The panel and the text box of page i are Panel<i+1> and
// RichEdit<i+1>.
struct PageControls {
  ButtonPlace print;
  ButtonPlace copy;
  ButtonPlace close;
};

constexpr PageControls kPageControls[] = {
    {{1, 48, 97}, {2, 184, 91}, {39, 320, 75}},    // Default
    {{3, 56, 75}, {4, 184, 75}, {50, 312, 67}},    // agua
    {{5, 56, 75}, {6, 184, 75}, {51, 320, 75}},    // terra2
    {{7, 48, 75}, {8, 176, 75}, {52, 312, 75}},    // madeira3
    {{9, 56, 75}, {10, 184, 75}, {53, 312, 75}},   // madeira4
    {{11, 56, 75}, {12, 168, 75}, {54, 288, 75}},  // terra5
    {{13, 64, 75}, {14, 192, 75}, {55, 328, 75}},  // metal6
    {{15, 56, 75}, {16, 200, 75}, {56, 344, 75}},  // metal7
    {{17, 32, 75}, {18, 160, 75}, {57, 288, 75}},  // terra8
    {{19, 56, 75}, {20, 168, 75}, {40, 280, 75}},  // fogo
    {{21, 48, 75}, {22, 176, 75}, {41, 304, 75}},  // c1
    {{23, 48, 75}, {24, 160, 75}, {42, 280, 75}},  // c2
    {{25, 40, 75}, {26, 160, 75}, {43, 288, 75}},  // c3
    {{27, 40, 75}, {28, 168, 75}, {44, 312, 75}},  // c4
    {{29, 48, 75}, {30, 168, 75}, {45, 288, 75}},  // c5
    {{31, 32, 75}, {32, 144, 75}, {46, 264, 75}},  // c6
    {{33, 48, 75}, {34, 168, 75}, {47, 288, 75}},  // c7
    {{35, 40, 75}, {36, 160, 75}, {48, 288, 75}},  // c8
    {{37, 32, 75}, {38, 144, 75}, {49, 264, 65}},  // c9
};

constexpr int kPanelHeight = 25;
constexpr int kClientWidth = 620;
constexpr int kClientHeight = 400;

QIcon ButtonIcon(const QString& picture) {
  QIcon icon;
  icon.addFile(QStringLiteral(":/buttons/%1.png").arg(picture), QSize(), QIcon::Normal);
  icon.addFile(QStringLiteral(":/buttons/%1_disabled.png").arg(picture), QSize(), QIcon::Disabled);
  return icon;
}

QPushButton* MakeButton(QWidget* panel, const ButtonPlace& place, const QString& caption,
                        const QIcon& icon) {
  auto* button = new QPushButton(icon, caption, panel);
  button->setObjectName(QStringLiteral("BitBtn%1").arg(place.number));
  button->setGeometry(place.x, 0, place.width, kPanelHeight);
  return button;
}

// The stored lines were written to fit the text box at the designed face and width. The rounded
// substitute face is wider, so every stored line would wrap into a long line and a short stub;
// the face is condensed just enough that the widest stored line of all texts fits the box at its
// designed width. Computed once: every texts window uses the same face.
QFont StoredLinesFont(const QFont& design_font, int text_width) {
  static const QFont fitted = [&] {
    QFont font = design_font;
    int stretch = font.stretch() > 0 ? font.stretch() : 100;
    const auto widest = [&font] {
      const QFontMetrics metrics(font);
      int width = 0;
      for (const vorelim::TextEntry& entry : vorelim::TextCatalogue()) {
        for (const QString& line : entry.lines) {
          width = std::max(width, metrics.horizontalAdvance(line));
        }
      }
      return width;
    };
    while (stretch > 50 && widest() > text_width) {
      stretch -= 1;
      font.setStretch(stretch);
    }
    return font;
  }();
  return fitted;
}

}  // namespace

TForm2::TForm2(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                         Qt::WindowCloseButtonHint) {
  vorelim::RegisterFontSubstitutes();
  setObjectName(QStringLiteral("Form2"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(vorelim::StartCaption());
  vorelim::CarryProgramIcon(*this);
  setFont(vorelim::DesignFont(QStringLiteral("MS Sans Serif"), 11));
  resize(kClientWidth, kClientHeight);

  Notebook1 = new QStackedWidget(this);
  Notebook1->setObjectName(QStringLiteral("Notebook1"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Notebook1);

  BuildPages();
  Notebook1->setCurrentIndex(0);
  vorelim::NameTextsWindow(*this);
}

TForm2::~TForm2() = default;

void TForm2::BuildPages() {
  const QIcon print_icon = ButtonIcon(QStringLiteral("print"));
  const QIcon copy_icon = ButtonIcon(QStringLiteral("copy"));
  const QIcon close_icon = ButtonIcon(QStringLiteral("close"));
  // 12 pt at 96 pixels per inch.
  // The box's text width at the designed client width: less the scroll bar, the frame and the
  // document margin on both sides, and the cursor's pixel.
  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  const int text_width =
      kClientWidth - style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 2 * frame - 2 * 4 - 1;
  const QFont text_font = StoredLinesFont(
      vorelim::DesignFont(QStringLiteral("VAG Rounded Th"), 16, {.bold = true}), text_width);

  for (const vorelim::TextEntry& entry : vorelim::TextCatalogue()) {
    const int index = entry.index;
    const PageControls& controls = kPageControls[index];

    auto* page = new QWidget(Notebook1);
    page->setObjectName(entry.page_name);
    auto* page_layout = new QVBoxLayout(page);
    page_layout->setContentsMargins(0, 0, 0, 0);
    page_layout->setSpacing(0);

    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("Panel%1").arg(index + 1));
    panel->setFixedHeight(kPanelHeight);
    panel->setFrameShape(QFrame::NoFrame);
    page_layout->addWidget(panel);

    auto* box = new QTextEdit(page);
    box->setObjectName(QStringLiteral("RichEdit%1").arg(index + 1));
    box->setReadOnly(true);
    box->setAcceptRichText(false);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setLineWrapMode(QTextEdit::WidgetWidth);
    box->setFont(text_font);
    // The text is paper: black letters on the light text ground whatever the colour theme. Its
    // selection keeps the theme's highlight pair.
    box->setPalette(vorelim::WithPaper(box->palette(), {QPalette::Text, QPalette::Base}));
    box->setPlainText(entry.lines.join(QLatin1Char('\n')));
    page_layout->addWidget(box);

    QPushButton* print = MakeButton(panel, controls.print, QStringLiteral("I&mprime"), print_icon);
    QPushButton* copy = MakeButton(panel, controls.copy, QStringLiteral("Cop&ia"), copy_icon);
    QPushButton* close = MakeButton(panel, controls.close, QStringLiteral("Fechar"), close_icon);
    connect(print, &QPushButton::clicked, this, [this, index] { PrintButtonClick(index); });
    connect(copy, &QPushButton::clicked, this, [this, index] { CopyButtonClick(index); });
    connect(close, &QPushButton::clicked, this, &TForm2::CloseButtonClick);
    // The page as its print button prints it, seen first; placed after the designed buttons.
    auto* preview = new QPushButton(print_icon, QStringLiteral("&Visualizar impressão"), panel);
    preview->setObjectName(QStringLiteral("Visualizar%1").arg(index + 1));
    preview->setGeometry(controls.close.x + controls.close.width + 24, 0,
                         preview->sizeHint().width(), kPanelHeight);
    connect(preview, &QPushButton::clicked, this, [this, index] { PreviewButtonClick(index); });

    Notebook1->addWidget(page);
    pages_.append(page);
    rich_edits_.append(box);
  }
}

void TForm2::SelectPage(const QString& key) {
  const int index = vorelim::PageIndexForKey(key);
  Notebook1->setCurrentIndex(index);
  setWindowTitle(vorelim::TextCatalogue().at(index).caption);
}

int TForm2::CurrentPage() const {
  return Notebook1->currentIndex();
}

void TForm2::PrintButtonClick(int index) {
  QTextEdit* box = RichEdit(index);
  if (box == nullptr) return;
  QPrinter& printer = vorelim::ProgramPrinter();
  if (!vorelim::RunPrintDialog(printer, this)) return;
  // A printer that fails ends the printout silently: the user sees what the printer shows.
  vorelim::PrintTextBox(*box, printer);
}

void TForm2::PreviewButtonClick(int index) {
  QTextEdit* box = RichEdit(index);
  if (box == nullptr) return;
  vorelim::OpenPrintPreview(this,
                            vorelim::TextPreviewDocument(vorelim::ComposeTextPrintout(*box),
                                                         vorelim::TextCatalogue().at(index).caption,
                                                         std::filesystem::current_path()));
}

void TForm2::CopyButtonClick(int index) {
  if (QTextEdit* box = RichEdit(index)) vorelim::CopyTextBox(*box);
}

void TForm2::CloseButtonClick() {
  close();
}

void TForm2::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) CentreOnScreen();
  QWidget::showEvent(event);
}

void TForm2::closeEvent(QCloseEvent* event) {
  setAttribute(Qt::WA_DeleteOnClose);
  event->accept();
}

void TForm2::CentreOnScreen() {
  const QScreen* shown_on = screen();
  if (shown_on == nullptr) return;
  const QRect area = shown_on->geometry();
  QRect frame = frameGeometry();
  frame.moveCenter(area.center());
  move(frame.topLeft());
}

TForm2* OpenTextsWindow(QWidget* owner, const QString& key) {
  auto* window = new TForm2(owner);
  window->SelectPage(key);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}
