// Bytes of any kind through format control by a small schema with embedded rules: never a
// crash, a hang or a leak, and a text libxml2 refuses is never also judged by the rules.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "analysis/format_control/format_control.h"

namespace {

constexpr const char* kSchema = R"xsd(<?xml version="1.0" encoding="UTF-8"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:sch="http://purl.oclc.org/dsdl/schematron"
    xmlns:usch="http://www.unisoftware.ru/schematron-extensions">
  <xs:element name="Файл">
    <xs:annotation><xs:appinfo>
      <sch:pattern><sch:rule context="Файл">
        <sch:assert test="usch:getFileName() = @ИдФайл"><usch:error code="1">"<usch:value-of select="@ИдФайл"/>"</usch:error></sch:assert>
      </sch:rule></sch:pattern>
      <sch:pattern><sch:rule context="Д">
        <sch:assert test="usch:iif(@a=1, count(Б)!=0, count(Б)=0)"><usch:error code="2" path="Б">x</usch:error></sch:assert>
      </sch:rule></sch:pattern>
    </xs:appinfo></xs:annotation>
    <xs:complexType>
      <xs:sequence><xs:element name="Д" maxOccurs="unbounded"><xs:complexType><xs:sequence>
        <xs:element name="Б" minOccurs="0"/></xs:sequence><xs:attribute name="a" type="xs:integer"/>
      </xs:complexType></xs:element></xs:sequence>
      <xs:attribute name="ИдФайл"/>
      <xs:attribute name="ВерсФорм" fixed="5.08"/>
    </xs:complexType>
  </xs:element>
</xs:schema>
)xsd";

const orsvelt::FormatSchema& Schema() {
  static const auto schema = [] {
    const auto file = std::filesystem::temp_directory_path() / "orsvelt-fuzz-format-control.xsd";
    std::ofstream(file, std::ios::binary) << kSchema;
    std::string error;
    auto loaded = orsvelt::FormatSchema::Load(file, error);
    if (!loaded) std::abort();
    return loaded;
  }();
  return *schema;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const orsvelt::FormatControlResult result = Schema().Check(bytes, "f.xml");
  bool refused = false, judged = false;
  for (const orsvelt::FormatFinding& f : result.findings) {
    refused = refused || f.title == orsvelt::kNotWellFormedTitle;
    judged = judged || f.kind == orsvelt::FormatFindingKind::kRuleBreach;
  }
  if (refused && judged) std::abort();
  return 0;
}
