#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A CSV file with a header row: comma or semicolon separated (as the header shows),
// UTF-8 (with or without a byte-order mark) or, when it is not valid UTF-8, Windows-1252;
// fields optionally in double quotes. Blank lines are skipped.
class CsvTable
{
public:
    struct Row
    {
        int lineNumber;
        QStringList fields;
    };

    // Reads the file and checks that the header holds exactly the given columns, in that
    // order (case and surrounding blanks aside). Throws CalcError.
    static CsvTable read(const QString& path, const QStringList& columns);
    static CsvTable parse(const QString& name, const QString& text, const QStringList& columns);

    const QVector<Row>& rows() const { return m_rows; }
    const QString& fileName() const { return m_name; }

    // The field as a non-negative whole number that fits 32 bits. Throws CalcError.
    qint32 count(const Row& row, int column, const QString& what) const;

private:
    QString m_name;
    QVector<Row> m_rows;
};
