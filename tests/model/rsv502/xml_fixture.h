#pragma once
// Builds element trees from UTF-8 text for the model tests.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "xml/xmlwork.h"

namespace orsvelt::test {

// Owns a parsed fragment; Root() is its outermost element.
class XmlFixture {
 public:
  explicit XmlFixture(std::string_view utf8) {
    file_.LoadFromBytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + std::string(utf8));
    ok_ = file_.Parse();
    EXPECT_TRUE(ok_) << file_.ErrorText() << "\n" << utf8;
  }
  TXMLElement Root() const { return file_.Root(); }

 private:
  TXMLFile file_;
  bool ok_ = false;
};

// Loads an object of class C from the text with the path given.
template <class C>
C LoadFrom(std::string_view utf8, const std::string& path = " P") {
  XmlFixture xml(utf8);
  C obj;
  obj.Load(xml.Root(), path);
  return obj;
}

}  // namespace orsvelt::test
