// The fast code snippets of one control type: one snippet per line of a plain text file
// in Res that the user may also edit by hand.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace editor {

// The control types in list order; each keeps its snippets in its name + ".ini".
constexpr std::array<std::string_view, 15> kSnippetTypes{
    "Button",   "Checkbox", "Radiobutton", "Edit",     "Listbox",   "Combobox",  "Static",  "Scrollbar",
    "Groupbox", "Richedit", "Listview",    "Status",   "Sysbutton", "Rgnbutton", "Treeview"};

std::string SnippetFileName(std::string_view type);

// The file's lines in order; blank ones only when asked for, since a hand-edited file may
// hold them by mistake.
std::vector<std::string> SnippetRows(std::string_view fileText, bool keepBlankLines);

// The file with one more snippet as its last line, ended with CR LF. A last line the user
// left without a break is ended first, so that the two never run together.
std::string WithSnippetAdded(std::string_view fileText, std::string_view snippet);

// Each snippet followed by CR LF.
std::string SnippetsForClipboard(std::span<const std::string> snippets);

}  // namespace editor
