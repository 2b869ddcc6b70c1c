#pragma once
// Opening a web or mail address in the user's own programs.

#include <string>
#include <vector>

namespace quorvix {

class Shell {
public:
    virtual ~Shell() = default;
    // False when the host refused to open the address.
    virtual bool OpenAddress(const std::string& address) = 0;
};

class MemoryShell : public Shell {
public:
    bool OpenAddress(const std::string& address) override {
        opened.push_back(address);
        return succeed;
    }
    bool succeed = true;
    std::vector<std::string> opened;
};

}  // namespace quorvix
