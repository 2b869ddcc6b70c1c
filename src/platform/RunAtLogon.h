#pragma once
// The host's "start this program when the user logs on" entry.

#include <string>

namespace quorvix {

class RunAtLogon {
public:
    virtual ~RunAtLogon() = default;
    // Creates or replaces the entry so that the host starts programPath with
    // the one argument. False when the entry could not be written.
    virtual bool Register(const std::string& programPath, const std::string& argument) = 0;
    // Removes the entry; true when none is left.
    virtual bool Unregister() = 0;
    // Whether an entry is there now.
    virtual bool IsRegistered() const = 0;
};

// Records the entry in memory, for tests.
class MemoryRunAtLogon : public RunAtLogon {
public:
    bool Register(const std::string& programPath, const std::string& programArgument) override {
        registered = true;
        program = programPath;
        argument = programArgument;
        ++calls;
        return true;
    }
    bool Unregister() override {
        registered = false;
        program.clear();
        argument.clear();
        ++calls;
        return true;
    }
    bool IsRegistered() const override { return registered; }

    bool registered = false;
    std::string program;
    std::string argument;
    int calls = 0;
};

}  // namespace quorvix
