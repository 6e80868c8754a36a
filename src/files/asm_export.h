#pragma once
// The assembler data array file: one data directive per plane row.

#include <string>

#include "files/code_generator.h"

namespace pixador {

struct EditorState;

// File > Export > As ASM Data Array: asks for a file, then writes it.
void ExportASMBttn_Click(EditorState& state);
// Adds ".asm" unless the name ends in ".asm" or ".s" (any case). A failed write leaves any
// older file as it was and reports the failure.
void WriteAsmFile(EditorState& state, const std::string& path);
// The two comment lines (stamped with now) and the empty line that start the file.
std::string AsmFileHead(const ClockTime& now);
// The file's text: two comment lines (the date from the view's clock), an empty line and the
// data. A refused generation keeps the frame around an empty data line.
GeneratedCode AsmFileText(EditorState& state);

}  // namespace pixador
