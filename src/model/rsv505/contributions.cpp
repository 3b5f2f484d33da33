#include "model/rsv505/contributions.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV505RaschSV_OPSOMS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505RaschSV_OPSOMS;
  static constexpr ChildField<T> kKids[] = {
      Child<&T::КолСтрахЛицВс>("КолСтрахЛицВс"),   Child<&T::КолЛицНачСВВс>("КолЛицНачСВВс"),
      Child<&T::НеПревБазОПС>("НеПревБазОПС"),     Child<&T::ПревБазОПС>("ПревБазОПС"),
      Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),     Child<&T::НеОбложенСВ>("НеОбложенСВ"),
      Child<&T::РасхПринВыч>("РасхПринВыч"),       Child<&T::БазНачислСВ>("БазНачислСВ"),
      Child<&T::БазНеПревышОПС>("БазНеПревышОПС"), Child<&T::БазПревышОПС>("БазПревышОПС"),
      Child<&T::НачислСВ>("НачислСВ"),             Child<&T::НачислСВНеПрев>("НачислСВНеПрев"),
      Child<&T::НачислСВПрев>("НачислСВПрев")};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("РасчСВ_ОПСОМС", kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505RaschSvOPS_OMS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505RaschSvOPS_OMS;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ТарифПлат", &T::ТарифПлат)};
  static constexpr ChildField<T> kKids[] = {Child<&T::РасчСВ_ОПСОМС>("РасчСВ_ОПСОМС")};
  static constexpr Rules<T> kRules = TagRules<T>("РасчСВ_ОПС_ОМС", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505RaschSV_OPS428::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505RaschSV_OPS428;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КодОснов", &T::КодОснов),
                                            TextAttr("КласУслТруд", &T::КласУслТруд)};
  static constexpr ChildField<T> kKids[] = {
      Child<&T::КолЛицНачСВ>("КолЛицНачСВ"), Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),
      Child<&T::НеОбложенСВ>("НеОбложенСВ"), Child<&T::БазНачислСВДоп>("БазНачислСВДоп"),
      Child<&T::НачислСВДоп>("НачислСВДоп")};
  static constexpr Rules<T> kRules = TagRules<T>("РасчСВ_ОПС428", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505RaschSV6_2_431::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505RaschSV6_2_431;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ПрОПС", &T::ПрОПС), TextAttr("ПрОСС", &T::ПрОСС),
                                            TextAttr("ПрОМС", &T::ПрОМС)};
  static constexpr ChildField<T> kKids[] = {
      Child<&T::КолСтрахЛицВс>("КолСтрахЛицВс"), Child<&T::КолЛицНачСВВс>("КолЛицНачСВВс"),
      Child<&T::НеПревБаз>("НеПревБаз"),         Child<&T::ПревБаз>("ПревБаз"),
      Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),   Child<&T::НеОбложенСВ>("НеОбложенСВ"),
      Child<&T::РасхПринВыч>("РасхПринВыч"),     Child<&T::БазНачислСВ>("БазНачислСВ"),
      Child<&T::БазНеПревыш>("БазНеПревыш"),     Child<&T::БазПревыш>("БазПревыш"),
      Child<&T::ИсчОПС>("ИсчОПС"),               Child<&T::ИсчОПСНеПрев>("ИсчОПСНеПрев"),
      Child<&T::ИсчОПСПрев>("ИсчОПСПрев"),       Child<&T::ИсчОСС>("ИсчОСС"),
      Child<&T::ИсчОССНеПрев>("ИсчОССНеПрев"),   Child<&T::ИсчОССПрев>("ИсчОССПрев"),
      Child<&T::ИсчОМС>("ИсчОМС"),               Child<&T::ИсчОМСНеПрев>("ИсчОМСНеПрев"),
      Child<&T::ИсчОМСПрев>("ИсчОМСПрев")};
  static constexpr Rules<T> kRules = TagRules<T>("РасчСВ6.2.431", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505RaschSv_6_2_431::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505RaschSv_6_2_431;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ТарифПлат", &T::ТарифПлат)};
  static constexpr ChildField<T> kKids[] = {Child<&T::РасчСВ6_2_431>("РасчСВ6.2.431")};
  static constexpr Rules<T> kRules = TagRules<T>("РасчСВ_6.2.431", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
