#pragma once

// Fair random numbers for lots drawn by the program; fixed in tests.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A number in 0..bound-1, each as likely as the others (bound >= 1).
    virtual int bounded(int bound) = 0;
};
