#pragma once
// The per-user state a terminal run starts from: the stored settings, the
// user definition files and the variables of the current worksheet, all in
// the data directory when one is given. Nothing here writes them.

namespace quorvix {

class CliSession;
struct CliOptions;

void LoadStoredState(CliSession& session, const CliOptions& options);

}  // namespace quorvix
