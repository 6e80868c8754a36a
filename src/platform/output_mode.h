#pragma once
// Standard output carries file bytes (a PNG, generated code with its own line breaks), so it
// must pass them through unchanged.

namespace pixador {

// Turns off the LF to CR LF translation Windows applies to standard output; nothing elsewhere.
void PassStandardOutputUnchanged();

// A Windows program built for the desktop starts without standard output even from a console;
// this writes to the console it was started from, unless its output was redirected. Nothing
// elsewhere.
void WriteToParentConsole();

}  // namespace pixador
