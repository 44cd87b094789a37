#include "tests/windows/pe_image.h"

#include <fstream>
#include <iterator>

namespace wincheck {
namespace {

struct Section {
  uint32_t virtualAddress;
  uint32_t virtualSize;
  uint32_t rawSize;
  uint32_t rawOffset;
};

class Image {
 public:
  explicit Image(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

  bool ok() const { return ok_; }
  size_t size() const { return bytes_.size(); }
  uint16_t U16(size_t at) { return static_cast<uint16_t>(Take(at, 2)); }
  uint32_t U32(size_t at) { return static_cast<uint32_t>(Take(at, 4)); }
  std::vector<uint8_t> Bytes(size_t at, size_t count) {
    if (at > bytes_.size() || count > bytes_.size() - at) {
      ok_ = false;
      return {};
    }
    return {bytes_.begin() + static_cast<std::ptrdiff_t>(at),
            bytes_.begin() + static_cast<std::ptrdiff_t>(at + count)};
  }
  std::string Text(size_t at) {
    std::string text;
    for (; at < bytes_.size() && bytes_[at] != 0; ++at) text += static_cast<char>(bytes_[at]);
    if (at >= bytes_.size()) ok_ = false;
    return text;
  }

  std::vector<Section> sections;
  // The file offset of a relative virtual address; marks the image bad when
  // no section holds it.
  size_t Offset(uint32_t rva) {
    for (const Section& s : sections) {
      const uint32_t extent = s.virtualSize > s.rawSize ? s.virtualSize : s.rawSize;
      if (rva >= s.virtualAddress && rva - s.virtualAddress < extent) {
        const uint32_t inside = rva - s.virtualAddress;
        if (inside >= s.rawSize) break;
        return static_cast<size_t>(s.rawOffset) + inside;
      }
    }
    ok_ = false;
    return 0;
  }

 private:
  uint64_t Take(size_t at, int count) {
    if (at > bytes_.size() || bytes_.size() - at < static_cast<size_t>(count)) {
      ok_ = false;
      return 0;
    }
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes_[at + static_cast<size_t>(i)];
    return value;
  }
  std::vector<uint8_t> bytes_;
  bool ok_ = true;
};

constexpr uint32_t kSubdirectory = 0x80000000u;
constexpr uint32_t kNamedEntry = 0x80000000u;

// A resource directory entry's name: a UTF-16 text (reduced to 8 bits) or a number.
void EntryName(Image& image, size_t resourceBase, uint32_t field, std::string* name, int32_t* id) {
  if (field & kNamedEntry) {
    const size_t at = resourceBase + (field & ~kNamedEntry);
    const uint16_t length = image.U16(at);
    name->clear();
    for (uint16_t i = 0; i < length; ++i) {
      const uint16_t c = image.U16(at + 2 + 2u * i);
      *name += c < 0x100 ? static_cast<char>(c) : '?';
    }
    *id = -1;
  } else {
    name->clear();
    *id = static_cast<int32_t>(field & 0xFFFF);
  }
}

// The entries of one directory of the resource tree: (name field, data field).
std::vector<std::pair<uint32_t, uint32_t>> DirectoryEntries(Image& image, size_t at) {
  const uint32_t count = static_cast<uint32_t>(image.U16(at + 12)) + image.U16(at + 14);
  std::vector<std::pair<uint32_t, uint32_t>> entries;
  for (uint32_t i = 0; i < count && image.ok(); ++i)
    entries.emplace_back(image.U32(at + 16 + 8u * i), image.U32(at + 20 + 8u * i));
  return entries;
}

void ReadResources(Image& image, uint32_t rva, PeImage* pe) {
  const size_t base = image.Offset(rva);
  if (!image.ok()) return;
  for (const auto& [typeField, typeData] : DirectoryEntries(image, base)) {
    if (!(typeData & kSubdirectory)) continue;
    PeResource resource;
    EntryName(image, base, typeField, &resource.typeName, &resource.typeId);
    for (const auto& [nameField, nameData] : DirectoryEntries(image, base + (typeData & ~kSubdirectory))) {
      if (!(nameData & kSubdirectory)) continue;
      std::string name;
      EntryName(image, base, nameField, &name, &resource.id);
      for (const auto& [languageField, leaf] :
           DirectoryEntries(image, base + (nameData & ~kSubdirectory))) {
        if (leaf & kSubdirectory) continue;
        const size_t entry = base + leaf;
        const uint32_t dataRva = image.U32(entry);
        const uint32_t dataSize = image.U32(entry + 4);
        resource.language = languageField & 0xFFFF;
        resource.bytes = image.Bytes(image.Offset(dataRva), dataSize);
        if (!image.ok()) return;
        pe->resources.push_back(resource);
      }
    }
  }
}

}  // namespace

std::optional<PeImage> ReadPeImage(const std::string& path, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    *error = "cannot read " + path;
    return std::nullopt;
  }
  Image image(std::vector<uint8_t>((std::istreambuf_iterator<char>(file)), {}));
  const auto fail = [&](const std::string& why) {
    *error = path + ": " + why;
    return std::nullopt;
  };
  if (image.U16(0) != 0x5A4D) return fail("no MZ header");
  const size_t pe = image.U32(0x3C);
  if (image.U32(pe) != 0x00004550) return fail("no PE signature");

  PeImage result;
  result.machine = image.U16(pe + 4);
  const uint16_t sectionCount = image.U16(pe + 6);
  const uint16_t optionalSize = image.U16(pe + 20);
  result.characteristics = image.U16(pe + 22);
  const size_t optional = pe + 24;
  result.optionalHeaderMagic = image.U16(optional);
  const bool plus = result.optionalHeaderMagic == kOptionalHeaderPe32Plus;
  if (!plus && result.optionalHeaderMagic != kOptionalHeaderPe32) return fail("unknown optional header");
  result.subsystem = image.U16(optional + 68);
  const uint32_t directoryCount = image.U32(optional + (plus ? 108 : 92));
  const size_t directories = optional + (plus ? 112 : 96);
  const auto directory = [&](uint32_t index) -> std::pair<uint32_t, uint32_t> {
    if (index >= directoryCount) return {0, 0};
    return {image.U32(directories + 8u * index), image.U32(directories + 8u * index + 4)};
  };

  const size_t sectionTable = optional + optionalSize;
  for (uint16_t i = 0; i < sectionCount; ++i) {
    const size_t at = sectionTable + 40u * i;
    image.sections.push_back({image.U32(at + 12), image.U32(at + 8), image.U32(at + 16), image.U32(at + 20)});
  }
  if (!image.ok()) return fail("truncated headers");

  if (const auto [rva, size] = directory(0); rva != 0 && size != 0) {
    const size_t exports = image.Offset(rva);
    result.exportedFunctions = image.U32(exports + 20);
    const uint32_t names = image.U32(exports + 24);
    const size_t nameTable = image.Offset(image.U32(exports + 32));
    for (uint32_t i = 0; i < names && image.ok(); ++i)
      result.exportNames.push_back(image.Text(image.Offset(image.U32(nameTable + 4u * i))));
    if (!image.ok()) return fail("malformed export directory");
  }
  if (const auto [rva, size] = directory(1); rva != 0 && size != 0) {
    for (size_t at = image.Offset(rva); image.ok(); at += 20) {
      const uint32_t nameRva = image.U32(at + 12);
      if (nameRva == 0) break;
      result.importedDlls.push_back(image.Text(image.Offset(nameRva)));
    }
    if (!image.ok()) return fail("malformed import directory");
  }
  if (const auto [rva, size] = directory(2); rva != 0 && size != 0) {
    ReadResources(image, rva, &result);
    if (!image.ok()) return fail("malformed resource directory");
  }
  return result;
}

}  // namespace wincheck
