#pragma once
// The frame, the splash window, the about box and the help window for screen readers, in
// Portuguese: names for what has no caption or text of its own to be named by.

class HelpWindow;
class TAboutBox;
class TFORMDI;
class TForm1;

namespace vorelim {

/// The menu bar, its menus and the client area that holds the chart windows; the area tells the
/// start button, while it shows, before its child windows.
void NameFrame(TFORMDI& frame);
/// The splash window reads as the opening screen: its caption is only blanks. It never keeps the
/// keyboard focus: the start button takes it while it shows.
void NameSplash(TForm1& splash);
/// The panel that holds the about box's lines.
void NameAboutBox(TAboutBox& about);
/// The help window reads as a window, and its page as the manual.
void NameHelpWindow(HelpWindow& help);

}  // namespace vorelim
