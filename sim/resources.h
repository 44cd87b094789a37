// The resources a plug-in module carries, read in their compiled form: the
// property list, string lists and dialog templates.
//
// On Linux the compiled resource file travels inside the module as the
// section ".quillane_resources"; on Windows it is the module's own
// resource table.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sim {

// One item of a dialog template.
struct DialogItemTemplate {
  int32_t id = 0;            // -1 for items without an id
  std::string kind;          // "button", "default button", "static text", "black frame", ...
  int32_t x = 0, y = 0, width = 0, height = 0;  // dialog units
  std::string text;
  uint32_t style = 0;
};

struct DialogTemplate {
  uint32_t style = 0;
  std::string caption;
  int32_t x = 0, y = 0, width = 0, height = 0;
  int32_t fontSize = 0;
  std::string font;
  std::vector<DialogItemTemplate> items;
};

// The three facts of the property list: what kind of module this is, the
// interface version and the entry point's name.
struct PropertyList {
  uint32_t kind = 0;
  int32_t interfaceVersion = 0;
  std::string entryPoint;
};

class ModuleResources {
 public:
  // Reads a compiled resource file (.res) image.
  bool Parse(const std::vector<uint8_t>& image, std::string* error);
  // Reads the resources carried by a module file: on Windows through the
  // system's resource functions, elsewhere from the module's section.
  bool LoadFromModule(const std::string& path, std::string* error);
  // Takes one resource in its compiled form, as a .res image or a module's
  // resource table holds it: of the named type typeName ("PIPL"), or, when
  // typeName is empty, of the numeric type typeId (kDialogType,
  // kStringBlockType). A string block's id is its block number: block n
  // holds the strings 16 * (n - 1) to 16 * n - 1. False for a malformed
  // dialog template.
  bool Add(const std::string& typeName, int32_t typeId, int32_t id, std::vector<uint8_t> bytes,
           std::string* error);

  // The string resource with this id, if any.
  std::optional<std::string> String(int32_t id) const;
  const DialogTemplate* Dialog(int32_t id) const;
  // The bytes of a resource of a named type ("PIPL") and numeric id.
  const std::vector<uint8_t>* Raw(const std::string& type, int32_t id) const;

 private:
  std::map<int32_t, std::string> strings_;
  std::map<int32_t, DialogTemplate> dialogs_;
  std::map<std::pair<std::string, int32_t>, std::vector<uint8_t>> raw_;
};

// Reads a property list resource. Nothing when it is malformed.
std::optional<PropertyList> ParsePropertyList(const std::vector<uint8_t>& bytes);

// The bytes of the named section of an ELF file, if it has one.
std::optional<std::vector<uint8_t>> ReadElfSection(const std::string& path, const std::string& name,
                                                   std::string* error);

constexpr int32_t kDialogType = 5;
constexpr int32_t kStringBlockType = 6;
constexpr int32_t kPropertyListId = 16000;
constexpr uint32_t kPluginModuleKind = 0x53504541;  // "SPEA"

}  // namespace sim
