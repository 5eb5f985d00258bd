#include "council/ValkretsScreenReport.h"

void ValkretsScreenReport::write(const ReportHeader& header, const QString& heading,
                                 const QVector<ValkretsReportText::Line>& lines)
{
    m_screen.setTabTable(8, {50, 20, 20, 20, 20}, 20);
    m_screen.TextNormal(7);
    for (const QString& line : header.lines())
        m_screen.LaggTillRad(line);
    if (heading.size() > 1) {
        m_screen.LaggTillRad(QStringLiteral("för"));
        m_screen.TextFet(11);
        m_screen.LaggTillRad(heading);
    }
    m_screen.TextNormal(7);
    m_screen.LaggTillRad(QStringLiteral(" "));
    for (const ValkretsReportText::Line& line : lines) {
        switch (line.kind) {
        case ValkretsReportText::Kind::Heading:
            m_screen.TextFet(10);
            break;
        case ValkretsReportText::Kind::Bold:
            m_screen.TextFet(9);
            break;
        case ValkretsReportText::Kind::Numbers:
            m_screen.TextNormal(8);
            break;
        case ValkretsReportText::Kind::Normal:
        case ValkretsReportText::Kind::Blank:
            m_screen.TextNormal(9);
            break;
        }
        m_screen.LaggTillRad(line.text.isEmpty() ? QStringLiteral(" ") : line.text);
    }
}
