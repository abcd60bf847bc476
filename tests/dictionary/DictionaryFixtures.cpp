#include "DictionaryFixtures.h"

#include <map>

namespace fixtures {

namespace {

constexpr unsigned kBuckets = 1021;

// Entries by bucket, in their order within each bucket.
std::map<unsigned, std::vector<const Entry*>> ByBucket(const std::vector<Entry>& entries) {
  std::map<unsigned, std::vector<const Entry*>> groups;
  for (const Entry& entry : entries) groups[BucketOf(entry.key)].push_back(&entry);
  return groups;
}

}  // namespace

ByteWriter& ByteWriter::U8(std::uint8_t value) {
  data_.push_back(static_cast<char>(value));
  return *this;
}

ByteWriter& ByteWriter::U16(std::uint16_t value) {
  if (bigEndian_) return U8(value >> 8).U8(value & 0xFF);
  return U8(value & 0xFF).U8(value >> 8);
}

ByteWriter& ByteWriter::U32(std::uint32_t value) {
  if (bigEndian_) return U16(value >> 16).U16(value & 0xFFFF);
  return U16(value & 0xFFFF).U16(value >> 16);
}

ByteWriter& ByteWriter::Bytes(std::string_view bytes) {
  data_.append(bytes);
  return *this;
}

ByteWriter& ByteWriter::Units(std::u16string_view units) {
  for (char16_t unit : units) U16(unit);
  return *this;
}

unsigned BucketOf(std::string_view key) {
  const std::size_t step = key.size() / 5 > 0 ? key.size() / 5 : 1;
  unsigned hash = 0;
  for (std::size_t i = 0; i < key.size(); i += step) {
    hash = (hash * 32 + static_cast<unsigned char>(key[i])) % kBuckets;
  }
  return hash;
}

std::string Header(int major, int minor, std::uint8_t valueEncoding, std::optional<std::uint8_t> endian) {
  ByteWriter out;
  out.Bytes("Quillet Binary Format").U8(static_cast<std::uint8_t>(major)).U8(static_cast<std::uint8_t>(minor));
  out.U8(valueEncoding);
  if (endian) out.U8(*endian);
  return out.str();
}

std::string Version10(const std::vector<Entry>& entries) {
  const auto groups = ByBucket(entries);
  ByteWriter index;
  ByteWriter data;
  index.U16(static_cast<std::uint16_t>(groups.size() + 1));
  const std::uint32_t base = 1000;  // offsets are only compared with each other
  for (const auto& [bucket, members] : groups) {
    index.U16(static_cast<std::uint16_t>(bucket)).U32(base + static_cast<std::uint32_t>(data.str().size()));
    for (const Entry* entry : members) {
      data.U32(static_cast<std::uint32_t>(entry->key.size())).Bytes(entry->key);
      data.U32(static_cast<std::uint32_t>(entry->value.size() * 2)).Units(entry->value);
    }
  }
  index.U16(0).U32(base + static_cast<std::uint32_t>(data.str().size()));
  return Header(1, 0) + index.str() + data.str();
}

std::string Version15(const std::vector<Entry>& entries) {
  const auto groups = ByBucket(entries);
  ByteWriter totals(true), lengths(true), buckets(true), data(true);
  std::uint32_t total = 0;
  for (const auto& [bucket, members] : groups) {
    total += static_cast<std::uint32_t>(members.size() * 2);
    totals.U32(total);
    buckets.U16(static_cast<std::uint16_t>(bucket));
    for (const Entry* entry : members) {
      lengths.U32(static_cast<std::uint32_t>(entry->key.size()));
      lengths.U32(static_cast<std::uint32_t>(entry->value.size() * 2));
      data.Bytes(entry->key).Units(entry->value);
    }
  }
  ByteWriter count(true);
  count.U32(static_cast<std::uint32_t>(groups.size()));
  return Header(1, 5) + count.str() + totals.str() + lengths.str() + buckets.str() + data.str();
}

std::string Version2(const std::vector<Entry>& entries, const Version2Options& options) {
  const bool big = options.minor == 0 ? false : options.bigEndian;
  ByteWriter out(big);
  out.U32(static_cast<std::uint32_t>(options.headerText.size())).Bytes(options.headerText);
  const auto count = static_cast<std::uint32_t>(entries.size());
  std::string keyBlob;
  std::u16string valueBlob;
  for (const Entry& entry : entries) {
    keyBlob += entry.key;
    valueBlob += entry.value;
  }
  // Accelerator: one record per bucket used, ids in entry order.
  std::map<unsigned, std::vector<std::uint32_t>> records;
  for (std::uint32_t i = 0; i < count; ++i) records[BucketOf(entries[i].key)].push_back(i);

  out.U32(options.idBase).U8(options.keys ? 'Y' : 'N').U32(count);
  out.U32(options.liveCount.value_or(count)).U32(static_cast<std::uint32_t>(records.size()));
  if (options.keys) out.U32(static_cast<std::uint32_t>(keyBlob.size()));
  out.U32(static_cast<std::uint32_t>(valueBlob.size() * 2));
  if (options.keys) {
    std::uint32_t offset = 0;
    for (const Entry& entry : entries) out.U32(offset), offset += static_cast<std::uint32_t>(entry.key.size());
    for (const Entry& entry : entries) out.U16(static_cast<std::uint16_t>(entry.key.size()));
  }
  std::uint32_t offset = 0;
  for (const Entry& entry : entries) out.U32(offset), offset += static_cast<std::uint32_t>(entry.value.size() * 2);
  for (const Entry& entry : entries) out.U16(static_cast<std::uint16_t>(entry.value.size() * 2));
  if (options.keys) out.Bytes(keyBlob);
  out.Units(valueBlob);
  if (options.keys) {
    for (const auto& record : records) out.U16(static_cast<std::uint16_t>(record.first));
    for (const auto& record : records) out.U32(static_cast<std::uint32_t>(record.second.size()));
    for (const auto& record : records) {
      for (std::uint32_t id : record.second) out.U32(id);
    }
  }
  out.U32(static_cast<std::uint32_t>(options.extras.size()));
  if (!options.extras.empty()) {
    std::u16string extraBlob;
    for (const auto& extra : options.extras) extraBlob += extra;
    out.U32(static_cast<std::uint32_t>(extraBlob.size() * 2));
    for (std::size_t i = 0; i < options.extras.size(); ++i) out.U32(static_cast<std::uint32_t>(i));
    std::uint32_t extraOffset = 0;
    for (const auto& extra : options.extras) {
      out.U32(extraOffset), extraOffset += static_cast<std::uint32_t>(extra.size() * 2);
    }
    for (const auto& extra : options.extras) out.U16(static_cast<std::uint16_t>(extra.size() * 2));
    out.Units(extraBlob);
  }
  const std::optional<std::uint8_t> endian =
      options.minor == 0 ? std::nullopt : std::optional<std::uint8_t>(big ? 0 : 1);
  return Header(2, options.minor, 0, endian) + out.str();
}

std::string Utf16Text(std::u16string_view text, bool bigEndian) {
  ByteWriter out(bigEndian);
  out.U16(0xFEFF).Units(text);
  return out.str();
}

std::vector<Entry> ManyEntries(int count) {
  // Keys shaped like an application's: a few words of a path and a number.
  static const char* const kWords[] = {
      "file",  "edit",   "view",   "window", "help",   "open",        "save",  "close",   "print",   "undo",
      "redo",  "cut",    "copy",   "paste",  "select", "find",        "replace", "track", "clip",    "marker",
      "tempo", "mixer",  "audio",  "video",  "export", "import",      "render", "preferences", "error", "warning",
      "message", "title", "label", "button", "tooltip", "menu",       "dialog"};
  const int words = static_cast<int>(sizeof kWords / sizeof kWords[0]);
  std::vector<Entry> entries;
  entries.reserve(count);
  for (int i = 0; i < count; ++i) {
    std::string last = kWords[(i * 7 + i / 5) % words];
    last[0] = static_cast<char>(last[0] - 'a' + 'A');
    const std::string key = std::string("/") + kWords[i % words] + "/" + kWords[(i / words + 3 * i) % words] +
                            "/" + last + std::to_string(i);
    const std::string value = "Value number " + std::to_string(i);
    entries.push_back({key, std::u16string(value.begin(), value.end())});
  }
  return entries;
}

std::string TextDictionary(const std::vector<Entry>& entries) {
  std::string text;
  for (const Entry& entry : entries) {
    text += "\"$$$" + entry.key + "=";
    for (char16_t unit : entry.value) text.push_back(static_cast<char>(unit));
    text += "\"\n";
  }
  return text;
}

}  // namespace fixtures
