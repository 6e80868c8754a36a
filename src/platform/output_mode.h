#pragma once
// Standard output carries file bytes (a PNG, generated code with its own line breaks), so it
// must pass them through unchanged.

namespace pixador {

// Turns off the LF to CR LF translation Windows applies to standard output; nothing elsewhere.
void PassStandardOutputUnchanged();

}  // namespace pixador
