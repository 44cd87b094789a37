// A reader for Windows module files (PE32 and PE32+), enough to check what
// a built module shows the system and the host: its machine and kind, the
// names it exports, the DLLs it imports and its resource table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wincheck {

constexpr uint16_t kMachineI386 = 0x014C;
constexpr uint16_t kMachineAmd64 = 0x8664;
constexpr uint16_t kOptionalHeaderPe32 = 0x010B;
constexpr uint16_t kOptionalHeaderPe32Plus = 0x020B;
constexpr uint16_t kCharacteristicDll = 0x2000;
constexpr uint16_t kSubsystemConsole = 3;

struct PeResource {
  std::string typeName;  // empty for a numeric type
  int32_t typeId = -1;   // -1 for a named type
  int32_t id = -1;       // -1 for a named resource
  uint32_t language = 0;
  std::vector<uint8_t> bytes;
};

struct PeImage {
  uint16_t machine = 0;
  uint16_t optionalHeaderMagic = 0;
  uint16_t characteristics = 0;
  uint16_t subsystem = 0;
  uint32_t exportedFunctions = 0;  // entries of the export address table
  std::vector<std::string> exportNames;
  std::vector<std::string> importedDlls;
  std::vector<PeResource> resources;
};

// Reads the file; nothing, with the reason in *error, when it is not a
// well-formed PE image.
std::optional<PeImage> ReadPeImage(const std::string& path, std::string* error);

}  // namespace wincheck
