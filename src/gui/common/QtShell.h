#pragma once
// Opens web and mail addresses with the desktop's own programs.

#include "platform/Shell.h"

namespace quorvix {

class QtShell : public Shell {
public:
    bool OpenAddress(const std::string& address) override;
};

}  // namespace quorvix
