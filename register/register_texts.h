#pragma once
// The register's own texts: the status line under the list, the reason a ".NUM" entry is no
// chart, and the list written as CSV for a spreadsheet.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "chart/chart_folder.h"

QT_BEGIN_NAMESPACE
class QAbstractItemModel;
QT_END_NAMESPACE

namespace vorelim {

/// Why an entry is no chart, in Portuguese ("curto demais: 10 bytes", "é uma pasta", ...).
QString EntryProblemText(const ChartEntry& entry);

/// The status line: "N de M mapas", then the ".NUM" entries that are no charts, each with its
/// reason (the first few by name, then how many more), or why the folder cannot be read.
QString RegisterStatusText(int shown, int total, const std::vector<ChartEntry>& others,
                           int folder_error);

/// One field of a CSV line with ";" between fields: quoted (inner quotes doubled) when it holds
/// ";", a quote, a line break or blanks at either end.
QString CsvField(const QString& text);

/// Every row of `model` as a spreadsheet opens it: UTF-8 with a byte order mark, the header
/// line, ";" between fields, lines ended by CR LF.
QByteArray ListCsv(const QAbstractItemModel& model);

}  // namespace vorelim
