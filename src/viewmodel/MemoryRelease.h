#pragma once

// glibc keeps freed memory for reuse; once a large plan or preview is gone, the app
// should not hold on to it. Call where the stall does not matter (a worker).
void releaseFreedMemory();
