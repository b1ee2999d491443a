#include "ui/paper.h"

#include <QColor>

namespace vorelim {
namespace {

struct RoleColour {
  QPalette::ColorRole role;
  QRgb colour;
};

// Qt's light palette (Fusion's), active and inactive alike.
constexpr RoleColour kLight[] = {
    {QPalette::WindowText, 0xff000000},    {QPalette::Button, 0xffefefef},
    {QPalette::Light, 0xffffffff},         {QPalette::Midlight, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f},          {QPalette::Mid, 0xffb8b8b8},
    {QPalette::Text, 0xff000000},          {QPalette::BrightText, 0xffffffff},
    {QPalette::ButtonText, 0xff000000},    {QPalette::Base, 0xffffffff},
    {QPalette::Window, 0xffefefef},        {QPalette::Shadow, 0xff767676},
    {QPalette::Highlight, 0xff308cc6},     {QPalette::HighlightedText, 0xffffffff},
    {QPalette::Link, 0xff0000ff},          {QPalette::LinkVisited, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7}, {QPalette::ToolTipBase, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000},   {QPalette::PlaceholderText, 0x80000000},
};

// Where the disabled group differs: greyed ink and a ground without contrast.
constexpr RoleColour kDisabled[] = {
    {QPalette::WindowText, 0xffbebebe}, {QPalette::Dark, 0xffbebebe},
    {QPalette::Text, 0xffbebebe},       {QPalette::ButtonText, 0xffbebebe},
    {QPalette::Base, 0xffefefef},       {QPalette::Shadow, 0xffb1b1b1},
    {QPalette::Highlight, 0xff919191},
};

QPalette MakePaperPalette() {
  QPalette palette;
  for (const RoleColour& entry : kLight) {
    palette.setColor(entry.role, QColor::fromRgba(entry.colour));
  }
  for (const RoleColour& entry : kDisabled) {
    palette.setColor(QPalette::Disabled, entry.role, QColor::fromRgba(entry.colour));
  }
  return palette;
}

}  // namespace

const QPalette& PaperPalette() {
  static const QPalette paper = MakePaperPalette();
  return paper;
}

QPalette WithPaper(QPalette palette, std::initializer_list<QPalette::ColorRole> roles) {
  const QPalette& paper = PaperPalette();
  for (const QPalette::ColorRole role : roles) {
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
      palette.setColor(group, role, paper.color(group, role));
    }
  }
  return palette;
}

}  // namespace vorelim
