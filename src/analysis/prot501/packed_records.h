#pragma once
// Records that wait, packed one after another into large blocks of bytes: a large file's
// persons as records (strings and row vectors each on the heap) would weigh several times
// their content. A codec names a record's fields once, in order, to the packing at hand:
//   template <class Fields, class Record> static void Walk(Fields& f, Record& r);
// calling f.Value(v) for a plain value, f.Text(s) for a string and f.Rows(rows, each) for a
// vector whose rows each(row) walks. Record is const when packing and sizing.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace orsvelt::prot501 {

// The bytes a record packs into.
struct SizeFields {
  std::size_t size = 0;
  template <class T>
  void Value(const T&) { size += sizeof(T); }
  void Text(const std::string& text) { size += sizeof(std::uint32_t) + text.size(); }
  template <class Row, class Each>
  void Rows(const std::vector<Row>& rows, Each&& each) {
    size += sizeof(std::uint32_t);
    for (const Row& row : rows) each(row);
  }
};

// Appends a record's bytes to out.
struct PackFields {
  std::string& out;
  template <class T>
  void Value(const T& value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
  }
  void Text(const std::string& text) {
    Value(static_cast<std::uint32_t>(text.size()));
    out += text;
  }
  template <class Row, class Each>
  void Rows(const std::vector<Row>& rows, Each&& each) {
    Value(static_cast<std::uint32_t>(rows.size()));
    for (const Row& row : rows) each(row);
  }
};

// Reads a record back from in at `at`, setting every field, and moves `at` past it.
struct UnpackFields {
  const std::string& in;
  std::size_t at = 0;
  template <class T>
  void Value(T& value) {
    std::memcpy(&value, in.data() + at, sizeof(T));
    at += sizeof(T);
  }
  void Text(std::string& text) {
    std::uint32_t size = 0;
    Value(size);
    text.assign(in, at, size);
    at += size;
  }
  template <class Row, class Each>
  void Rows(std::vector<Row>& rows, Each&& each) {
    std::uint32_t size = 0;
    Value(size);
    rows.resize(size);
    for (Row& row : rows) each(row);
  }
};

template <class Record, class Codec>
class PackedRecords {
 public:
  void Add(const Record& record) {
    // A record never spans two blocks; one larger than a block has a block of its own.
    SizeFields sizing;
    Codec::Walk(sizing, record);
    if (blocks_.empty() || blocks_.back().size() + sizing.size > blocks_.back().capacity())
      blocks_.emplace_back().reserve(std::max(kBlockBytes, sizing.size));
    PackFields packing{blocks_.back()};
    Codec::Walk(packing, record);
    ++count_;
  }

  // Hands each record back, in the order added, unpacked into one reused record (which take
  // may move from), and gives each block back to the system once its records are handed:
  // what waits shrinks as what takes it grows. Empty afterwards.
  template <class Take>
  void TakeAll(Take&& take) {
    Record record;
    for (std::string& block : blocks_) {
      for (UnpackFields unpacking{block}; unpacking.at < block.size();) {
        Codec::Walk(unpacking, record);
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

}  // namespace orsvelt::prot501
