#pragma once

#include "shell/RandomSource.h"

#include <QList>

// Gives the queued numbers (each taken modulo the bound), then 0.
class FixedRandom : public RandomSource
{
public:
    int bounded(int bound) override { return values.isEmpty() ? 0 : values.takeFirst() % bound; }
    QList<int> values; // taken from the front
};
