#pragma once
// The boundary between korvex and its dialogs. The dialogs and Qt live in a module that korvex
// loads only when a dialog must show, so a launch whose files all exist loads no user-interface
// library at all (that keeps the start of the program fast and free of any display).

#include <cstddef>

extern "C" {

/// Receives a text of `size` bytes.
using KorvexTakeText = void (*)(void* context, const char* text, std::size_t size);

/// Shows dialog 1000 until the user closes it.
void korvex_show_notice();

/// Shows dialog 1001 for `file_name` with `folder` in its entry. On OK passes the entry's text to
/// `take` and returns 1; on Cancel returns 0.
int korvex_ask_folder(const char* file_name, const char* folder, KorvexTakeText take,
                      void* context);

/// Ends the module's use of Qt; call once, after the last dialog.
void korvex_close_dialogs();
}

namespace korvex {

/// The module's file name, and the names of its functions.
inline constexpr char kDialogModuleName[] = "korvex-dialogs.so";
inline constexpr char kShowNoticeSymbol[] = "korvex_show_notice";
inline constexpr char kAskFolderSymbol[] = "korvex_ask_folder";
inline constexpr char kCloseDialogsSymbol[] = "korvex_close_dialogs";

}  // namespace korvex
