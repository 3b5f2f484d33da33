#pragma once
// Records that wait, packed one after another into large blocks of bytes: a large file's
// persons as records (strings and row vectors each on the heap) would weigh several times
// their content. A codec says how one record is packed:
//   static std::size_t Size(const Record&);             the bytes Pack appends
//   static void Pack(const Record&, std::string& out);
//   static std::size_t Unpack(const std::string& block, std::size_t at, Record&);
//     sets every field of the record and returns the offset after it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace orsvelt::prot501 {

template <class Record, class Codec>
class PackedRecords {
 public:
  void Add(const Record& record) {
    // A record never spans two blocks; one larger than a block has a block of its own.
    const std::size_t size = Codec::Size(record);
    if (blocks_.empty() || blocks_.back().size() + size > blocks_.back().capacity())
      blocks_.emplace_back().reserve(std::max(kBlockBytes, size));
    Codec::Pack(record, blocks_.back());
    ++count_;
  }

  // Hands each record back, in the order added, unpacked into one reused record (which take
  // may move from), and gives each block back to the system once its records are handed:
  // what waits shrinks as what takes it grows. Empty afterwards.
  template <class Take>
  void TakeAll(Take&& take) {
    Record record;
    for (std::string& block : blocks_) {
      for (std::size_t at = 0; at < block.size();) {
        at = Codec::Unpack(block, at, record);
        take(record);
      }
      std::string().swap(block);
    }
    Clear();
  }

  std::size_t size() const { return count_; }
  // Gives the blocks back to the system.
  void Clear() {
    std::vector<std::string>().swap(blocks_);
    count_ = 0;
  }

 private:
  // Large enough that the blocks' own bookkeeping is nothing, small enough that the unused
  // end of the last block is nothing beside a large file.
  static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

  std::vector<std::string> blocks_;
  std::size_t count_ = 0;
};

// The pieces a codec packs with.
template <class T>
void PutValue(std::string& out, T value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  out.append(bytes, sizeof(T));
}

inline void PutText(std::string& out, const std::string& text) {
  PutValue(out, static_cast<std::uint32_t>(text.size()));
  out += text;
}

template <class T>
T GetValue(const std::string& in, std::size_t& at) {
  T value;
  std::memcpy(&value, in.data() + at, sizeof(T));
  at += sizeof(T);
  return value;
}

inline void GetText(const std::string& in, std::size_t& at, std::string& text) {
  const auto size = GetValue<std::uint32_t>(in, at);
  text.assign(in, at, size);
  at += size;
}

// The bytes PutText appends.
inline std::size_t TextSize(const std::string& text) { return sizeof(std::uint32_t) + text.size(); }

}  // namespace orsvelt::prot501
