// Running out of memory once a file is open: the operation that needed the
// memory is abandoned, undone as far as it went, and the user is told once.
// std::bad_alloc is caught where the framework hands control to the
// program's code (each window procedure, the idle handler, the message
// filter); the code in between undoes its own half-done work on the way.
#pragma once

// Asks for the framework's standard message for it. The message box is
// shown at the next idle pass, not inside the message that failed (a paint
// handler must not run a modal loop); several failures before it give one.
void ReportOutOfMemory();
// Shows the message asked for, if any: true when it did. The application's
// idle handler calls it; so does a caller that runs no idle passes.
bool ShowPendingOutOfMemoryReport();
// An operation that reports its own failure in a message of its own: the
// standard message asked for on its way is not shown as well.
void ForgetOutOfMemoryReport();
