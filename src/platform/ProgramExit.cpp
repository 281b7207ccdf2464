#include "ProgramExit.h"

#include <cstdlib>

namespace {
std::function<void(int)> &handler()
{
    static std::function<void(int)> h;
    return h;
}
} // namespace

void ProgramExit::now(int code)
{
    if (handler())
        handler()(code);
    else
        std::exit(code);
}

void ProgramExit::setHandler(std::function<void(int)> h) { handler() = std::move(h); }
