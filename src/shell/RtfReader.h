#pragma once

#include <QByteArray>

class QTextDocument;

// Reads the part of RTF that word processors write for a plain document: paragraphs and
// line breaks, bold, italic, underline, font size, alignment, tabs, and letters outside
// ASCII as \'hh (Windows-1252) or \uN escapes. Font tables, colours, style sheets,
// pictures and every other destination are skipped, so a document saved again by an
// editor stays readable; its text comes out in the document's default font.
class RtfReader
{
public:
    // Replaces the document's content. False, leaving it untouched, when the data is not
    // an RTF document.
    static bool read(const QByteArray& rtf, QTextDocument& document);
};
