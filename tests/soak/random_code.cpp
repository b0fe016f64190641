#include "soak/random_code.h"

namespace editor::soak {

namespace {

constexpr const char* kNames[] = {"Main", "Draw", "Handler", "Quit", "Load",      "Save", "Paint",
                                  "Init", "w",    "win2",    "dlg",  "Sort_List", "x1"};
constexpr const char* kWords[] = {"print",    "PRINT",  "x",        "y",    "=",      "+",       "1",
                                  "0XFF",     "0x1f",   "IF",       "then", "ENDIF",  "counter", "\"text\"",
                                  "\"a, b\"", "'",      "(",        ")",    ",",      ":",       "@IDCONTROL",
                                  "sub",      "ENDSUB", "RETURN",   "def",  "AS",     "INT",     "$INCLUDE",
                                  "/*",       "*/",     "&Handler", "\t",   "SELECT", "CASE",    "GETCONTROLTEXT",
                                  "w.hwnd",   "\xE4",   "#",        "_ASM"};

}  // namespace

std::string RandomCode::Name() {
  std::string name = Pick(kNames);
  if (OneIn(3)) name += std::to_string(Below(10));
  return name;
}

std::string RandomCode::Word() { return Pick(kWords); }

std::string RandomCode::Line() {
  const std::string id = std::to_string(1 + Below(30));
  switch (Below(22)) {
    case 0:
      return "SUB " + Name();
    case 1:
      return "SUB " + Name() + "(a AS INT, b AS STRING)";
    case 2:
      return "sub " + Name() + "()";
    case 3:
      return "ENDSUB";
    case 4:
      return "OPENWINDOW " + Name() + ",0,0,300,200,@SIZE,0,\"" + Name() + "\",&" + Name();
    case 5:
      return "CREATEDIALOG " + Name() + ",0,0,200,100,0x80C80080,0,\"Dialog\",&" + Name();
    case 6:
      return "WAITUNTIL " + Name() + " = 0";
    case 7:
      return "CONTROL " + Name() + ",@BUTTON,\"OK\",10,10,60,20,0X50000000,0," + id;
    case 8:
      return "CONTROL " + Name() + ",@EDIT,\"\",10,40,100,20,0,0,edit" + id;
    case 9:
      return "SELECT @MESSAGE";
    case 10:
      return "\tCASE @IDCONTROL";
    case 11:
      return "\t\tCASE " + id;
    case 12:
      return "\tCASE @IDCLOSEWINDOW";
    case 13:
      return "ENDSELECT";
    case 14:
      return "' a comment with SUB " + Name() + " in it";
    case 15:
      return OneIn(2) ? "/*" : "*/";
    case 16:
      return "$INCLUDE \"" + Name() + ".inc\"";
    case 17:
      return "  PRINT \"text with 0XAB and a ' inside\"";
    case 18:
      return "x = 0XFF + 0XAB : s = \"0X1\"";
    case 19:
      return OneIn(2) ? "$ASM" : "$ENDASM";
    case 20:
      return "";
    default:
      return "  IF x = " + id + " THEN RETURN";
  }
}

std::string RandomCode::Lines() {
  std::string text;
  const int count = 1 + Below(6);
  for (int i = 0; i < count; ++i) {
    text += Line();
    if (i + 1 < count || !OneIn(4)) text += "\r\n";
  }
  return text;
}

std::string RandomCode::Program() {
  std::string text = "' " + Name() + "\r\n";
  const int blocks = 2 + Below(5);
  for (int b = 0; b < blocks; ++b) {
    if (OneIn(3)) {
      const std::string window = Name();
      text += "OPENWINDOW " + window + ",0,0,300,200,0,0,\"" + Name() + "\",&" + Name() + "\r\n";
      text += "CONTROL " + window + ",@BUTTON,\"Go\",10,10,60,20,0,0,1\r\n";
      text += "WAITUNTIL " + window + " = 0\r\n";
    } else {
      text += "SUB " + Name() + "\r\n\tSELECT @MESSAGE\r\n\t\tCASE @IDCONTROL\r\n\t\t\tx = 0X1F\r\n";
      text += "\tENDSELECT\r\nENDSUB\r\n";
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace editor::soak
