#include "texts/tform2.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
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
#include "ui/designed.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/paper.h"
#include "ui/placement.h"
#include "ui/program_printer.h"
#include "ui/window_icon.h"

namespace {

constexpr int kPanelHeight = 25;
constexpr int kClientWidth = 620;
constexpr int kClientHeight = 400;

QIcon ButtonIcon(const QString& picture) {
  QIcon icon;
  icon.addFile(QStringLiteral(":/buttons/%1.png").arg(picture), QSize(), QIcon::Normal);
  icon.addFile(QStringLiteral(":/buttons/%1_disabled.png").arg(picture), QSize(), QIcon::Disabled);
  return icon;
}

QPushButton* MakeButton(QWidget* panel, const vorelim::Placement& place, const QString& caption,
                        const QIcon& icon) {
  return vorelim::Placed(new QPushButton(icon, caption, panel), place);
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

// Shows a texts window just filled in front of the others, with the keyboard.
TForm2* BringForward(TForm2* window) {
  window->show();
  window->raise();
  window->activateWindow();
  return window;
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
  resize(kClientWidth, kClientHeight);

  Notebook1 = new QStackedWidget(this);
  Notebook1->setObjectName(QStringLiteral("Notebook1"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Notebook1);

  BuildPages();
  Notebook1->setCurrentIndex(0);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  vorelim::NameTextsWindow(*this);
}

TForm2::~TForm2() = default;

struct TForm2::PageLook {
  QIcon print;
  QIcon copy;
  QIcon close;
  QFont text;
};

TForm2::PageLook TForm2::MakePageLook() const {
  // 12 pt at 96 pixels per inch.
  // The box's text width at the designed client width: less the scroll bar, the frame and the
  // document margin on both sides, and the cursor's pixel.
  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  const int text_width =
      kClientWidth - style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 2 * frame - 2 * 4 - 1;
  return {ButtonIcon(QStringLiteral("print")), ButtonIcon(QStringLiteral("copy")),
          ButtonIcon(QStringLiteral("close")),
          StoredLinesFont(
              vorelim::DesignFont(vorelim::FaceName(vorelim::Face::Rounded), 16, {.bold = true}),
              text_width)};
}

void TForm2::BuildPages() {
  const PageLook look = MakePageLook();
  for (const vorelim::TextEntry& entry : vorelim::TextCatalogue()) BuildPage(entry, look);
}

void TForm2::BuildPage(const vorelim::TextEntry& entry, const PageLook& look) {
  // The page's number among the notebook's pages: the further page follows the nineteen.
  const int index = static_cast<int>(pages_.size());
  const auto& buttons = kButtons[index];

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
  // Read-only, but with a caret the arrow keys move, so that a screen reader reads the text by
  // line, word and letter, and Shift with the arrows selects for "Cop&ia".
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setAcceptRichText(false);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setLineWrapMode(QTextEdit::WidgetWidth);
  box->setFont(look.text);
  // The text is paper: black letters on the light text ground whatever the colour theme. Its
  // selection keeps the theme's highlight pair.
  box->setPalette(vorelim::WithPaper(box->palette(), {QPalette::Text, QPalette::Base}));
  box->setPlainText(entry.lines.join(QLatin1Char('\n')));
  page_layout->addWidget(box);

  QPushButton* print = MakeButton(panel, buttons[0], QStringLiteral("I&mprime"), look.print);
  QPushButton* copy = MakeButton(panel, buttons[1], QStringLiteral("Cop&ia"), look.copy);
  QPushButton* close = MakeButton(panel, buttons[2], QStringLiteral("&Fechar"), look.close);
  connect(print, &QPushButton::clicked, this, [this, index] { PrintButtonClick(index); });
  connect(copy, &QPushButton::clicked, this, [this, index] { CopyButtonClick(index); });
  connect(close, &QPushButton::clicked, this, &TForm2::CloseButtonClick);
  // The page as its print button prints it, seen first; placed after the designed buttons.
  auto* preview = new QPushButton(look.print, QStringLiteral("&Visualizar impressão"), panel);
  preview->setObjectName(QStringLiteral("Visualizar%1").arg(index + 1));
  const QRect close_place = buttons[2].geometry;
  preview->setGeometry(close_place.right() + 1 + 24, 0, preview->sizeHint().width(), kPanelHeight);
  connect(preview, &QPushButton::clicked, this, [this, index] { PreviewButtonClick(index); });

  Notebook1->addWidget(page);
  pages_.append(page);
  rich_edits_.append(box);
}

void TForm2::ShowFurtherText(const vorelim::TextEntry& entry) {
  if (pages_.size() > vorelim::TextCatalogue().size()) return;
  BuildPage(entry, MakePageLook());
  const int index = static_cast<int>(pages_.size()) - 1;
  vorelim::NameTextsPage(*this, index, entry.caption);
  Notebook1->setCurrentIndex(index);
  setWindowTitle(entry.caption);
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
  // A further text's page follows the catalogue's nineteen and carries its caption as the title.
  const auto& catalogue = vorelim::TextCatalogue();
  const QString caption = index < catalogue.size() ? catalogue.at(index).caption : windowTitle();
  vorelim::OpenPrintPreview(
      this, vorelim::TextPreviewDocument(vorelim::ComposeTextPrintout(*box), caption,
                                         std::filesystem::current_path()));
}

void TForm2::CopyButtonClick(int index) {
  if (QTextEdit* box = RichEdit(index)) vorelim::CopyTextBox(*box);
}

void TForm2::CloseButtonClick() {
  close();
}

void TForm2::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) vorelim::CentreOnScreen(*this);
  QWidget::showEvent(event);
}

void TForm2::closeEvent(QCloseEvent* event) {
  setAttribute(Qt::WA_DeleteOnClose);
  event->accept();
}

TForm2* OpenTextsWindow(QWidget* owner, const vorelim::TextEntry& further_text) {
  auto* window = new TForm2(owner);
  window->ShowFurtherText(further_text);
  return BringForward(window);
}

TForm2* OpenTextsWindow(QWidget* owner, const QString& key) {
  auto* window = new TForm2(owner);
  window->SelectPage(key);
  return BringForward(window);
}
