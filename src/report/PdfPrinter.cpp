#include "report/PdfPrinter.h"

#include <QPdfWriter>

PdfPrinter::PdfPrinter(const QString& fileName, const QString& title)
    : m_fileName(fileName), m_writer(std::make_unique<QPdfWriter>(fileName))
{
    setUp(title);
}

PdfPrinter::PdfPrinter(QIODevice* device, const QString& title)
    : m_writer(std::make_unique<QPdfWriter>(device))
{
    setUp(title);
}

void PdfPrinter::setUp(const QString& title)
{
    // One device pixel per twip: no scaling between the layout and the file.
    m_writer->setResolution(1440);
    m_writer->setCreator(QStringLiteral("Valsit"));
    if (!title.isEmpty())
        m_writer->setTitle(title);
    setDevice(m_writer.get());
}

PdfPrinter::~PdfPrinter()
{
    // The painter must let go of the writer before the writer goes.
    abandon();
}
