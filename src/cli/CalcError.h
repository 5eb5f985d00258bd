#pragma once

#include "shell/UserError.h"

// Bad input to valsit-calc: one line for the user, exit status 2.
class CalcError : public UserError
{
public:
    using UserError::UserError;
};
