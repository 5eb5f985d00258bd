#pragma once

#include "shell/RandomSource.h"

#include <QRandomGenerator>

// The system's random source (the operating system's cryptographic generator), so that
// no one can foresee or repeat a lot the program draws.
class SystemRandom : public RandomSource
{
public:
    int bounded(int bound) override { return int(QRandomGenerator::system()->bounded(bound)); }
};
