#pragma once
// File names as the system gives them: bytes, which need not be valid UTF-8 (a chart named
// "JOÃO.NUM" in Windows-1252, copied from an old system, has the byte 0xC3 alone). The files the
// command line, the desktop and a drop hand to the program travel as these bytes, so that every
// name opens; only what is shown to the user is decoded.

#include <QByteArray>
#include <QByteArrayList>

QT_BEGIN_NAMESPACE
class QMimeData;
class QUrl;
QT_END_NAMESPACE

namespace vorelim {

/// `name` as an absolute name: a relative one taken in the current folder, "." and ".." parts
/// resolved by the letters alone (as a shell user reads them).
QByteArray AbsoluteFileName(const QByteArray& name);

/// The file a "file:" URL names, as its bytes (the URL's %XX escapes undone byte for byte); empty
/// for any other URL.
QByteArray LocalFileName(const QUrl& url);

/// True for a regular file (or a link to one) whose name ends in ".NUM" in any letter case: what
/// the program takes when chart files are dropped on it.
bool IsChartFile(const QByteArray& file);

/// The files of a drag when every one of its URLs is a chart file (IsChartFile); empty otherwise,
/// also when the drag holds anything else.
QByteArrayList DraggedChartFiles(const QMimeData& data);

}  // namespace vorelim
