#include "base/prompts.h"

#include <cassert>

namespace {
Prompts* current = nullptr;
}

Prompts& prompts()
{
    assert(current && "setPrompts() must be called first");
    return *current;
}

void setPrompts(Prompts* p)
{
    current = p;
}
