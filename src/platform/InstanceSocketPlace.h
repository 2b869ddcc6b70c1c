#pragma once
// Where the single-instance socket lives, and who may answer on it. The
// socket sits in a folder that only this user can enter, so no other local
// user can take its name first, listen in the program's place, or send it
// requests; a peer is trusted only when it runs as this user.

#include <string>

namespace quorvix {

// The folder for this user's sockets: $XDG_RUNTIME_DIR when it is a folder
// of this user's that nobody else may enter; otherwise "quorvix-<uid>" in
// the temporary folder ($TMPDIR or /tmp), made with mode 0700 if missing,
// and taken only when it is a real folder (not a link) of this user's,
// which is then closed to others. Empty when neither can be had; problem
// then says why.
std::string InstanceSocketDirectory(std::string* problem = nullptr);

// Whether the process at the other end of a connected local socket runs as
// this user. False when that cannot be learnt.
bool SocketPeerIsThisUser(int socketDescriptor);

}  // namespace quorvix
