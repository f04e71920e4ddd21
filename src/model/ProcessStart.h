#pragma once

// What the program sets up for its process before anything else runs.
// A write past the file-size limit (ulimit -f) then fails with EFBIG, which
// the save reports like any other failed write, instead of ending the
// program by SIGXFSZ with the other documents unsaved.
void PrepareProcess();
