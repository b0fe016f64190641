// The constants tool's inputs: its list and its two settings files, whatever a damaged
// installation leaves in them. What the settings readers give writes out and reads back
// to itself; a value query finds only constants of that value.
#include <cstddef>
#include <cstdint>
#include <string>

#include "constants_tool/constant_list.h"
#include "constants_tool/tool_settings.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace constants_tool;
  const std::string_view bytes = fuzz::Bytes(data, size);

  const ToolSettings settings = ReadToolSettings(bytes);
  const ToolSettings again = ReadToolSettings(ToolSettingsText(settings));
  fuzz::Check(again.search == settings.search && again.mode == settings.mode &&
                  again.place.has_value() == settings.place.has_value(),
              "tool settings do not read back as written");
  const ListColumns columns = ReadColumns(bytes);
  fuzz::Check(ColumnsText(ReadColumns(ColumnsText(columns))) == ColumnsText(columns), "columns do not read back");

  const std::vector<Constant> list = ParseConstantList(bytes);
  const std::string_view query = bytes.substr(0, bytes.find('\n'));
  for (std::size_t index : FindConstants(list, query, MatchMode::kValue))
    fuzz::Check(HexText(list[index].value) == HexText(*ParseValueQuery(query)) ||
                    static_cast<std::uint32_t>(list[index].value) == static_cast<std::uint32_t>(*ParseValueQuery(query)),
                "a value query found a constant of another value");
  FindConstants(list, query, MatchMode::kNameContains);
  return 0;
}
