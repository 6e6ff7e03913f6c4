#pragma once

// What the print server answered to the last job this thread handed to it. Qt's
// CUPS printer sends the job when the painter ends and drops the server's answer,
// so a queue that refuses jobs looks like a finished print; libcups keeps the
// status of its last request per thread, and the printer's end is such a request.
namespace cupsstatus
{

// Returns the status code of the last request of this thread,
// or 0 (successful) where libcups is not loaded in the program.
int lastStatus();

// True when that status is an error (IPP status 0x0400 and above).
bool lastRequestFailed();

} // namespace cupsstatus
