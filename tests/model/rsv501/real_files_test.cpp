// Reports written by others load as their content deserves.

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "model/rsv501/document.h"
#include "model/rsvnalog.h"
#include "support/test_support.h"
#include "xml/xmlwork.h"

namespace orsvelt {
namespace {

std::filesystem::path Sample(const std::string& prefix) {
  for (const auto& entry : std::filesystem::directory_iterator(test::ReferenceDir() / "samples" / "5.01"))
    if (entry.path().filename().string().starts_with(prefix)) return entry.path();
  return {};
}

struct Loaded {
  TXMLFile xml;
  TRSVFile file;
  const TRSV501Document& doc() const { return *file.Document501; }
};

std::unique_ptr<Loaded> LoadSample(const std::string& prefix) {
  auto l = std::make_unique<Loaded>();
  const auto path = Sample(prefix);
  EXPECT_FALSE(path.empty()) << prefix;
  EXPECT_TRUE(l->xml.LoadFromFile(path)) << l->xml.ErrorText();
  EXPECT_TRUE(l->xml.Parse()) << l->xml.ErrorText();
  EXPECT_EQ(l->xml.Root().Name(), "Файл");
  l->file.Load(l->xml.Root(), "");
  EXPECT_TRUE(l->file.Document501) << prefix;
  if (!l->file.Document501) return nullptr;
  return l;
}

const char* const kDemo = "NO_RASCHSV_7715_7715_7715670503770201001_20170412";
const char* const kCorrection1 = "NO_RASCHSV_7715_7715_7715670503770201001_20170331";
const char* const kCorrection2 = "NO_RASCHSV_7715_7715_7715670503770201001_20170410";

TEST(RealFiles501, DemoReportAndItsCorrectionsLoadWithoutAReadingError) {
  ORSVELT_REQUIRE_REFERENCE();
  for (const char* prefix : {kDemo, kCorrection1, kCorrection2}) {
    const auto l = LoadSample(prefix);
    ASSERT_TRUE(l);
    EXPECT_TRUE(l->file.Errors.empty()) << prefix << ": " << l->file.Errors.front();
    const TRSV501Document& d = l->doc();
    EXPECT_EQ(d.Период, "21");
    EXPECT_EQ(d.ОтчетГод, 2017);
    ASSERT_TRUE(d.НПЮЛ && d.Подписант && d.РасчетСВ && d.РасчетСВ->ОбязПлатСВ) << prefix;
    EXPECT_FALSE(d.РасчетСВ->ПерсСвСтрахЛиц.empty());
  }
}

TEST(RealFiles501, DemoReportContent) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto l = LoadSample(kDemo);
  ASSERT_TRUE(l);
  const TRSV501Document& d = l->doc();
  EXPECT_EQ(d.НомКорр, 0);
  EXPECT_EQ(d.НПЮЛ->ИННЮЛ, "1660193142");
  EXPECT_EQ(d.РасчетСВ->ПерсСвСтрахЛиц.size(), 5u);
  // Additional tariffs written with the digit 3, as the schema names them.
  bool additional = false;
  for (const auto& p : d.РасчетСВ->ПерсСвСтрахЛиц)
    if (p.СвВыплСВОПС && p.СвВыплСВОПС->ВыплСВДоп) {
      additional = true;
      EXPECT_EQ(p.СвВыплСВОПС->ВыплСВДоп->ВыплСВВсЗ, 900000000);
      EXPECT_EQ(p.СвВыплСВОПС->ВыплСВДоп->НачислСВВсЗ, 54000000);
    }
  EXPECT_TRUE(additional);
}

TEST(RealFiles501, CorrectionOneContent) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto l = LoadSample(kCorrection1);
  ASSERT_TRUE(l);
  const TRSV501Document& d = l->doc();
  EXPECT_EQ(d.НомКорр, 1);
  EXPECT_EQ(d.НПЮЛ->ИННЮЛ, "7715670503");
  EXPECT_EQ(d.НПЮЛ->НаимОрг.find("&quot;"), std::string::npos);
  const auto& s1 = *d.РасчетСВ->ОбязПлатСВ;
  ASSERT_TRUE(s1.ПравТариф5_1_427);
  EXPECT_EQ(s1.ПравТариф5_1_427->Дох346_15Вс, 5000);
  EXPECT_EQ(s1.ПравТариф5_1_427->ДолДох6_427, 1000000);
  EXPECT_GE(s1.РасчСВ_ОПС_ОМС.size(), 2u);
}

// The generated stubs carry every element with dummy values; the only fault of stub_PARSE
// is its three taxpayers at once.
TEST(RealFiles501, StubsReportOnlyWhatTheirDummyValuesDeserve) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto parse = LoadSample("stub_PARSE");
  ASSERT_TRUE(parse);
  EXPECT_EQ(parse->file.Errors,
            (Messages{" - Документ [1] - СвНП: Тэг должен содержать только один дочерний элемент. Проверьте "
                      "заполнение реквизитов налогоплательщика на титульном листе формы."}));
  EXPECT_FALSE(parse->doc().НПЮЛ || parse->doc().НПИП || parse->doc().НПФЛ);

  const auto legal = LoadSample("stub_full_legal_entity");
  ASSERT_TRUE(legal);
  EXPECT_TRUE(legal->file.Errors.empty()) << legal->file.Errors.front();
  const TRSV501Document& d = legal->doc();
  EXPECT_EQ(d.Период, "90");
  EXPECT_EQ(d.ОтчетГод, 2001);
  ASSERT_TRUE(d.НПЮЛ);
  EXPECT_EQ(d.НПЮЛ->ФормРеорг, "2");
  const auto& s1 = *d.РасчетСВ->ОбязПлатСВ;
  // Incomes beyond 32 bits and the federal-budget totals named "Всего".
  ASSERT_TRUE(s1.ПравТариф7_1_427 && s1.ПравТариф3_1_427 && s1.ВыплФинФБ && s1.ВыплФинФБ->Итого);
  EXPECT_EQ(s1.ПравТариф7_1_427->ДохВсПред, 123456789123456);
  EXPECT_EQ(s1.ПравТариф3_1_427->Дох248_Пер, 123456789123456);
  EXPECT_EQ(s1.ВыплФинФБ->Итого->СВВнФУходИнв, 1234567891234561200);
  EXPECT_EQ(d.РасчетСВ->ПерсСвСтрахЛиц.size(), 10u);
  ASSERT_TRUE(d.РасчетСВ->ОбязПлатСВ_КФХ && d.РасчетСВ->ОбязПлатСВ_КФХ->РасчСВ_КФХ);
  EXPECT_FALSE(d.РасчетСВ->ОбязПлатСВ_КФХ->РасчСВ_КФХ->СведЧлКФХ.empty());
}

// A text that shows what the tree holds, enough to tell two loads apart.
std::string Fingerprint(const TRSV501Document& d) {
  std::ostringstream out;
  out << d.КНД << '|' << d.ДатаДок << '|' << d.НомКорр << '|' << d.Период << '|' << d.ОтчетГод << '|' << d.КодНО
      << '|' << d.ОКВЭД << '|' << d.Тлф << '\n';
  if (d.НПЮЛ) out << d.НПЮЛ->НаимОрг << '|' << d.НПЮЛ->ИННЮЛ << '|' << d.НПЮЛ->КПП << '\n';
  if (d.Подписант && d.Подписант->ФИО) out << d.Подписант->ФИО->Фамилия << d.Подписант->ФИО->Имя << '\n';
  const auto& calc = *d.РасчетСВ;
  if (calc.ОбязПлатСВ) {
    const auto& s = *calc.ОбязПлатСВ;
    out << s.ОКТМО << '|' << s.УплПерОПСДоп.size() << '|' << s.РасчСВ_ОПС_ОМС.size() << '\n';
    for (const auto& r : s.РасчСВ_ОПС_ОМС) out << r.ТарифПлат << (r.РасчСВ_ОПС ? "+" : "-") << '\n';
    if (s.СвПримТариф2_2_425)
      for (const auto& g : s.СвПримТариф2_2_425->СвИноГражд) out << g.ИННФЛ << (g.ФИО ? g.ФИО->Фамилия : "") << '\n';
  }
  for (const auto& p : calc.ПерсСвСтрахЛиц) {
    out << p.Номер << '|' << p.Дата;
    if (p.ДанФЛПолуч) out << '|' << p.ДанФЛПолуч->СНИЛС << '|' << (p.ДанФЛПолуч->ФИО ? p.ДанФЛПолуч->ФИО->Фамилия : "");
    if (p.СвВыплСВОПС && p.СвВыплСВОПС->СвВыпл)
      for (const auto& m : p.СвВыплСВОПС->СвВыпл->СвВыплМК) out << '|' << m.Месяц << m.КодКатЛиц << m.СумВыпл;
    out << '\n';
  }
  if (calc.ОбязПлатСВ_КФХ && calc.ОбязПлатСВ_КФХ->РасчСВ_КФХ)
    for (const auto& m : calc.ОбязПлатСВ_КФХ->РасчСВ_КФХ->СведЧлКФХ) out << m.СНИЛС << m.НачислСВОПС << '\n';
  return out.str();
}

TEST(RealFiles501, Utf8StubLoadsLikeItsWindows1251Twin) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto utf8 = LoadSample("stub_full_utf8");
  const auto cp1251 = LoadSample("stub_full_legal_entity");
  ASSERT_TRUE(utf8 && cp1251);
  EXPECT_EQ(utf8->file.Errors, cp1251->file.Errors);
  EXPECT_EQ(Fingerprint(utf8->doc()), Fingerprint(cp1251->doc()));
  EXPECT_NE(Fingerprint(utf8->doc()).find("ВПЦС"), std::string::npos);
}

}  // namespace
}  // namespace orsvelt
