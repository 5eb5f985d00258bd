#pragma once

#include "shell/UserError.h"

// An error raised inside an engine that reaches the window (or tool) that called it.
class EngineError : public UserError
{
public:
    using UserError::UserError;
};
