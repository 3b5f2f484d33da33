#pragma once
// Elements that both format versions share: the taxpayer (organisation, individual
// entrepreneur, natural person), a person's name, identity document, address, signer and
// representative.

#include <cstdint>
#include <memory>
#include <string>

#include "model/common/elem_load.h"

namespace orsvelt {

// "ФИО", "ФИОИП" and the name elements of person records.
struct TFIO : TElem {
  std::string Фамилия, Имя, Отчество;
  bool Load(TXMLElement e, const std::string& path);
};

// "УдЛичнФЛ": identity document.
struct TUdLichn : TElem {
  std::string КодВидДок, СерНомДок, ВыдДок, ДатаДок;
  bool Load(TXMLElement e, const std::string& path);
};

// "АдрМЖРФ": address in the Russian Federation.
struct TAddrRF : TElem {
  std::string Индекс, КодРегион, Район, Город, НаселПункт, Улица, Дом, Корпус, Кварт;
  bool Load(TXMLElement e, const std::string& path);
};

// "СвПред": representative of the payer.
struct TSvPred : TElem {
  std::string НаимДок, НаимОрг;
  void Clear() { *this = TSvPred(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "Подписант": the person who signed the report.
struct TPodpisant : TElem {
  std::int32_t ПрПодп = 0;
  std::unique_ptr<TFIO> ФИО;
  std::unique_ptr<TSvPred> СвПред;
  void Clear() { *this = TPodpisant(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "НПЮЛ": payer that is an organisation; the last three fields come from "СвРеоргЮЛ".
struct TOrgUL : TElem {
  std::string НаимОрг, ИННЮЛ, КПП;
  std::string ФормРеорг, СвРеоргЮЛ_ИННЮЛ, СвРеоргЮЛ_КПП;
  void Clear() { *this = TOrgUL(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "НПИП": payer that is an individual entrepreneur (format 5.01 only).
struct TOrgIP : TElem {
  std::string ИННФЛ;
  std::unique_ptr<TFIO> ФИОИП;
  void Clear() { *this = TOrgIP(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СвНПФЛ": particulars of a natural-person payer.
struct TSvedPL : TElem {
  std::string ДатаРожд, МестоРожд, Гражд;
  std::unique_ptr<TUdLichn> УдЛичнФЛ;
  std::unique_ptr<TAddrRF> АдрМЖРФ;
  bool Load(TXMLElement e, const std::string& path);
};

// "НПФЛ": payer that is a natural person, not an entrepreneur.
struct TOrgPL : TElem {
  std::unique_ptr<TSvedPL> СвНПФЛ;
  std::unique_ptr<TFIO> ФИО;
  std::string ИННФЛ;   // text of a child element; from 5.03 also an attribute
  std::string ОГРНИП;  // from 5.03, an attribute
  void Clear() { *this = TOrgPL(); }
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
