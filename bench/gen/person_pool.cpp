#include "person_pool.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace orsvelt::bench {

namespace {

// Male surnames whose female form adds "а".
constexpr std::array<std::string_view, 40> kSurnames = {
    "Иванов", "Смирнов", "Кузнецов", "Попов", "Васильев", "Петров", "Соколов", "Михайлов",
    "Новиков", "Фёдоров", "Морозов", "Волков", "Алексеев", "Лебедев", "Семёнов", "Егоров",
    "Павлов", "Козлов", "Степанов", "Николаев", "Орлов", "Андреев", "Макаров", "Никитин",
    "Захаров", "Зайцев", "Соловьёв", "Борисов", "Яковлев", "Григорьев", "Романов", "Воробьёв",
    "Сергеев", "Кузьмин", "Фролов", "Александров", "Дмитриев", "Королёв", "Гусев", "Киселёв"};
constexpr std::array<std::string_view, 20> kMaleNames = {
    "Александр", "Сергей", "Дмитрий", "Андрей", "Алексей", "Максим", "Евгений", "Иван",
    "Михаил", "Артём", "Николай", "Владимир", "Павел", "Роман", "Олег", "Игорь", "Юрий",
    "Виктор", "Константин", "Денис"};
constexpr std::array<std::string_view, 20> kFemaleNames = {
    "Елена", "Ольга", "Наталья", "Екатерина", "Анна", "Татьяна", "Мария", "Ирина", "Светлана",
    "Юлия", "Анастасия", "Марина", "Дарья", "Людмила", "Галина", "Ксения", "Вера", "Надежда",
    "Алёна", "Полина"};
// Fathers' names in the male and female patronymic forms.
constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kPatronymics = {{
    {"Александрович", "Александровна"}, {"Сергеевич", "Сергеевна"}, {"Дмитриевич", "Дмитриевна"},
    {"Андреевич", "Андреевна"}, {"Алексеевич", "Алексеевна"}, {"Иванович", "Ивановна"},
    {"Михайлович", "Михайловна"}, {"Николаевич", "Николаевна"}, {"Владимирович", "Владимировна"},
    {"Павлович", "Павловна"}, {"Викторович", "Викторовна"}, {"Юрьевич", "Юрьевна"},
    {"Олегович", "Олеговна"}, {"Игоревич", "Игоревна"}}};
// Surnames of foreign workers (residents and temporary stayers).
constexpr std::array<std::string_view, 8> kForeignSurnames = {
    "Каримов", "Рахимов", "Алиев", "Юсупов", "Назаров", "Исмаилов", "Садыков", "Хасанов"};
constexpr std::array<std::string_view, 6> kForeignCountries = {"860", "762", "417", "051", "498", "804"};

std::string Digits(std::uint64_t value, int width) {
  std::string s(width, '0');
  for (int i = width - 1; i >= 0; --i) {
    s[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return s;
}

// SNILS "NNN-NNN-NNN CC" with its real check number.
std::string Snils(std::uint64_t number) {
  number = 1001000 + number % 998000000;  // above the range without a check number
  const std::string d = Digits(number, 9);
  int sum = 0;
  for (int i = 0; i < 9; ++i) sum += (d[i] - '0') * (9 - i);
  int check = sum % 101;
  if (check == 100) check = 0;
  return d.substr(0, 3) + "-" + d.substr(3, 3) + "-" + d.substr(6, 3) + " " + Digits(check, 2);
}

// Twelve-digit personal INN with both check digits.
std::string PersonInn(std::uint64_t number) {
  std::string d = "77" + Digits(number % 100000000, 8);
  constexpr int w1[] = {7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
  constexpr int w2[] = {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
  int s = 0;
  for (int i = 0; i < 10; ++i) s += (d[i] - '0') * w1[i];
  d += static_cast<char>('0' + s % 11 % 10);
  s = 0;
  for (int i = 0; i < 11; ++i) s += (d[i] - '0') * w2[i];
  d += static_cast<char>('0' + s % 11 % 10);
  return d;
}

}  // namespace

const char* CategoryCode(Category c) {
  switch (c) {
    case Category::НР: return "НР";
    case Category::ВЖНР: return "ВЖНР";
    case Category::ВПНР: return "ВПНР";
    case Category::ОДИТ: return "ОДИТ";
    case Category::ВЖИТ: return "ВЖИТ";
    case Category::ВПИТ: return "ВПИТ";
  }
  return "НР";
}

int TariffGroupOf(Category c) { return static_cast<int>(c) < 3 ? 0 : 1; }

const char* TariffCodeOfGroup(int group) { return group == 0 ? "01" : "06"; }

TPersonTerms TPersonPool::Terms(std::uint64_t index) const {
  const std::uint64_t k = Key(index);
  TPersonTerms t;
  const auto roll = hash_.Range(0, 999, Purpose::Category, k);
  // Most staff are residents under the general tariff; a tenth works in the IT unit.
  if (roll < 800) t.category = Category::НР;
  else if (roll < 840) t.category = Category::ВЖНР;
  else if (roll < 880) t.category = Category::ВПНР;
  else if (roll < 980) t.category = Category::ОДИТ;
  else if (roll < 990) t.category = Category::ВЖИТ;
  else t.category = Category::ВПИТ;

  // Monthly pay in whole roubles; a few earners pass the yearly pension base limit early.
  const auto band = hash_.Range(0, 999, Purpose::Salary, k);
  std::int64_t roubles;
  if (band < 700) roubles = hash_.Range(25000, 80000, Purpose::Salary, k, 1);
  else if (band < 900) roubles = hash_.Range(80000, 200000, Purpose::Salary, k, 1);
  else if (band < 980) roubles = hash_.Range(200000, 400000, Purpose::Salary, k, 1);
  else roubles = hash_.Range(400000, 1500000, Purpose::Salary, k, 1);
  t.salary = roubles * 100;

  t.contract = t.category == Category::НР && hash_.Chance(40, Purpose::Contract, k);
  t.addTariff = t.category == Category::НР && !t.contract && hash_.Chance(30, Purpose::AddTariff, k);
  return t;
}

TPersonIdentity TPersonPool::Identity(std::uint64_t index) const {
  const std::uint64_t k = Key(index);
  const Category category = Terms(index).category;
  const bool foreign = category == Category::ВЖНР || category == Category::ВПНР ||
                       category == Category::ВЖИТ || category == Category::ВПИТ;
  const bool female = hash_.Chance(450, Purpose::Gender, k);
  TPersonIdentity p;
  std::string surname(foreign ? kForeignSurnames[hash_.Of(Purpose::Surname, k) % kForeignSurnames.size()]
                              : kSurnames[hash_.Of(Purpose::Surname, k) % kSurnames.size()]);
  if (female) surname += "а";
  p.Фамилия = surname;
  p.Имя = female ? kFemaleNames[hash_.Of(Purpose::FirstName, k) % kFemaleNames.size()]
                 : kMaleNames[hash_.Of(Purpose::FirstName, k) % kMaleNames.size()];
  const auto& pat = kPatronymics[hash_.Of(Purpose::Patronymic, k) % kPatronymics.size()];
  // A few persons are filed without a patronymic, and one in a thousand with the wrong sex.
  if (!hash_.Chance(30, Purpose::Patronymic, k, 1)) p.Отчество = female ? pat.second : pat.first;
  const bool wrongSex = hash_.Chance(1, Purpose::Gender, k, 1);
  p.Пол = (female != wrongSex) ? "2" : "1";

  char date[16];
  std::snprintf(date, sizeof date, "%02d.%02d.%04d", static_cast<int>(hash_.Range(1, 28, Purpose::Birth, k)),
                static_cast<int>(hash_.Range(1, 12, Purpose::Birth, k, 1)),
                static_cast<int>(hash_.Range(1955, 2001, Purpose::Birth, k, 2)));
  p.ДатаРожд = date;
  p.СНИЛС = Snils(hash_.Of(Purpose::Snils, k));
  // Some employees have not given their INN.
  if (!hash_.Chance(100, Purpose::Inn, k, 1)) p.ИННФЛ = PersonInn(hash_.Of(Purpose::Inn, k));
  if (foreign) {
    p.Гражд = std::string(kForeignCountries[hash_.Of(Purpose::Citizenship, k) % kForeignCountries.size()]);
    p.КодВидДок = category == Category::ВЖНР || category == Category::ВЖИТ ? "12" : "10";
    p.СерНомДок = "FA" + Digits(hash_.Of(Purpose::Passport, k), 7);
  } else {
    p.Гражд = "643";
    p.КодВидДок = "21";
    const std::string d = Digits(hash_.Of(Purpose::Passport, k), 10);
    p.СерНомДок = d.substr(0, 2) + " " + d.substr(2, 2) + " " + d.substr(4);
  }
  return p;
}

}  // namespace orsvelt::bench
