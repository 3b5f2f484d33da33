#pragma once
// A read-only view of one report that does not depend on its format version: the title,
// the payer, section 1 as lines of columns and section 3 as persons with calendar-month
// rows. Checks read this view; one adapter per format version fills it from that version's
// model (model/rsv501/report_view_501.h, model/rsv502/report_view_502.h for 5.02 to 5.04,
// model/rsv505/report_view_505.h for 5.05 to 5.08).
//
// Lifetime: the view holds std::string_view into the model it was filled from (and into
// the adapter's static path texts). The model (TRSVFile with its document) must outlive the
// view and must not be moved, cleared or reloaded while the view is read: short strings
// such as the format version live inside the TRSVFile and move with it. Section 3 may be
// made independent of the model's persons (Section3::KeepTexts). The view itself may be
// moved and copied freely.
//
// Missing versus zero: a line (element) the report does not hold, or a column the format
// does not have (the "last three months" total of format 5.02), is std::nullopt. An
// attribute left out of an element that is present reads as 0, as the model keeps it.
//
// Paths: every value can name where it was read, in the form the reading messages print
// (" - Документ [1] - РасчетСВ - ОбязПлатСВ - ... - @Attribute"). Section 1 keeps the
// element paths as strings (a few hundred, plus one block per person of art. 431 p. 6.2);
// section 3 forms them on demand from a person's number and the format's path steps, so
// 100 000 persons cost no path strings.
// Sibling positions are counted in the order the format defines; a file that writes its
// elements out of order or with unknown elements (which reading reports) may number them
// differently from the reading messages.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/view/text_blocks.h"
#include "xml/amount.h"

namespace orsvelt::view {

enum class PayerKind { Unknown, Organisation, Entrepreneur, NaturalPerson };

// "ИдФайл", "ВерсФорм" and the attributes of "Документ".
struct Title {
  std::string_view fileId;                 // as written
  std::string_view formatVersion;          // "5.01" ... "5.08"
  std::string_view period;                 // "Период", as written
  std::optional<std::int32_t> correction;  // "НомКорр"; absent when missing or not a number
  std::optional<std::int32_t> year;        // "ОтчетГод"; likewise
  std::string_view placeCode;              // "ПоМесту"
  std::string_view documentDate;           // "ДатаДок"
  std::string_view taxOffice;              // "КодНО"
  std::string path;                        // of "Документ"; an attribute's path is path + " - @" + name
};

struct Payer {
  PayerKind kind = PayerKind::Unknown;
  std::string_view name;  // organisation name, else "Фамилия Имя Отчество" parts below
  std::string_view surname, givenName, patronymic;
  std::string_view inn, kpp;  // kpp empty for persons
  std::string path;           // of "НПЮЛ", "НПИП" or "НПФЛ"; empty when unknown
};

// The columns of a line: since the start of the year, the last three months together
// (format 5.01 only), and each of the last three months.
enum class Column : std::uint8_t { Year, LastThreeMonths, Month1, Month2, Month3 };
inline constexpr std::size_t kColumnCount = 5;
using ColumnNames = std::array<std::string_view, kColumnCount>;  // attribute per column, empty where none

// One element of section 1 with its columns: a sum group, a count group, a payable line or
// one part of "УплСВПрев" (whose only column is Year).
struct Line {
  std::string_view name;  // element name: "ВыплНачислФЛ", "УплПерОПС", "Упл1Посл3М", ...
  std::string_view code;  // "КБК" of payable lines, "Признак" of the parts of "УплСВПрев"
  bool count = false;     // numbers of persons rather than amounts
  std::array<std::optional<std::int64_t>, kColumnCount> values{};  // amounts are Amount (x10000)
  const ColumnNames* attributes = nullptr;
  std::string path;  // element path

  std::optional<std::int64_t> Value(Column c) const { return values[static_cast<std::size_t>(c)]; }
  // path + " - @" + the column's attribute; the element path when the format has no such column.
  std::string PathOf(Column c) const;
};

// A code that tells instances of a block apart ("ТарифПлат", "ПрОснСВДоп", "КодОснов", ...).
struct Code {
  std::string_view name, value;
};

// One subsection element and its lines: "РасчСВ_ОПС", "РасчСВ_ОМС", "РасчСВ_428.1-2",
// "РасчСВ_428.3", "РасчСВ_ДСО", "РасчСВ_ОСС.ВНМ", "РасчСВ_ОСС.ВНМКод"; from 2023
// "РасчСВ_ОПСОМС", "РасчСВ_ОПС428", "РасчСВ6.2.431".
struct Block {
  std::string_view name;
  std::vector<Code> codes;
  std::string path;
  std::vector<Line> lines;

  const Line* Find(std::string_view lineName) const;         // null when absent
  std::string_view CodeOf(std::string_view codeName) const;  // empty when absent
};

// "РасчСВ_ОПС_ОМС": the blocks of one payer tariff, in the order written (from 2023 the one
// block "РасчСВ_ОПСОМС" of the single tariff).
struct TariffBlock {
  std::string_view tariff;  // "ТарифПлат"
  std::string path;
  std::vector<Block> blocks;

  const Block* Find(std::string_view blockName) const;  // the first of that name, or null
  const Line* Find(std::string_view blockName, std::string_view lineName) const;
};

struct Section1 {
  bool present = false;
  std::string path;  // of "ОбязПлатСВ"
  std::string_view oktmo;
  // "УплПерОПС", "УплПерОМС", every "УплПерОПСДоп" and "УплПерДСО", then "УплПерОСС" and
  // "ПревРасхОСС" (coded with the КБК of "УплПревОСС"); from 2023 "УплПерОПС" (the single
  // tariff), every "УплПерОПСДоп" and "УплПерДСО", then "УплОПС6.2.431", "УплОСС6.2.431",
  // "УплОМС6.2.431".
  std::vector<Line> payable;
  std::vector<TariffBlock> tariffs;
  // Appendix 2: the block "РасчСВ_ОСС.ВНМ" first (5.02 keeps only ПроизвРасхСО, ВозмРасхСО
  // and the parts of УплСВПрев in it), then one "РасчСВ_ОСС.ВНМКод" per tariff in 5.02.
  std::vector<Block> appendix2;
  // From 2023, the blocks written directly in "ОбязПлатСВ" rather than per tariff: every
  // "РасчСВ_ОПС428" (coded with КодОснов and КласУслТруд), "РасчСВ_ДСО" (ПрРасчСум), the
  // "РасчСВ6.2.431" of every "РасчСВ_6.2.431" (ТарифПлат, ПрОПС, ПрОСС, ПрОМС), then one
  // "СвФЛВыпл6.2.431" per person of "СвФЛИсч6.2.431" (СНИЛС) with "СумВыплат" and "БазаИсч".
  std::vector<Block> blocks;
  // Appendices 9 and 10 of 5.02 ("СвПримТариф2.2.425", "СвПримТариф1.3.422"): one block each,
  // its line "ВыплатИт", then one line "СумВыплат" per foreign worker or student.
  std::vector<Block> paymentAppendices;

  const Line* FindPayable(std::string_view name) const;  // the first of that name, or null
  const Line* FindPayable(std::string_view name, std::string_view kbk) const;
  const TariffBlock* FindTariff(std::string_view tariff) const;
};

// How a format writes the paths of section 3; static texts of the adapter.
struct Section3Form {
  std::string_view personStep, personOpen, personClose;  // " - ПерсСвСтрахЛиц", " (", ")"
  std::array<std::string_view, 6> rowAttributes;         // in the order of RowField
  std::array<std::string_view, 4> extraRowAttributes;    // in the order of ExtraRowField
};

// Path steps below a person to "ДанФЛПолуч", to the rows before their number and to the
// additional-tariff rows before theirs; static texts of the adapter.
struct PersonSteps {
  std::string_view identity, rows, extraRows;
};

enum class RowField { Month, Category, Payments, Base, ContractBase, Contributions };
enum class ExtraRowField { Month, Tariff, Base, Contributions };

// "СвВыплМК": one month and category of a person's payments.
struct MonthRow {
  std::uint8_t month = 0;      // calendar month 1..12; 0 when unreadable
  std::uint32_t position = 0;  // number in the row's path
  std::string_view category;   // "КодКатЛиц"
  Amount payments = 0;         // "СумВыпл"
  Amount base = 0;             // "ВыплОПС"
  Amount contractBase = 0;     // "ВыплОПСДог"
  Amount contributions = 0;    // "НачислСВ"
};

// "ВыплСВДопМТ": one month of a person's payments at an additional tariff.
struct ExtraTariffRow {
  std::uint8_t month = 0;
  std::uint32_t position = 0;
  std::string_view tariff;   // "Тариф" (5.01), "КодСтрахЛиц" (5.02)
  Amount base = 0;           // "ВыплСВ"
  Amount contributions = 0;  // "НачислСВ"
};

// The totals a person declares over the period's rows ("СвВыпл" and "ВыплСВДоп" of format
// 5.01); absent when the element is absent or the format has no such totals. Kept as six
// amounts and a mask rather than six optionals: a person is paid for 100 000 times.
struct PersonTotals {
  enum Field : std::uint8_t {
    Payments,           // "СумВыплВс3"
    Base,               // "ВыплОПСВс3"
    ContractBase,       // "ВыплОПСДогВс3"
    Contributions,      // "НачислСВВс3" of "СвВыпл"
    ExtraBase,          // "ВыплСВВс3" of "ВыплСВДоп"
    ExtraContributions  // "НачислСВВс3" of "ВыплСВДоп"
  };
  std::optional<Amount> Of(Field f) const {
    return present & (1u << f) ? std::optional<Amount>(values[f]) : std::nullopt;
  }
  void Set(Field f, Amount value) {
    values[f] = value;
    present = static_cast<std::uint8_t>(present | (1u << f));
  }

  std::array<Amount, 6> values{};
  std::uint8_t present = 0;
};

// "ПерсСвСтрахЛиц". Rows live in Section3's flat lists; a person holds its ranges there.
struct Person {
  std::string_view snils;   // as written
  std::string snilsDigits;  // normalised (SnilsDigits); short enough to stay inside the string
  std::string_view inn, surname, givenName, patronymic, birthDate, sex;
  bool annulled = false;     // "ПрАннулир" (5.02); format 5.01 has no annulment
  bool identified = false;   // "ДанФЛПолуч" present: without it there is nobody to match the rows on
  std::uint32_t number = 0;  // number in the person's path
  const PersonSteps* steps = nullptr;
  std::uint32_t firstRow = 0, rowCount = 0, firstExtraRow = 0, extraRowCount = 0;
  PersonTotals declared;
};

struct Section3 {
  std::string path;  // of "РасчетСВ", the persons' parent
  const Section3Form* form = nullptr;
  std::vector<Person> persons;
  std::vector<MonthRow> rows;
  std::vector<ExtraTariffRow> extraRows;

  std::span<const MonthRow> RowsOf(const Person& p) const;
  std::span<const ExtraTariffRow> ExtraRowsOf(const Person& p) const;

  std::string PathOf(const Person& p) const;
  // Of an identity attribute ("СНИЛС", "ИННФЛ", ...), an element of "ДанФЛПолуч" when empty.
  std::string IdentityPathOf(const Person& p, std::string_view attribute = {}) const;
  std::string PathOf(const Person& p, const MonthRow& row, RowField field) const;
  std::string PathOf(const Person& p, const ExtraTariffRow& row, ExtraRowField field) const;

  // Makes the texts of the persons from `fromPerson` on and of their rows the section's own,
  // so that it outlives the persons of the model it was filled from (the rest of the view
  // still refers into the model).
  void KeepTexts(std::size_t fromPerson = 0);
  std::shared_ptr<TextBlocks> ownTexts;  // made by KeepTexts, shared by copies
};

struct ReportView {
  Title title;
  Payer payer;
  Section1 section1;
  Section3 section3;
};

}  // namespace orsvelt::view
