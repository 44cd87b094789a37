#include "sim/resources.h"

#include <cstring>
#include <fstream>
#include <iterator>

#if defined(_WIN32)
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace sim {
namespace {

// A cursor over little-endian bytes that refuses to read past the end.
class Reader {
 public:
  Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool ok() const { return ok_; }
  size_t position() const { return position_; }
  size_t remaining() const { return ok_ ? size_ - position_ : 0; }
  void Seek(size_t position) {
    if (position > size_) ok_ = false;
    else position_ = position;
  }
  void AlignTo(size_t bytes) { Seek((position_ + bytes - 1) / bytes * bytes); }
  uint16_t U16() { return static_cast<uint16_t>(Take(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Take(4)); }
  uint64_t U64() { return Take(8); }
  // A UTF-16 text ending in a zero character, reduced to 8-bit characters.
  std::string Text() {
    std::string text;
    while (ok_) {
      const uint16_t c = U16();
      if (c == 0) break;
      text += c < 0x100 ? static_cast<char>(c) : '?';
    }
    return text;
  }
  // A name or a number: 0xFFFF then a 16-bit number, else a text.
  std::pair<std::string, int32_t> NameOrNumber() {
    if (remaining() >= 2 && data_[position_] == 0xFF && data_[position_ + 1] == 0xFF) {
      U16();
      return {"", U16()};
    }
    return {Text(), -1};
  }

 private:
  uint64_t Take(int bytes) {
    if (!ok_ || size_ - position_ < static_cast<size_t>(bytes)) {
      ok_ = false;
      return 0;
    }
    uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | data_[position_ + i];
    position_ += bytes;
    return value;
  }
  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
  bool ok_ = true;
};

std::string ControlKind(int32_t classAtom, uint32_t style) {
  switch (classAtom) {
    case 0x80: {
      const uint32_t type = style & 0x0F;
      if (type == 1) return "default button";
      if (type == 2 || type == 3) return "check box";
      return "button";
    }
    case 0x81: return "edit";
    case 0x82: return (style & 0x1F) == 7 ? "black frame" : "static text";
    case 0x85: return "combo box";
    default: return "control";
  }
}

bool ParseDialog(const std::vector<uint8_t>& bytes, DialogTemplate* dialog) {
  Reader in(bytes.data(), bytes.size());
  dialog->style = in.U32();
  in.U32();  // extended style
  const uint16_t count = in.U16();
  dialog->x = static_cast<int16_t>(in.U16());
  dialog->y = static_cast<int16_t>(in.U16());
  dialog->width = static_cast<int16_t>(in.U16());
  dialog->height = static_cast<int16_t>(in.U16());
  in.NameOrNumber();  // menu
  in.NameOrNumber();  // window class
  dialog->caption = in.Text();
  if (dialog->style & 0x40) {  // a font follows
    dialog->fontSize = in.U16();
    dialog->font = in.Text();
  }
  for (int i = 0; i < count && in.ok(); ++i) {
    in.AlignTo(4);
    DialogItemTemplate item;
    item.style = in.U32();
    in.U32();  // extended style
    item.x = static_cast<int16_t>(in.U16());
    item.y = static_cast<int16_t>(in.U16());
    item.width = static_cast<int16_t>(in.U16());
    item.height = static_cast<int16_t>(in.U16());
    item.id = static_cast<int16_t>(in.U16());
    const auto [className, classAtom] = in.NameOrNumber();
    item.kind = className.empty() ? ControlKind(classAtom, item.style) : className;
    if (className == "Static" || className == "STATIC")
      item.kind = ControlKind(0x82, item.style);
    item.text = in.NameOrNumber().first;
    const uint16_t extra = in.U16();
    in.Seek(in.position() + extra);
    dialog->items.push_back(item);
  }
  return in.ok();
}

}  // namespace

bool ModuleResources::Parse(const std::vector<uint8_t>& image, std::string* error) {
  Reader in(image.data(), image.size());
  while (in.ok() && in.remaining() >= 8) {
    const size_t start = in.position();
    const uint32_t dataSize = in.U32();
    const uint32_t headerSize = in.U32();
    const auto [typeName, typeId] = in.NameOrNumber();
    const auto [name, id] = in.NameOrNumber();
    in.Seek(start + headerSize);
    if (!in.ok() || in.remaining() < dataSize) {
      *error = "the resource data is cut short";
      return false;
    }
    const uint8_t* data = image.data() + in.position();
    std::vector<uint8_t> bytes(data, data + dataSize);
    in.Seek(in.position() + dataSize);
    in.AlignTo(4);
    if (dataSize == 0) continue;
    if (!Add(typeName, typeId, id, std::move(bytes), error)) return false;
  }
  if (!in.ok()) {
    *error = "the resource data is malformed";
    return false;
  }
  return true;
}

bool ModuleResources::Add(const std::string& typeName, int32_t typeId, int32_t id,
                          std::vector<uint8_t> bytes, std::string* error) {
  if (typeName.empty() && typeId == kStringBlockType && id > 0) {
    Reader strings(bytes.data(), bytes.size());
    for (int32_t i = 0; i < 16 && strings.ok(); ++i) {
      const uint16_t length = strings.U16();
      std::string text;
      for (int c = 0; c < length && strings.ok(); ++c) {
        const uint16_t ch = strings.U16();
        text += ch < 0x100 ? static_cast<char>(ch) : '?';
      }
      if (length > 0) strings_[(id - 1) * 16 + i] = text;
    }
  } else if (typeName.empty() && typeId == kDialogType && id >= 0) {
    DialogTemplate dialog;
    if (!ParseDialog(bytes, &dialog)) {
      *error = "dialog " + std::to_string(id) + " is malformed";
      return false;
    }
    dialogs_[id] = std::move(dialog);
  } else if (!typeName.empty() && id >= 0) {
    raw_[{typeName, id}] = std::move(bytes);
  }
  return true;
}

#if defined(_WIN32)

namespace {

// The resource types the host reads, by name or number.
struct ResourceType {
  const char* name;  // nullptr for a numeric type
  int32_t id;
};
constexpr ResourceType kReadTypes[] = {
    {nullptr, kStringBlockType}, {nullptr, kDialogType}, {"PIPL", 0}};

struct Enumeration {
  ModuleResources* resources;
  const ResourceType* type;
  std::string* error;
  bool ok = true;
};

BOOL CALLBACK AddNamedResource(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR context) {
  auto& enumeration = *reinterpret_cast<Enumeration*>(context);
  if (!IS_INTRESOURCE(name)) return TRUE;  // the host reads resources by number only
  HRSRC found = FindResourceA(module, name, type);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* data = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
  const int32_t id = static_cast<int32_t>(reinterpret_cast<ULONG_PTR>(name));
  if (data == nullptr) {
    *enumeration.error = "cannot read resource " + std::to_string(id);
    enumeration.ok = false;
    return FALSE;
  }
  const DWORD size = SizeofResource(module, found);
  if (size == 0) return TRUE;  // an empty resource says nothing, as in a .res image
  std::vector<uint8_t> bytes(data, data + size);
  const ResourceType& kind = *enumeration.type;
  if (!enumeration.resources->Add(kind.name ? kind.name : "", kind.id, id, std::move(bytes),
                                  enumeration.error)) {
    enumeration.ok = false;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool ModuleResources::LoadFromModule(const std::string& path, std::string* error) {
  // Mapped as data only: no code of the module runs, and nothing of it
  // stays loaded afterwards.
  HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) {
    *error = "cannot read " + path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  bool ok = true;
  for (const ResourceType& type : kReadTypes) {
    Enumeration enumeration{this, &type, error};
    const LPCSTR typeName = type.name ? type.name : MAKEINTRESOURCEA(type.id);
    // A type the module lacks ends the enumeration with an error and adds nothing.
    EnumResourceNamesA(module, typeName, AddNamedResource, reinterpret_cast<LONG_PTR>(&enumeration));
    if (!enumeration.ok) {
      ok = false;
      break;
    }
  }
  FreeLibrary(module);
  return ok;
}

#else

bool ModuleResources::LoadFromModule(const std::string& path, std::string* error) {
  const auto section = ReadElfSection(path, ".quillane_resources", error);
  if (!section) return false;
  return Parse(*section, error);
}

#endif

std::optional<std::string> ModuleResources::String(int32_t id) const {
  const auto it = strings_.find(id);
  if (it == strings_.end()) return std::nullopt;
  return it->second;
}

const DialogTemplate* ModuleResources::Dialog(int32_t id) const {
  const auto it = dialogs_.find(id);
  return it == dialogs_.end() ? nullptr : &it->second;
}

const std::vector<uint8_t>* ModuleResources::Raw(const std::string& type, int32_t id) const {
  const auto it = raw_.find({type, id});
  return it == raw_.end() ? nullptr : &it->second;
}

std::optional<PropertyList> ParsePropertyList(const std::vector<uint8_t>& bytes) {
  Reader in(bytes.data(), bytes.size());
  if (in.U16() != 1) return std::nullopt;
  in.U32();  // list version
  const uint32_t count = in.U32();
  PropertyList list;
  bool hasKind = false, hasVersion = false, hasEntry = false;
  for (uint32_t i = 0; i < count && in.ok(); ++i) {
    in.U32();  // vendor
    const uint32_t key = in.U32();
    in.U32();  // id
    const uint32_t length = in.U32();
    if (!in.ok() || in.remaining() < length) return std::nullopt;
    const size_t start = in.position();
    if (key == 0x6B696E64) {  // kind
      list.kind = in.U32();
      hasKind = true;
    } else if (key == 0x69767273) {  // ivrs
      list.interfaceVersion = static_cast<int32_t>(in.U32());
      hasVersion = true;
    } else if (key == 0x77783836) {  // wx86
      const char* text = reinterpret_cast<const char*>(bytes.data() + start);
      list.entryPoint.assign(text, strnlen(text, length));
      hasEntry = true;
    }
    in.Seek(start + (length + 3) / 4 * 4);
  }
  if (!in.ok() || !hasKind || !hasVersion || !hasEntry) return std::nullopt;
  return list;
}

std::optional<std::vector<uint8_t>> ReadElfSection(const std::string& path, const std::string& name,
                                                   std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = "cannot read " + path;
    return std::nullopt;
  }
  const std::vector<uint8_t> image((std::istreambuf_iterator<char>(file)), {});
  if (image.size() < 64 || std::memcmp(image.data(), "\x7F" "ELF", 4) != 0 || image[5] != 1) {
    *error = path + " is not a little-endian ELF file";
    return std::nullopt;
  }
  const bool wide = image[4] == 2;
  Reader in(image.data(), image.size());
  in.Seek(wide ? 0x28 : 0x20);
  const uint64_t sectionTable = wide ? in.U64() : in.U32();
  in.Seek(wide ? 0x3A : 0x2E);
  const uint16_t entrySize = in.U16();
  const uint16_t sectionCount = in.U16();
  const uint16_t namesIndex = in.U16();
  auto sectionAt = [&](uint16_t index, uint32_t* nameOffset, uint64_t* offset, uint64_t* size) {
    Reader header(image.data(), image.size());
    header.Seek(sectionTable + static_cast<uint64_t>(index) * entrySize);
    *nameOffset = header.U32();
    header.Seek(header.position() + (wide ? 20 : 12));
    *offset = wide ? header.U64() : header.U32();
    *size = wide ? header.U64() : header.U32();
    return header.ok() && *offset <= image.size() && *size <= image.size() - *offset;
  };
  uint32_t unused;
  uint64_t namesOffset = 0, namesSize = 0;
  if (!in.ok() || namesIndex >= sectionCount || !sectionAt(namesIndex, &unused, &namesOffset, &namesSize)) {
    *error = path + " has a malformed section table";
    return std::nullopt;
  }
  for (uint16_t i = 0; i < sectionCount; ++i) {
    uint32_t nameOffset;
    uint64_t offset, size;
    if (!sectionAt(i, &nameOffset, &offset, &size) || nameOffset >= namesSize) continue;
    const char* sectionName = reinterpret_cast<const char*>(image.data() + namesOffset + nameOffset);
    if (strnlen(sectionName, namesSize - nameOffset) == name.size() && name == sectionName)
      return std::vector<uint8_t>(image.begin() + static_cast<std::ptrdiff_t>(offset),
                                  image.begin() + static_cast<std::ptrdiff_t>(offset + size));
  }
  *error = path + " carries no resources (no " + name + " section)";
  return std::nullopt;
}

}  // namespace sim
