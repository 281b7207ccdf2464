#pragma once
#include <functional>

// Ends the program at once, as start-up and the login dialog do when they may
// not go on. Tests install a handler that records the end instead; callers
// therefore return right after calling now().
class ProgramExit {
public:
    static void now(int code = 0);
    static void setHandler(std::function<void(int)> handler); // empty restores the real exit
};
