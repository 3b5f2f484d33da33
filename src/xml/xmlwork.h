#pragma once
// The element tree of a report file. Parsing is pugixml's; this layer decides the
// encoding, keeps the reason of a failure for the user, and offers the small read-only
// view the document model walks: names, attributes in document order with raw values
// (entities not decoded), leaf texts and child elements.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace orsvelt {

// One attribute as written: its name and its raw value (quotes removed, entities kept).
// Both views point into the file's text and live as long as its TXMLFile.
struct TXMLAttr {
  std::string_view Name;
  std::string_view Value;
};
using TXMLAttrArr = std::vector<TXMLAttr>;

// A cheap handle to one element of a parsed file; an empty handle behaves as an element
// without name, attributes or children.
class TXMLElement {
 public:
  TXMLElement() = default;
  explicit TXMLElement(pugi::xml_node node) : node_(node) {}

  explicit operator bool() const { return static_cast<bool>(node_); }

  std::string_view Name() const { return node_.name(); }

  // A leaf's raw inner text, exactly as written (entities kept, blanks kept). For an
  // element with child elements it holds only the first run of text among them, which
  // nobody reads.
  std::string_view Text() const { return node_.child_value(); }

  class AttrIterator {
   public:
    using value_type = TXMLAttr;
    using difference_type = std::ptrdiff_t;
    AttrIterator() = default;
    explicit AttrIterator(pugi::xml_attribute a) : a_(a) {}
    TXMLAttr operator*() const { return {a_.name(), a_.value()}; }
    AttrIterator& operator++() { a_ = a_.next_attribute(); return *this; }
    AttrIterator operator++(int) { auto old = *this; ++*this; return old; }
    bool operator==(const AttrIterator& o) const { return a_ == o.a_; }

   private:
    pugi::xml_attribute a_;
  };
  struct AttrRange {
    pugi::xml_node node;
    AttrIterator begin() const { return AttrIterator(node.first_attribute()); }
    AttrIterator end() const { return AttrIterator(); }
  };

  // Attributes in document order; a name may repeat.
  AttrRange Attributes() const { return {node_}; }
  bool HasAttributes() const { return static_cast<bool>(node_.first_attribute()); }
  std::size_t AttributeCount() const;

  class ChildIterator {
   public:
    using value_type = TXMLElement;
    using difference_type = std::ptrdiff_t;
    ChildIterator() = default;
    explicit ChildIterator(pugi::xml_node n) : n_(SkipToElement(n)) {}
    TXMLElement operator*() const { return TXMLElement(n_); }
    ChildIterator& operator++() { n_ = SkipToElement(n_.next_sibling()); return *this; }
    ChildIterator operator++(int) { auto old = *this; ++*this; return old; }
    bool operator==(const ChildIterator& o) const { return n_ == o.n_; }

   private:
    static pugi::xml_node SkipToElement(pugi::xml_node n) {
      while (n && n.type() != pugi::node_element) n = n.next_sibling();
      return n;
    }
    pugi::xml_node n_;
  };
  struct ChildRange {
    pugi::xml_node node;
    ChildIterator begin() const { return ChildIterator(node.first_child()); }
    ChildIterator end() const { return ChildIterator(); }
  };

  // Child elements in document order (text between them is not a child).
  ChildRange Children() const { return {node_}; }
  bool HasChildren() const { return *Children().begin() ? true : false; }
  std::size_t ChildCount() const;

  pugi::xml_node Node() const { return node_; }

 private:
  pugi::xml_node node_;
};

// A report file: its bytes, then its tree once parsed. Owns the text every view points into.
class TXMLFile {
 public:
  TXMLFile();
  ~TXMLFile();
  TXMLFile(const TXMLFile&) = delete;
  TXMLFile& operator=(const TXMLFile&) = delete;

  // Reads the file's bytes. False (with ErrorText) when it cannot be opened or read.
  bool LoadFromFile(const std::filesystem::path& path);

  // Takes bytes from memory instead of a file.
  void LoadFromBytes(std::string bytes);

  // Decodes the bytes (Windows-1251 unless a byte-order mark or the declaration says
  // UTF-8) and builds the tree. False when the text is not well-formed XML or declares an
  // encoding the format does not use; ErrorText then says where and what.
  bool Parse();

  // Parse for a quick look at what surrounds the bulk of a file: the contents of every
  // element with this name are cut out unread (neither decoded nor checked), so the tree
  // holds such elements empty. Where a plain scan cannot tell the cut safely (comments,
  // CDATA, processing instructions, an element left open) or the shortened text does not
  // parse, the whole text is parsed as by Parse.
  bool ParseWithoutContentsOf(std::string_view elementName);

  // Why the last LoadFromFile or Parse failed, in Russian, for the user.
  const std::string& ErrorText() const { return error_; }

  // The attributes of the XML declaration (version, encoding, ...); empty without one.
  TXMLAttrArr Declaration() const;

  // The root element; an empty handle before a successful Parse.
  TXMLElement Root() const;

 private:
  bool ParseText(std::string_view skipped);
  void ReleaseBytes();

  std::string bytes_;
  std::string text_;  // UTF-8 text that the tree points into
  pugi::xml_document doc_;
  bool parsed_ = false;
  std::string error_;
};

}  // namespace orsvelt
