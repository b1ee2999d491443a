#include "register/register_texts.h"

#include <QAbstractItemModel>

#include "ui/messages.h"

namespace vorelim {
namespace {

// The entries named in the status line; more are counted.
constexpr int kNamedOthers = 5;

QString FromBytes(const std::string& bytes) {
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QString EntryProblemText(const ChartEntry& entry) {
  switch (entry.problem) {
    case EntryProblem::None:
      return QString();
    case EntryProblem::TooShort:
      return QStringLiteral("curto demais: %1 bytes").arg(entry.bytes_read);
    case EntryProblem::NotChart:
      return QStringLiteral("não é um mapa");
    case EntryProblem::Folder:
      return QStringLiteral("é uma pasta");
    case EntryProblem::NotRegularFile:
      return NotRegularFileReason();
    case EntryProblem::BrokenLink:
      return QStringLiteral("ligação para um arquivo que não existe");
    case EntryProblem::Unreadable:
      return QStringLiteral("ilegível: %1").arg(SystemErrorReason(entry.error));
  }
  return QString();
}

QString RegisterStatusText(int shown, int total, const std::vector<ChartEntry>& others,
                           int folder_error) {
  if (folder_error != 0) {
    return QStringLiteral("A pasta não pode ser lida: %1.").arg(SystemErrorReason(folder_error));
  }
  QString text = QStringLiteral("%1 de %2 %3")
                     .arg(shown)
                     .arg(total)
                     .arg(total == 1 ? QStringLiteral("mapa") : QStringLiteral("mapas"));
  if (others.empty()) return text;
  QStringList named;
  for (const ChartEntry& entry : others) {
    if (named.size() == kNamedOthers) break;
    named << QStringLiteral("%1 (%2)").arg(FromBytes(entry.file_name), EntryProblemText(entry));
  }
  text += QStringLiteral(". Não são mapas: ") + named.join(QStringLiteral(", "));
  const int more = static_cast<int>(others.size()) - static_cast<int>(named.size());
  if (more > 0) text += QStringLiteral(" e mais %1").arg(more);
  return text + QLatin1Char('.');
}

QString CsvField(const QString& text) {
  const bool quote = text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) ||
                     text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                     (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
  if (!quote) return text;
  QString quoted = text;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray ListCsv(const QAbstractItemModel& model) {
  const auto line = [&](auto field_of) {
    QStringList fields;
    for (int column = 0; column < model.columnCount(); ++column) {
      fields << CsvField(field_of(column));
    }
    return fields.join(QLatin1Char(';')).toUtf8() + "\r\n";
  };
  QByteArray csv("\xEF\xBB\xBF");
  csv += line([&](int column) { return model.headerData(column, Qt::Horizontal).toString(); });
  for (int row = 0; row < model.rowCount(); ++row) {
    csv += line([&](int column) { return model.index(row, column).data().toString(); });
  }
  return csv;
}

}  // namespace vorelim
