#include "shell/InstanceRequest.h"

#include <array>
#include <utility>

#include "platform/CommandIds.h"

namespace quorvix {
namespace {

constexpr std::array<std::pair<ShownWindow, std::string_view>, 3> kRequests{{
    {ShownWindow::kCalculator, "show"},
    {ShownWindow::kFinanceBox, "show finance-box"},
    {ShownWindow::kUnitConverter, "show unit-converter"},
}};

}  // namespace

std::string_view InstanceRequestText(ShownWindow window) {
    for (const auto& [shown, text] : kRequests) {
        if (shown == window) return text;
    }
    return kRequests.front().second;
}

std::optional<ShownWindow> ParseInstanceRequest(std::string_view request) {
    for (const auto& [shown, text] : kRequests) {
        if (text == request) return shown;
    }
    return std::nullopt;
}

int TrayCommandToShow(ShownWindow window) {
    switch (window) {
        case ShownWindow::kFinanceBox:
            return kCmdTrayShowFinanceBox;
        case ShownWindow::kUnitConverter:
            return kCmdTrayShowUnitConverter;
        case ShownWindow::kCalculator:
            break;
    }
    return kCmdTrayShowCalculator;
}

}  // namespace quorvix
