#pragma once
// A test seam in WriteFileAtomic: tests kill the process or fail a write at each of its
// steps to show that a save never leaves a torn file.
#include <cstddef>

enum class WriteStep { Opened, Wrote, Synced, Renamed };

struct WriteFileProbe {
  // Called at each step with the bytes written so far; a non-zero result fails the step
  // with that errno (ENOSPC for a full disk).
  int (*step)(WriteStep step, size_t written) = nullptr;
  // When not 0, the data is written in pieces of this size, so there are many steps.
  size_t chunkBytes = 0;
};

// Installs the probe for the whole process; a default probe restores plain writing.
void SetWriteFileProbe(WriteFileProbe probe);
