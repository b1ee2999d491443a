#include "desktop/held_messages.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace desktop {
namespace {

struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};

struct Holding {
  QtMessageHandler usual = nullptr;
  NoDisplay no_display = nullptr;
  std::vector<HeldMessage> held;
};

Holding& TheHolding() {
  static Holding holding;
  return holding;
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  Holding& holding = TheHolding();
  if (type == QtFatalMsg) {
    // No platform plug-in could start. Qt's first complaint is the most precise one.
    const QString& first = holding.held.empty() ? text : holding.held.front().text;
    const int status = holding.no_display(first.section(QLatin1Char('\n'), 0, 0).trimmed());
    std::fflush(stderr);
    std::_Exit(status);
  }
  holding.held.push_back({type, context.category != nullptr ? context.category : "", text});
}

}  // namespace

void HoldQtMessages(NoDisplay no_display) {
  Holding& holding = TheHolding();
  holding.no_display = no_display;
  if (holding.usual != nullptr) return;  // already holding
  // Qt gives back its default handler when none was installed, never null.
  holding.usual = qInstallMessageHandler(HoldMessage);
}

void ReleaseQtMessages() {
  Holding& holding = TheHolding();
  if (holding.usual == nullptr) return;
  qInstallMessageHandler(holding.usual);
  for (const HeldMessage& message : holding.held) {
    const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
    holding.usual(message.type, context, message.text);
  }
  holding.held.clear();
  holding.usual = nullptr;
}

}  // namespace desktop
