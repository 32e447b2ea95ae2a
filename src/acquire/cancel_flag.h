// The process-wide cancel flag of the JV-Link read loops. The stored-data window's cancel sets
// it; every read loop checks it before each JVRead and stops when it is set.
#pragma once

namespace rv {

// One window thread runs every loop, so a plain flag needs no lock.
extern bool CancelFlag;

}  // namespace rv
