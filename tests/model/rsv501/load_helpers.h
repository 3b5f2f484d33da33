#pragma once
// Loading one element class from a snippet of XML written in the test.

#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

#include "model/common/elem_load.h"
#include "xml/xmlwork.h"

namespace orsvelt::test501 {

// Parses a UTF-8 snippet and loads its root element into a T with the path "P".
template <class T>
T LoadFrom(std::string_view xml, const std::string& path = "P") {
  TXMLFile file;
  file.LoadFromBytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + std::string(xml));
  T obj;
  if (!file.Parse()) {
    ADD_FAILURE() << file.ErrorText() << " in " << xml;
    return obj;
  }
  const bool ok = obj.Load(file.Root(), path);
  EXPECT_EQ(ok, obj.Errors.empty());
  return obj;
}

template <class T>
Messages ErrorsOf(std::string_view xml) {
  return LoadFrom<T>(xml).Errors;
}

}  // namespace orsvelt::test501
