// The application's message pump on the platform's event loop: start-up,
// pre-translation hook, idle calls, posted messages, modal loops and
// message boxes.
#pragma once

#include "platform/WinTypes.h"

#include <functional>
#include <string>

// Where the system colours come from: the program's own light palette, the
// same on every display (tests, screenshots), or the palette the desktop
// gives the toolkit (its colour scheme, dark or light, and changes to it
// while the program runs).
enum class PaletteSource { Fixed, Desktop };
// Chooses the source for InitPlatform; Fixed unless called before it.
void SetPaletteSource(PaletteSource source);

// Starts the platform once per process (the application object, the
// standard window classes, the system colour table, the default font).
// Later calls do nothing. Returns FALSE when no display can be opened.
BOOL InitPlatform(int& argc, char** argv);
// The reason InitPlatform failed, for the user.
std::string PlatformInitError();

// Pre-translation: every message that goes through the pump (input, paint,
// timers, posted messages) is offered to the filter before it is
// dispatched; a true answer consumes it.
using MessageFilter = std::function<bool(MSG& msg)>;
void SetMessageFilter(MessageFilter filter);

// Idle processing: when no message waits, the loop calls the handler with
// a count that starts at 0 and grows by one per call, again and again while
// it returns true and no message has arrived; a processed message starts a
// new idle period at 0. A handler that returns false is not called again
// until a message has been processed.
using IdleHandler = std::function<bool(long count)>;
void SetIdleHandler(IdleHandler handler);

// Called when memory runs out while the platform hands an event or a
// posted message to the program: that one is dropped (Qt cannot pass an
// exception on), and the handler lets the user know.
using MemoryFailureHandler = std::function<void()>;
void SetMemoryFailureHandler(MemoryFailureHandler handler);

// Dispatches a message to its window's procedure (no pre-translation).
LRESULT DispatchMessageA(const MSG* msg);

// Runs until PostQuitMessage; returns its exit code.
int RunMessageLoop();
void PostQuitMessage(int exitCode);

// Processes every message that is waiting now, then returns (tests).
void PumpWaitingMessages();
// Processes messages (idle included) until `done` returns true or the
// timeout passes; true when `done` was reached (tests).
bool PumpUntil(const std::function<bool()>& done, int timeoutMs);

// A nested loop for a modal window: runs until EndModalLoop(result) and
// returns that result. The owner is disabled meanwhile.
int RunModalLoop(HWND modal, HWND owner);
void EndModalLoop(HWND modal, int result);

// Shows a message box (or hands it to the hook, when one is set) and
// returns the id of the button that closed it.
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
using MessageBoxHook = std::function<int(const std::string& text, const std::string& caption, UINT type)>;
void SetMessageBoxHook(MessageBoxHook hook);
