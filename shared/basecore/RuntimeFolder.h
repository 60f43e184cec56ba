#pragma once

#include <string>

namespace basecore {

// The folder of the programs' per-user lock files and sockets, which must be the user's alone:
// XDG_RUNTIME_DIR when it is a folder (not a link) that the user owns with mode 0700, else "kestrune-<uid>"
// in the temporary folder (TMPDIR or /tmp, its real path), made with mode 0700 when missing. Empty when that
// folder is there and is not such a folder (strRejected then names it): nothing goes where another user
// could have put something first.
std::u16string strPrivateRuntimeFolder(std::u16string* strRejected = nullptr);

}  // namespace basecore
