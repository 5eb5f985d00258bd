#pragma once

#include "report/PainterPrinter.h"

#include <QString>
#include <memory>

class QPdfWriter;

// The printer that writes a PDF file: the same pages a real printer gets, for
// valsit-calc and for tests that read the output back.
class PdfPrinter : public PainterPrinter
{
public:
    explicit PdfPrinter(const QString& fileName, const QString& title = QString());
    ~PdfPrinter() override;

    const QString& fileName() const { return m_fileName; }

private:
    QString m_fileName;
    std::unique_ptr<QPdfWriter> m_writer;
};
