// Every window under a dark and a high-contrast colour theme: the letters of each text against
// what lies under them, measured in a grab of the window.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/help_window.h"
#include "app/program_icon.h"
#include "app/taboutbox.h"
#include "app/tform1.h"
#include "app/tformdi.h"
#include "chartview/paint_box.h"
#include "chartview/transit_grid.h"
#include "chartview/tvemapa.h"
#include "newchart/tcriacao.h"
#include "register/register_window.h"
#include "support/charts.h"
#include "support/temp_folder.h"
#include "texts/tform2.h"
#include "ui/contrast.h"
#include "ui/controls.h"
#include "ui/fonts.h"

namespace {

double Contrast(QRgb a, QRgb b) {
  return vorelim::ContrastRatio(QColor::fromRgb(a), QColor::fromRgb(b));
}

// qt6ct's "darker" colour scheme, role by role in QPalette's order (NoRole left out).
QPalette DarkerPalette() {
  const char* const colours[QPalette::NColorRoles] = {
      "#ffffff", "#424245", "#979797", "#5e5c5b", "#302f2e", "#4a4947", "#ffffff",
      "#ffffff", "#ffffff", "#3d3d3d", "#222020", "#e7e4e0", "#12608a", "#f9f9f9",
      "#0986d3", "#a70b06", "#5c5b5a", nullptr,   "#3f3f36", "#ffffff", "#80ffffff"};
  QPalette palette;
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    if (colours[role] != nullptr)
      palette.setColor(QPalette::ColorRole(role), QColor(colours[role]));
  }
  return palette;
}

// White on black, as the desktops' high-contrast themes: every face black, every edge white, the
// selection yellow.
QPalette HighContrastPalette() {
  QPalette palette(Qt::white, Qt::black, Qt::white, Qt::white, Qt::gray, Qt::white, Qt::white,
                   Qt::black, Qt::black);
  palette.setColor(QPalette::ButtonText, Qt::white);
  palette.setColor(QPalette::Midlight, Qt::white);
  palette.setColor(QPalette::Shadow, Qt::white);
  palette.setColor(QPalette::Highlight, Qt::yellow);
  palette.setColor(QPalette::HighlightedText, Qt::black);
  palette.setColor(QPalette::ToolTipBase, Qt::black);
  palette.setColor(QPalette::ToolTipText, Qt::white);
  palette.setColor(QPalette::Link, Qt::yellow);
  return palette;
}

struct Theme {
  const char* name;
  QPalette palette;
};

// The two themes every window is tried under.
std::array<Theme, 2> DarkThemes() {
  return {{{"darker", DarkerPalette()}, {"high contrast", HighContrastPalette()}}};
}

// The widgets that draw letters, from the palette's text roles.
bool CarriesText(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget))
    return !label->text().trimmed().isEmpty();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
    return !button->text().isEmpty();
  if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) return !edit->text().isEmpty();
  if (const auto* box = qobject_cast<const QTextEdit*>(&widget)) return !box->document()->isEmpty();
  if (const auto* view = qobject_cast<const QAbstractItemView*>(&widget))
    return view->model() != nullptr && view->model()->rowCount() > 0;
  return qobject_cast<const QMenuBar*>(&widget) != nullptr ||
         qobject_cast<const vorelim::PaintBox*>(&widget) != nullptr;
}

struct Ink {
  int pixels = 0;
  double contrast = 0;  // of the most contrasting letter pixel with the pixel under it
};

// Grabs `window` with and without the letters of `text` (its text roles made transparent); the
// pixels that differ are its letters, the second grab shows what lies under them.
Ink MeasureInk(QWidget& window, QWidget& text) {
  const QImage with = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QPalette kept = text.palette();
  QPalette hidden = kept;
  for (const QPalette::ColorRole role :
       {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
        QPalette::HighlightedText, QPalette::PlaceholderText, QPalette::Link}) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      hidden.setColor(group, role, Qt::transparent);
    }
  }
  text.setPalette(hidden);
  const QImage without = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  text.setPalette(kept);

  // A scrolled text is measured in its viewport, without the scroll bars' arrows.
  const auto* scrolled = qobject_cast<const QAbstractScrollArea*>(&text);
  const QWidget& letters = scrolled != nullptr ? *scrolled->viewport() : text;
  const QRect area =
      QRect(letters.mapTo(&window, QPoint(0, 0)), letters.size()).intersected(with.rect());
  Ink ink;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb letter = with.pixel(x, y);
      const QRgb ground = without.pixel(x, y);
      if (letter == ground) continue;
      ++ink.pixels;
      ink.contrast = std::max(ink.contrast, Contrast(letter, ground));
    }
  }
  return ink;
}

// The program's windows as start-up makes them, with a chart to open and the manual to show.
struct Desk {
  Desk() {
    vorelim::RegisterFontSubstitutes();
    QApplication::setWindowIcon(vorelim::ProgramIcon());
    vorelim::test::WriteChart(folder.path() / "MARIA.NUM",
                              vorelim::test::ChartFor("MARIA", 15, 6, 1975));
    frame = std::make_unique<TFORMDI>(QStringLiteral(VORELIM_MANUAL_SOURCE_DIR "/index.html"));
    frame->ShowAtStart();
    TForm1* splash = frame->splash();
    splash->SetFrameInterval(std::chrono::milliseconds(1));
    EXPECT_TRUE(QTest::qWaitFor([splash] { return !splash->IsAnimating(); }, 5000));
  }

  vorelim::test::TempFolder folder;
  vorelim::test::FixedToday today{{2026, 3, 7}};
  std::unique_ptr<TFORMDI> frame;
  TCriacao* dialog = nullptr;
  TVemapa* chart = nullptr;
};

// A window in one of its states, and the part of it whose texts show in that state.
struct Shown {
  QWidget* window;
  QWidget* texts;
};

struct WindowState {
  const char* name;
  std::function<Shown(Desk&)> show;
  // Texts whose ink and ground are both fixed by the design, in the default theme as in any
  // other: white on red (the values and the year box) and red on the light button face ("OK").
  // The transit grid's maroon on red is drawn without the palette and is not measured.
  QStringList designed_colours = {};
};

const WindowState kWindowStates[] = {
    {"frame with its start button and the splash",
     [](Desk& desk) {
       return Shown{desk.frame.get(), desk.frame.get()};
     }},
    {"new chart dialog",
     [](Desk& desk) {
       desk.frame->Novo1Click();
       desk.dialog = desk.frame->findChild<TCriacao*>();
       return Shown{desk.dialog, desk.dialog};
     }},
    {"new chart dialog's warning",
     [](Desk& desk) {
       desk.dialog->Edit1->setText(QStringLiteral("MARIA"));
       desk.dialog->Edit1Exit();
       return Shown{desk.dialog, desk.dialog->Panel1};
     }},
    {"chart window",
     [](Desk& desk) {
       desk.chart = desk.frame->OpenChartWindow(QStringLiteral("MARIA"));
       return Shown{desk.chart, desk.chart};
     },
     {"Panel1", "Panel2", "Panel3", "Panel4", "Edit1", "Button1"}},
    {"chart window with its transits",
     [](Desk& desk) {
       desk.chart->Button1Click();
       return Shown{desk.chart, desk.chart};
     },
     {"Panel1", "Panel2", "Panel3", "Panel4", "Panel12", "Edit1"}},
    {"texts window",
     [](Desk& desk) {
       TForm2* texts = OpenTextsWindow(desk.frame.get(), QStringLiteral("1"));
       return Shown{texts, texts};
     }},
    {"about box",
     [](Desk& desk) {
       desk.frame->AboutBox->ShowModeless();
       return Shown{desk.frame->AboutBox, desk.frame->AboutBox};
     }},
    {"help window",
     [](Desk& desk) {
       desk.frame->HELP1Click();
       vorelim::HelpWindow* help = desk.frame->helpWindow();
       return Shown{help, help};
     }},
    {"register",
     [](Desk& desk) {
       desk.frame->Fichario1Click();
       vorelim::RegisterWindow* window = desk.frame->registerWindow();
       return Shown{window, window};
     }},
};

TEST(window_themes_test, every_text_stands_out_from_its_ground_under_dark_and_high_contrast) {
  const std::array<Theme, 2> themes = DarkThemes();
  const QPalette usual = QApplication::palette();
  for (const auto& theme : themes) {
    QApplication::setPalette(theme.palette);
    {
      Desk desk;
      for (const WindowState& state : kWindowStates) {
        const Shown shown = state.show(desk);
        ASSERT_NE(shown.window, nullptr) << state.name;
        shown.window->show();
        QCoreApplication::processEvents();
        for (QWidget* text : shown.texts->findChildren<QWidget*>()) {
          // A disabled control ("Voltar" on the first page) is drawn faint on purpose.
          if (!text->isVisibleTo(shown.window) || !text->isEnabled() || !CarriesText(*text))
            continue;
          const Ink ink = MeasureInk(*shown.window, *text);
          const std::string where = std::string(theme.name) + ", " + state.name + ": " +
                                    text->metaObject()->className() + " " +
                                    text->objectName().toStdString();
          EXPECT_GT(ink.pixels, 0) << where << ": its letters do not show";
          if (state.designed_colours.contains(text->objectName())) continue;
          EXPECT_GE(ink.contrast, 4.5) << where;
        }
      }
    }
    QApplication::setPalette(usual);
  }
}

// The commonest colour among `pixels`.
QRgb Commonest(const QList<QRgb>& pixels) {
  QHash<QRgb, int> counts;
  for (const QRgb pixel : pixels) ++counts[pixel];
  return std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                          [](const auto& a, const auto& b) { return a.second < b.second; })
      ->first;
}

// The focus indicator of `control`: the pixels of its window, around and on it, that change when
// it takes the focus from the keyboard; the contrast of their commonest colour with what lay under
// it (the median over those pixels). 0 when nothing changes. The focus is first on `elsewhere`,
// or nowhere.
double FocusContrast(QWidget& window, QWidget& control, QWidget* elsewhere) {
  // As after a Tab: the window shows where the keyboard's focus is.
  control.window()->setAttribute(Qt::WA_KeyboardFocusChange);
  if (elsewhere != nullptr) {
    elsewhere->setFocus(Qt::TabFocusReason);
  } else {
    control.clearFocus();
  }
  QCoreApplication::processEvents();
  const QImage without = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  control.setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  const QImage with = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRect area = QRect(control.mapTo(&window, QPoint(0, 0)), control.size())
                         .adjusted(-3, -3, 3, 3)
                         .intersected(with.rect());
  QList<QRgb> changed;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (with.pixel(x, y) != without.pixel(x, y)) changed << with.pixel(x, y);
    }
  }
  if (changed.isEmpty()) return 0;
  const QRgb indicator = Commonest(changed);
  std::vector<double> contrasts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (with.pixel(x, y) == indicator && without.pixel(x, y) != indicator)
        contrasts.push_back(Contrast(indicator, without.pixel(x, y)));
    }
  }
  std::nth_element(contrasts.begin(), contrasts.begin() + contrasts.size() / 2, contrasts.end());
  return contrasts[contrasts.size() / 2];
}

// Every focus indicator stands out from what surrounds it by 3:1 under the light palette, qt6ct's
// "darker" and a high-contrast one: the start button, the new chart dialog's field, list and
// button, the chart window's "OK", year box and transit grid, a texts window's button and the help
// page's link.
TEST(window_themes_test, focus_indicators_stand_out_under_every_theme) {
  const QPalette usual = QApplication::palette();
  std::array<Theme, 3> themes = {
      {{"light", usual}, {"darker", DarkerPalette()}, {"high contrast", HighContrastPalette()}}};
  for (const auto& theme : themes) {
    QApplication::setPalette(theme.palette);
    {
      Desk desk;
      TFORMDI& frame = *desk.frame;
      struct Focus {
        const char* what;
        QWidget* window;
        QWidget* control;
        QWidget* elsewhere;
      };
      // The start button, before the first command hides it.
      QApplication::setActiveWindow(&frame);
      EXPECT_GE(FocusContrast(frame, *frame.Button1, nullptr), 3.0) << theme.name << ", start";
      std::vector<Focus> focuses;
      frame.Novo1Click();
      TCriacao* dialog = frame.findChild<TCriacao*>();
      focuses.push_back({"dialog's name", dialog, dialog->Edit1, dialog->OKBtn});
      focuses.push_back({"dialog's day list", dialog, dialog->ListBox1, dialog->Edit1});
      focuses.push_back({"dialog's OK", dialog, dialog->OKBtn, dialog->Edit1});
      TVemapa* chart = frame.OpenChartWindow(QStringLiteral("MARIA"));
      focuses.push_back({"chart's OK", chart, chart->Button1, chart->Edit1});
      focuses.push_back({"chart's year", chart, chart->Edit1, chart->Button1});
      TForm2* texts = OpenTextsWindow(&frame, QStringLiteral("1"));
      QTextEdit* text = texts->RichEdit(texts->CurrentPage());
      auto* print = text->parentWidget()->findChild<QPushButton*>();
      focuses.push_back({"texts' button", texts, print, text});
      for (const Focus& focus : focuses) {
        QApplication::setActiveWindow(focus.window->window());
        EXPECT_GE(FocusContrast(*focus.window, *focus.control, focus.elsewhere), 3.0)
            << theme.name << ", " << focus.what;
      }

      // The grid frames its current cell; the help page shows its current link as selected.
      QApplication::setActiveWindow(&frame);
      chart->Button1Click();
      EXPECT_GE(FocusContrast(*chart, *chart->StringGrid1, chart->Edit1), 3.0)
          << theme.name << ", transit grid";
      frame.HELP1Click();
      vorelim::HelpWindow* help = frame.helpWindow();
      QApplication::setActiveWindow(help);
      QCoreApplication::processEvents();
      EXPECT_GE(FocusContrast(*help, *help->Browser, help->ContentsButton), 3.0)
          << theme.name << ", help link";
    }
    QApplication::setPalette(usual);
  }
}

// The colours of the links on the help window's page against its base. Qt colours a link as it
// reads the page, so the grabs above, which change the browser's palette, cannot tell its letters.
QList<QColor> LinkColours(const QTextBrowser& browser) {
  QList<QColor> colours;
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextCharFormat format = fragment.fragment().charFormat();
      if (format.isAnchor() && !format.anchorHref().isEmpty())
        colours << format.foreground().color();
    }
  }
  return colours;
}

TEST(window_themes_test, help_links_stand_out_and_follow_a_theme_changed_while_they_show) {
  const QPalette usual = QApplication::palette();
  Desk desk;
  desk.frame->HELP1Click();
  const QTextBrowser& browser = *desk.frame->helpWindow()->Browser;
  ASSERT_FALSE(LinkColours(browser).isEmpty());
  // Under the light palette the links keep its own link colour.
  for (const QColor& link : LinkColours(browser)) EXPECT_EQ(link, usual.color(QPalette::Link));

  const std::array<Theme, 2> themes = DarkThemes();
  for (const auto& theme : themes) {
    QApplication::setPalette(theme.palette);
    QCoreApplication::processEvents();
    const QColor base = browser.palette().color(QPalette::Base);
    ASSERT_EQ(base, theme.palette.color(QPalette::Base)) << theme.name;
    for (const QColor& link : LinkColours(browser)) {
      EXPECT_GE(vorelim::ContrastRatio(link, base), vorelim::kLegibleContrast)
          << theme.name << ": " << link.name().toStdString();
    }
  }
  QApplication::setPalette(usual);
}

// Each top-level window carries its icon itself, not only through the application's, so that the
// platform is handed it with the window: the about box its own, every other the program's. The two
// dialogs keep their size, with no maximise button, on every platform.
TEST(window_themes_test, windows_carry_their_icons_and_the_dialogs_keep_their_size) {
  Desk desk;
  const qint64 program_icon = QApplication::windowIcon().cacheKey();
  for (const WindowState& state : kWindowStates) {
    QWidget* window = state.show(desk).window;
    if (!window->isWindow()) continue;  // the chart window lives in the frame
    EXPECT_TRUE(window->testAttribute(Qt::WA_SetWindowIcon)) << state.name;
    if (window != desk.frame->AboutBox) {
      EXPECT_EQ(window->windowIcon().cacheKey(), program_icon) << state.name;
    }
    if (qobject_cast<QDialog*>(window) != nullptr) {
      EXPECT_EQ(window->minimumSize(), window->maximumSize()) << state.name;
      EXPECT_TRUE(window->windowFlags().testFlag(Qt::CustomizeWindowHint)) << state.name;
      EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint)) << state.name;
    }
  }
}

}  // namespace
