#pragma once

#include "report/PainterPrinter.h"

#include <QString>
#include <memory>

class QIODevice;
class QPdfWriter;

// The printer that writes a PDF file: the same pages a real printer gets, for
// valsit-calc and for tests that read the output back.
class PdfPrinter : public PainterPrinter
{
public:
    explicit PdfPrinter(const QString& fileName, const QString& title = QString());
    // Writes to a device opened for writing (a file saved only when whole, a buffer);
    // the caller keeps it open until the document has ended.
    explicit PdfPrinter(QIODevice* device, const QString& title = QString());
    ~PdfPrinter() override;

    const QString& fileName() const { return m_fileName; }

private:
    void setUp(const QString& title);

    QString m_fileName;
    std::unique_ptr<QPdfWriter> m_writer;
};
