// IWBasic source of a chosen size for the benchmarks, built from numbered modules the
// way a real program grows: a window and a dialog with their controls, the handlers as
// SUB blocks with indented bodies, comments, strings, hexadecimal literals and brackets.
// CR LF breaks; the same size always gives the same text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bench {

inline constexpr std::size_t kKiB = 1024;

// Lines that mark a module's place, so that a benchmark can put the caret on one of its
// own kind near the start or the end of the file.
inline constexpr std::string_view kBodyLineMarker = "\t\t\t\tcount";     // a plain statement in a handler
inline constexpr std::string_view kSubLineMarker = "SUB Cleanup";        // a SUB line of two words
inline constexpr std::string_view kBracketLineMarker = "\t\t\t\tname";  // round and square brackets

namespace generated {

inline std::string Hex(unsigned value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value % 16]);
    value /= 16;
  } while (value != 0);
  return "0x" + digits;
}

// The file's opening comment, one block comment of several lines.
inline std::string Header() {
  return "/* Generated program for the editor's benchmarks.\r\n"
         "   Every module opens a window and a dialog and handles their messages;\r\n"
         "   the text is shaded as one block comment.\r\n"
         "*/\r\n"
         "$MAIN\r\n"
         "AUTODEFINE \"OFF\"\r\n"
         "\r\n";
}

// A short block comment now and then between modules.
inline std::string Note(int i) {
  const std::string n = std::to_string(i);
  return "/* Module " + n + " starts here.\r\n"
         "   Its handlers keep their state in count" + n + " and flags" + n + ". */\r\n";
}

inline std::string Declarations(int i) {
  const std::string n = std::to_string(i);
  std::string s;
  if (i % 25 == 0) s += "$INCLUDE \"lib\\\\shapes" + std::to_string(i % 7) + ".inc\"\r\n";
  s += "' ---- module " + n + ": main window, settings dialog ----\r\n";
  s += "DEF w" + n + " AS WINDOW\r\n";
  s += "DEF d" + n + " AS DIALOG\r\n";
  s += "DEF count" + n + ", flags" + n + " AS INT\r\n";
  s += "DEF name" + n + "[32] AS STRING\r\n";
  s += "CONST IDC_OK" + n + " = " + Hex(0x100u + static_cast<unsigned>(i)) + "\r\n";
  return s;
}

inline std::string Windows(int i) {
  const std::string n = std::to_string(i);
  std::string s;
  s += "OPENWINDOW w" + n + ", 0, 0, 640, 480, @SIZE|@MINBOX|@SYSMENU, 0, \"Window " + n +
       " - main\", &Handler" + n + "\r\n";
  s += "CONTROL w" + n + ", @BUTTON, \"OK\", 20, 400, 80, 24, 0x50000000, IDC_OK" + n + "\r\n";
  s += "CONTROL w" + n + ", @EDIT, \"\", 20, 20, 300, 24, 0x50800000, 2\r\n";
  s += "CREATEDIALOG d" + n + ", 0, 0, 300, 200, 0x80C80080, w" + n + ", \"Settings " + n +
       "\", &DialogHandler" + n + "\r\n";
  s += "CONTROL d" + n + ", @STATIC, \"Name:\", 10, 10, 80, 20, 0x5000010B, 3\r\n";
  s += "WAITUNTIL w" + n + " = 0\r\n";
  s += "\r\n";
  return s;
}

inline std::string WindowHandler(int i) {
  const std::string n = std::to_string(i);
  std::string s;
  s += "SUB Handler" + n + "(), INT\r\n";
  s += "\t' what window " + n + " answers\r\n";
  s += "\tSELECT @MESSAGE\r\n";
  s += "\t\tCASE @IDCONTROL\r\n";
  s += "\t\t\tIF @CONTROLID = IDC_OK" + n + " THEN\r\n";
  s += "\t\t\t\tcount" + n + " = count" + n + " + 1\r\n";
  s += "\t\t\t\tSETCAPTION w" + n + ", \"Clicked \" + STR$(count" + n + ") + \" times\"\r\n";
  s += "\t\t\t\tname" + n + "[count" + n + " % 32] = MID$(GETCONTROLTEXT(w" + n + ", 2), 1, 8)\r\n";
  s += "\t\t\tENDIF\r\n";
  s += "\t\tCASE @IDCLOSEWINDOW\r\n";
  s += "\t\t\tCLOSEWINDOW w" + n + "   ' and the loop ends\r\n";
  s += "\tENDSELECT\r\n";
  s += "\tRETURN 0\r\n";
  s += "ENDSUB\r\n";
  s += "\r\n";
  return s;
}

inline std::string DialogHandlers(int i) {
  const std::string n = std::to_string(i);
  std::string s;
  s += "SUB DialogHandler" + n + "(), INT\r\n";
  s += "\tIF @MESSAGE = @IDINITDIALOG THEN flags" + n + " = (flags" + n + " | " +
       Hex(0x10u << (i % 8)) + ") & 0xFFFF\r\n";
  s += "\tRETURN Scale" + n + "(flags" + n + ", 3)\r\n";
  s += "ENDSUB\r\n";
  s += "\r\n";
  s += "SUB Scale" + n + "(value AS INT, factor AS INT), INT\r\n";
  s += "\tDEF result, k AS INT\r\n";
  s += "\tFOR k = 1 TO factor\r\n";
  s += "\t\tresult = result + (value * (k + " + std::to_string(i % 10) + ")) / 2   ' rounded down\r\n";
  s += "\tNEXT k\r\n";
  s += "\tRETURN result\r\n";
  s += "ENDSUB\r\n";
  s += "\r\n";
  s += "SUB Cleanup" + n + "\r\n";
  s += "\tname" + n + "[0] = \"\"\r\n";
  s += "\tcount" + n + " = 0\r\n";
  s += "ENDSUB\r\n";
  s += "\r\n";
  return s;
}

inline std::string Module(int i) {
  std::string s;
  if (i % 16 == 0) s += Note(i);
  s += Declarations(i);
  s += Windows(i);
  s += WindowHandler(i);
  s += DialogHandlers(i);
  return s;
}

}  // namespace generated

// Whole modules up to the size: the text is at most `bytes` long and falls short of it
// by less than one module.
inline std::string GeneratedSource(std::size_t bytes) {
  std::string text = generated::Header();
  for (int i = 1;; ++i) {
    const std::string module = generated::Module(i);
    if (text.size() + module.size() > bytes) break;
    text += module;
  }
  return text;
}

// The 0-based line of the first (or, with fromEnd, the last) line that begins with the
// marker, or -1.
inline int LineBeginningWith(const std::string& text, std::string_view marker, bool fromEnd) {
  int found = -1;
  int line = 0;
  for (std::size_t at = 0; at < text.size(); ++line) {
    if (std::string_view(text).substr(at, marker.size()) == marker) {
      found = line;
      if (!fromEnd) return found;
    }
    const std::size_t lf = text.find('\n', at);
    if (lf == std::string::npos) break;
    at = lf + 1;
  }
  return found;
}

}  // namespace bench
