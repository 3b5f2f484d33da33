#include "section1_text.h"

#include <array>

namespace orsvelt::test {

namespace {

std::string Money(long long kopecks) {
  std::string cents = std::to_string(kopecks % 100 + 100).substr(1);
  return std::to_string(kopecks / 100) + "." + cents;
}

class Writer {
 public:
  Writer(int quarter, const std::vector<Override>& overrides) : quarter_(quarter), overrides_(overrides) {}

  // An amount group: monthly kopecks in each month, the months of every quarter so far since the start.
  void Sum(const std::string& parent, const std::string& name, long long monthly) {
    Element(parent, name, {{{"СумВсегоПер", Money(monthly * 3 * quarter_)}, {"Сум1Посл3М", Money(monthly)},
                            {"Сум2Посл3М", Money(monthly)}, {"Сум3Посл3М", Money(monthly)}}});
  }
  void Count(const std::string& parent, const std::string& name, int persons) {
    const std::string n = std::to_string(persons);
    Element(parent, name, {{{"КолВсегоПер", n}, {"Кол1Посл3М", n}, {"Кол2Посл3М", n}, {"Кол3Посл3М", n}}});
  }
  void Payable(const std::string& name, const std::string& kbk, long long monthly) {
    text_ += "<" + name + (kbk.empty() ? "" : " КБК=\"" + kbk + "\"");
    Attributes(name, {{{"СумСВУплПер", Money(monthly * 3 * quarter_)}, {"СумСВУпл1М", Money(monthly)},
                       {"СумСВУпл2М", Money(monthly)}, {"СумСВУпл3М", Money(monthly)}}});
    text_ += "/>\n";
  }
  void Part(const std::string& name, long long kopecks) {
    text_ += "<" + name;
    Attributes(name, {{{"Признак", "1"}, {"Сумма", Money(kopecks)}}});
    text_ += "/>\n";
  }
  void Raw(const std::string& text) { text_ += text; }
  const std::string& Text() const { return text_; }

 private:
  using Pairs = std::vector<std::pair<std::string, std::string>>;

  void Element(const std::string& parent, const std::string& name, const Pairs& pairs) {
    text_ += "<" + name;
    Attributes(parent + "/" + name, pairs);
    text_ += "/>\n";
  }
  void Attributes(const std::string& key, const Pairs& pairs) {
    for (const auto& [attribute, value] : pairs) {
      std::string v = value;
      for (const Override& o : overrides_)
        if (o.element == key && o.attribute == attribute) v = o.value;
      text_ += " " + attribute + "=\"" + v + "\"";
    }
  }

  int quarter_;
  const std::vector<Override>& overrides_;
  std::string text_;
};

}  // namespace

std::string PeriodOfQuarter(int quarter) {
  static const std::array<std::string, 4> kCodes{"21", "31", "33", "34"};
  return kCodes[quarter - 1];
}

std::string AgreeingSection1(int quarter, const std::vector<Override>& overrides) {
  Writer w(quarter, overrides);
  w.Raw("<ОбязПлатСВ ТипПлат=\"1\" ОКТМО=\"45382000\">\n");
  w.Payable("УплПерОПС", "18210202010061010160", 44000);
  w.Payable("УплПерОМС", "18210202101081013160", 10200);
  w.Raw("<УплПревОСС КБК=\"18210202090071010160\">\n");
  w.Payable("УплПерОСС", "", 5800);
  w.Raw("</УплПревОСС>\n<РасчСВ_ОПС_ОМС ТарифПлат=\"01\">\n<РасчСВ_ОПС>\n");
  const std::string ops = "РасчСВ_ОПС", oms = "РасчСВ_ОМС", oss = "РасчСВ_ОСС.ВНМКод";
  w.Count(ops, "КолСтрахЛицВс", 2);
  w.Count(ops, "КолЛицНачСВВс", 2);
  w.Count(ops, "ПревБазОПС", 0);
  w.Sum(ops, "ВыплНачислФЛ", 200000);
  w.Sum(ops, "НеОбложенСВ", 0);
  w.Sum(ops, "БазНачислСВ", 200000);
  w.Sum(ops, "БазПревышОПС", 0);
  w.Sum(ops, "НачислСВ", 44000);
  w.Sum(ops, "НачислСВНеПрев", 44000);
  w.Raw("</РасчСВ_ОПС>\n<РасчСВ_ОМС>\n");
  w.Count(oms, "КолСтрахЛицВс", 2);
  w.Count(oms, "КолЛицНачСВВс", 2);
  w.Sum(oms, "ВыплНачислФЛ", 200000);
  w.Sum(oms, "НеОбложенСВ", 0);
  w.Sum(oms, "БазНачислСВ", 200000);
  w.Sum(oms, "НачислСВ", 10200);
  w.Raw("</РасчСВ_ОМС>\n</РасчСВ_ОПС_ОМС>\n<РасчСВ_ОСС.ВНМ>\n<РасчСВ_ОСС.ВНМКод ТарифПлат=\"01\" ПризВыпл=\"2\">\n");
  w.Count(oss, "КолСтрахЛицВс", 2);
  w.Count(oss, "КолЛицНачСВВс", 2);
  w.Sum(oss, "ВыплНачислФЛ", 200000);
  w.Sum(oss, "НеОбложенСВ", 0);
  w.Sum(oss, "БазПревышСВ", 0);
  w.Sum(oss, "БазНачислСВ", 200000);
  w.Sum(oss, "БазНачислСВИн", 0);
  w.Sum(oss, "НачислСВ", 5800);
  w.Raw("</РасчСВ_ОСС.ВНМКод>\n");
  w.Sum("РасчСВ_ОСС.ВНМ", "ПроизвРасхСО", 0);
  w.Sum("РасчСВ_ОСС.ВНМ", "ВозмРасхСО", 0);
  w.Raw("<УплСВПрев>\n");
  w.Part("УплВсегоПер", 5800LL * 3 * quarter);
  w.Part("Упл1Посл3М", 5800);
  w.Part("Упл2Посл3М", 5800);
  w.Part("Упл3Посл3М", 5800);
  w.Raw("</УплСВПрев>\n</РасчСВ_ОСС.ВНМ>\n</ОбязПлатСВ>\n");
  return w.Text();
}

TestReport AgreeingReport(int quarter, const std::vector<Override>& overrides) {
  TestReport r;
  r.fileId = "NO_RASCHSV_q" + std::to_string(quarter);
  r.period = PeriodOfQuarter(quarter);
  r.calculationHead = AgreeingSection1(quarter, overrides);
  for (const std::string snils : {"112-233-445 95", "123-456-789 64"}) {
    TestPerson p;
    p.snils = snils;
    for (int m = 1; m <= 3; ++m) p.months.push_back({m, "НР", "1000.00", "1000.00", "0", "220.00"});
    r.persons.push_back(p);
  }
  r.persons[1].surname = "Петров";
  return r;
}

}  // namespace orsvelt::test
