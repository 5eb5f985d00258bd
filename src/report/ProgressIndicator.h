#pragma once

// The progress bar of a result window, as the committee engine drives it.
class ProgressIndicator
{
public:
    virtual ~ProgressIndicator() = default;
    virtual int maximum() const = 0;
    virtual void setMaximum(int value) = 0;
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
};
