#pragma once

#include "report/PdfPrinter.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <memory>

// valsit-calc's --pdf FILE: the report is written aside and put in place only when whole,
// so a failed run (a full disk, an error halfway) leaves no partial file and the old file,
// if any, as it was. A device or pipe given as FILE is written directly, every write
// checked. Throws CalcError.
class PdfOutput
{
public:
    PdfOutput(const QString& fileName, const QString& title);
    ~PdfOutput();

    PdfPrinter& printer() { return *m_printer; }
    // Ends the document and puts the file in place; returns the number of pages.
    int finish();

private:
    [[noreturn]] void failed() const;

    QString m_fileName;
    QSaveFile m_saveFile;
    QFile m_device;
    QFileDevice* m_file = nullptr;
    std::unique_ptr<PdfPrinter> m_printer;
};
