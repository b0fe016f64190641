// Reading a subroutine's or a window's code from the text: where it ends, whether a line
// still declares it, and the handler a window names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace editor {

enum class Declaration { kSubroutine, kWindow };

// A subroutine ends at the first ENDSUB; a window at the first WAITUNTIL or ENDSUB.
bool EndsDeclaration(Declaration kind, std::string_view line);

// Whether the line a list row points at still declares the name, as the indexer reads
// declarations; letter case ignored.
bool Declares(Declaration kind, std::string_view line, std::string_view name);

// The handler named after the first "&" of an OPENWINDOW or CREATEDIALOG line.
std::optional<std::string> HandlerNameIn(std::string_view line);

// The lines after a begin line, one per CR: the index among them of the first that ends
// the declaration, or nullopt when none does.
std::optional<int> EndAmong(Declaration kind, std::string_view linesAfterBegin);

// A line with nothing but blanks on it.
bool IsBlankLine(std::string_view line);

}  // namespace editor
