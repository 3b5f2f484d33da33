// Whole runs over reports of unusual shape: payer forms, missing parts, section 2.

#include <gtest/gtest.h>

#include "model/rsvnalog.h"
#include "report_builder.h"
#include "support/test_support.h"
#include "xml/xmlwork.h"

namespace orsvelt::test {
namespace {

// A report whose "Документ" holds the given payer and body.
std::string Report(const std::string& id, const std::string& payer, const std::string& body,
                   const std::string& period = "21", const std::string& version = "5.01") {
  return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Файл ИдФайл=\"" + id +
         "\" ВерсПрог=\"t\" ВерсФорм=\"" + version + "\"><Документ КНД=\"1151111\" ДатаДок=\"01.04.2018\" НомКорр=\"0\" " +
         "Период=\"" + period + "\" ОтчетГод=\"2018\" КодНО=\"7700\" ПоМесту=\"999\"><СвНП>" + payer +
         "</СвНП><Подписант ПрПодп=\"1\"><ФИО Фамилия=\"П\" Имя=\"П\"/></Подписант>" + body + "</Документ></Файл>";
}

const std::string kPerson =
    "<ПерсСвСтрахЛиц НомКорр=\"0\" Период=\"21\" ОтчетГод=\"2018\" Номер=\"1\" Дата=\"01.04.2018\">"
    "<ДанФЛПолуч СНИЛС=\"111-111-111 11\" Пол=\"1\"><ФИО Фамилия=\"А\" Имя=\"Б\"/></ДанФЛПолуч>"
    "<СвВыплСВОПС><СвВыпл><СвВыплМК Месяц=\"01\" КодКатЛиц=\"НР\" СумВыпл=\"10.00\" ВыплОПС=\"10.00\" "
    "ВыплОПСДог=\"0.00\" НачислСВ=\"2.20\"/></СвВыпл></СвВыплСВОПС></ПерсСвСтрахЛиц>";


TEST(Prot501Run, PayerForms) {
  const struct {
    std::string payer, type, name, inn, kpp;
  } cases[] = {
      {"<НПИП ИННФЛ=\"500100732259\"><ФИОИП Фамилия=\"Орлов\" Имя=\"Олег\" Отчество=\"Олегович\"/></НПИП>",
       "Индивидуальный предприниматель, глава крестьянского (фермерского) хозяйства", "Орлов Олег Олегович",
       "500100732259", "Не предусмотрено"},
      {"<НПФЛ><ИННФЛ>500100732259</ИННФЛ></НПФЛ>", "Физическое лицо, не являющееся ИП", "Не указаны", "500100732259",
       "Не предусмотрено"},
      {"<НПФЛ><ФИО Фамилия=\"Ли\" Имя=\"Ан\"/><ИННФЛ>500100732259</ИННФЛ></НПФЛ>",
       "Физическое лицо, не являющееся ИП", "Ли Ан", "500100732259", "Не предусмотрено"},
      {"", "Не удалось определить", "Не удалось определить", "Не удалось определить", "Не удалось определить"},
  };
  for (const auto& c : cases) {
    TempDir dir;
    WriteCp1251(dir / "NO_RASCHSV_main.xml", Report("NO_RASCHSV_main", c.payer, "<РасчетСВ>" + kPerson + "</РасчетСВ>"));
    TRSV501Prot prot;
    ASSERT_TRUE(AnalyseReport(prot, dir / "NO_RASCHSV_main.xml")) << c.type;
    EXPECT_EQ(prot.PayerType, c.type);
    EXPECT_EQ(prot.PayerName, c.name);
    EXPECT_EQ(prot.PayerINN, c.inn);
    EXPECT_EQ(prot.PayerKPP, c.kpp);
    EXPECT_EQ(prot.PlaceText, "Не удалось определить");
  }
}

TEST(Prot501Run, ReportsWithoutCalculationOrOfOtherFormatsAreHarmless) {
  TempDir dir;
  const std::string payer = "<НПЮЛ НаимОрг=\"О\" ИННЮЛ=\"7701234567\" КПП=\"770101001\"/>";
  WriteCp1251(dir / "NO_RASCHSV_main.xml", Report("NO_RASCHSV_main", payer, "", "31"));
  // An earlier report without "РасчетСВ" is still one of the year's reports.
  WriteCp1251(dir / "NO_RASCHSV_q1.xml", Report("NO_RASCHSV_q1", payer, ""));
  // A report of the other format and a payer of no known form are passed over.
  WriteCp1251(dir / "NO_RASCHSV_v502.xml", Report("NO_RASCHSV_v502", payer, "", "21", "5.02"));
  WriteCp1251(dir / "NO_RASCHSV_nopayer.xml", Report("NO_RASCHSV_nopayer", "", "<РасчетСВ>" + kPerson + "</РасчетСВ>"));
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, dir / "NO_RASCHSV_main.xml")) << prot.ErrorText();
  ASSERT_EQ(prot.EarlierFiles.size(), 1u);
  EXPECT_EQ(prot.EarlierFiles[0].FileName, "NO_RASCHSV_q1.xml");
  EXPECT_EQ(prot.PersonCount, 0);
  EXPECT_FALSE(prot.Section1Present);
  EXPECT_TRUE(prot.Persons.empty());
  EXPECT_TRUE(prot.BaseChecks.empty());
  EXPECT_EQ(prot.BaseCheckTotal.size(), 12u);
}

TEST(Prot501Run, SectionTwoWithoutItsCalculationFailsTheRun) {
  TempDir dir;
  const std::string payer = "<НПИП ИННФЛ=\"500100732259\"><ФИОИП Фамилия=\"Орлов\" Имя=\"Олег\"/></НПИП>";
  const std::string section2 =
      "<ОбязПлатСВ_КФХ ОКТМО=\"45000000\"><УплПерОПС КБК=\"1\" СумСВУплПер=\"100.00\"/>"
      "<УплПерОМС КБК=\"2\" СумСВУплПер=\"20.00\"/>";
  WriteCp1251(dir / "NO_RASCHSV_bad.xml",
              Report("NO_RASCHSV_bad", payer, "<РасчетСВ>" + section2 + "</ОбязПлатСВ_КФХ></РасчетСВ>"));
  TRSV501Prot prot;
  EXPECT_FALSE(AnalyseReport(prot, dir / "NO_RASCHSV_bad.xml"));
  EXPECT_EQ(prot.ErrorText(),
            "В разделе 2 отсутствует подраздел \"Расчет сумм страховых взносов, подлежащих уплате за главу и "
            "членов крестьянского (фермерского) хозяйства\".");
  EXPECT_EQ(prot.PayerName, "Орлов Олег");  // the title data is already there
  EXPECT_FALSE(prot.RunStamp().empty());

  const std::string members =
      "<РасчСВ_КФХ><СведЧлКФХ ИННФЛ=\"500100732259\" СНИЛС=\"111-111-111 11\" ГодРожд=\"1970\" "
      "ДатаНачЧлКФХ=\"01.01.2018\" НачислСВОПС=\"100.00\" НачислСВОМС=\"20.00\"><ФИО Фамилия=\"Орлов\" "
      "Имя=\"Олег\"/></СведЧлКФХ></РасчСВ_КФХ>";
  WriteCp1251(dir / "NO_RASCHSV_good.xml",
              Report("NO_RASCHSV_good", payer, "<РасчетСВ>" + section2 + members + "</ОбязПлатСВ_КФХ></РасчетСВ>"));
  ASSERT_TRUE(AnalyseReport(prot, dir / "NO_RASCHSV_good.xml")) << prot.ErrorText();
  EXPECT_TRUE(prot.ErrorText().empty());
  EXPECT_TRUE(prot.Section2Present);
  EXPECT_EQ(prot.FarmMemberCount, 1);
  ASSERT_EQ(prot.FarmMembers.size(), 1u);
  EXPECT_EQ(prot.FarmMembers[0].FullName, "Орлов Олег");
  EXPECT_EQ(prot.FarmMembers[0].BirthYear, 1970);
  EXPECT_EQ(prot.FarmMembers[0].PensionContributions, 1000000);
  EXPECT_EQ(prot.Section2OPS, 1000000);
  EXPECT_EQ(prot.Section2OMS, 200000);
}

TEST(Prot501Run, FileRootWithoutA501DocumentIsNotRead) {
  TXMLFile xml;
  xml.LoadFromBytes(Report("x", "", "", "21", "5.02"));
  ASSERT_TRUE(xml.Parse());
  TRSVFile file;
  file.Load(xml.Root(), "");
  TRSV501Prot prot;
  EXPECT_FALSE(prot.Analyse(file, "."));
  EXPECT_EQ(prot.ErrorText(), "Файл не прочитан.");
}

}  // namespace
}  // namespace orsvelt::test
