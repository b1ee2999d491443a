#pragma once
// The chart program's window icon: the application icon drawn for each size
// (resources/icons/make_icons.py), compiled in as Qt resources.

#include <QIcon>
#include <array>

namespace vorelim {

/// The sizes, in pixels, at which the icon is drawn.
inline constexpr std::array<int, 8> kProgramIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

/// The icon with one picture per drawn size; each picture is decoded only when it is first asked
/// for, so building the icon costs start-up almost nothing.
QIcon ProgramIcon();

}  // namespace vorelim
