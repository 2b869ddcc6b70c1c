#pragma once
// The tray icon's menu as data, its default entry and the icon's tip text.

#include <string>

#include "platform/CommandIds.h"
#include "platform/MenuModel.h"

namespace quorvix {

// The entry shown in bold and run by a left click on the icon.
inline constexpr int kTrayDefaultCommand = kCmdTrayShowCalculator;
// The tip may hold at most this many characters.
inline constexpr int kTrayTipMaxLength = 63;

// "About &Quorvix...", the homepage and mail entries, the three windows,
// "&Exit Quorvix", with separators between the groups.
MenuItems BuildTrayMenu();

// "Quorvix - " and the maker's web address, cut to kTrayTipMaxLength.
std::string TrayTipText();

}  // namespace quorvix
