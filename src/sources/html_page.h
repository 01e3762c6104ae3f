#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace tintara {

// The HTML page saved beside an exported JPEG: a head with the title, a body showing the picture
// and its code string behind a marker comment, and a foot with the program's version and the
// time of saving. Inserted values are HTML-escaped, so a file name or code string holding markup
// characters cannot break the page; a code string of digits and blanks reads unchanged.

// The file name (without directory) cut before its first "."; empty when it holds no "." or
// begins with one.
QString PageTitle(const QString& fileName);

// Lines 1 to 6: the head and the heading.
void AddHtmlHead(QStringList& lines, const QString& title);

// Lines 7 to 17: the picture at its natural size and the code string.
void AddHtmlBody(QStringList& lines, const QString& fileName, int width, int height,
                 const QString& codeString);

// Lines 18 to 26: the version and the time stamp of `now` in the user's short date and long time
// formats; the time is left out at exactly midnight.
void AddHtmlFoot(QStringList& lines, const QDateTime& now);

// The chosen picture path with its extension replaced by ".htm" (appended when it has none) and
// the letters of the file name lower-cased. The directory keeps its case: on a case-sensitive
// file system a lower-cased directory may not exist.
QString HtmlPagePath(const QString& chosenPath);

// The page as written to disk: single-byte Latin-1 text, every line ended by CR LF. A character
// outside Latin-1 becomes "?".
QByteArray EncodePage(const QStringList& lines);

}  // namespace tintara
