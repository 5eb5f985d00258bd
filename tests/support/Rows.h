#pragma once

#include <QTest>

#include <cstddef>

// Data tables one row per line: a test keeps its cases in an array of structs whose first
// member is the row's name. addRows() gives QtTest one row per entry; row() hands the
// running test its entry.
template <typename T, std::size_t N> void addRows(const T (&table)[N])
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(table[i].name) << int(i);
}

template <typename T, std::size_t N> const T& row(const T (&table)[N])
{
    return table[*static_cast<int*>(QTest::qData("row", QMetaType::Int))];
}
