#pragma once

#include "report/ProgressIndicator.h"

#include <QVector>

// A progress bar that remembers every value it was given.
class FakeProgressIndicator : public ProgressIndicator
{
public:
    int maximum() const override { return m_maximum; }
    void setMaximum(int value) override { m_maximum = value; }
    int value() const override { return m_value; }
    void setValue(int value) override
    {
        m_value = value;
        values.append(value);
    }

    QVector<int> values;

private:
    int m_maximum = 100;
    int m_value = 0;
};
