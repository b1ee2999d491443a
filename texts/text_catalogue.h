#pragma once
// The nineteen interpretation texts of the chart program: the introduction, the numbers 1 to 9 and
// the houses 1 to 9, and the further texts of the comparison of two charts. The texts are embedded
// in the program (resources under :/texts/) and read once; the texts window builds one page per
// entry of the nineteen, in index order, and a page for a further text when it is asked for one.

#include <QList>
#include <QString>
#include <QStringList>

namespace vorelim {

/// One page of the texts window.
struct TextEntry {
  int index = 0;      // position of the page in the notebook, 0..18
  QString page_name;  // the page's identifier: "Default", "agua", ..., "c9"
  QString page_key;   // the key that selects the page; empty for the introduction
  QString heading;    // the first non-empty line of the text
  QString caption;    // the texts window's caption while the page is shown
  QStringList lines;  // the stored lines, without line breaks
};

/// The entries in index order. Always nineteen; the first is the introduction.
const QList<TextEntry>& TextCatalogue();

/// The texts beyond the nineteen pages: the five relations of two charts' elements and the three
/// levels of a comparison, which the comparison window opens. A texts window shows one of them on
/// a page after its nineteen (TForm2::ShowFurtherText). `index` is the place in this list and
/// `page_key` is empty: no page key selects them.
const QList<TextEntry>& FurtherTexts();

/// The further text whose page name is `page_name`; nullptr when there is none.
const TextEntry* FurtherText(const QString& page_name);

/// The index of the page that a page key selects: the entry whose key equals `key` exactly
/// (letter case significant), or 0, the introduction, for every other text.
int PageIndexForKey(const QString& key);

/// Splits a stored text into its lines: '\n' ends a line, a final line break adds no empty line.
QStringList SplitStoredLines(const QString& text);

}  // namespace vorelim
