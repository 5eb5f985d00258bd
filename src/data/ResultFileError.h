#pragma once

#include "shell/UserError.h"

// A result file that cannot be used: the message says why.
class ResultFileError : public UserError
{
public:
    using UserError::UserError;
};
