#pragma once

#include <exception>

namespace korvanel {

// Ends the program at once, also from deep inside a waiting loop: no code of the program runs
// after the call.
class ProgramExit {
  public:
    virtual ~ProgramExit() = default;

    [[noreturn]] void endProgram() {
        end();
        // An implementation that came back would let the caller run on a closed program.
        std::terminate();
    }

  protected:
    // Must not return: end the process, or (in tests) throw.
    virtual void end() = 0;
};

} // namespace korvanel
