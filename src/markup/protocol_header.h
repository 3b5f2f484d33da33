#pragma once
// What the opening lines of every protocol print about the program and the run.

#include <string>

#include "markup/program_constants.h"

namespace orsvelt {

// Defaults come from the program constants; tests set debug (or the texts) explicitly.
struct ProtocolHeader {
  std::string title{"Протокол анализа расчёта по страховым взносам"};
  std::string heading{"Протокол отображения сводных данных для расчёта по страховым взносам"};
  std::string version{VersionText};
  std::string date{VersionDate};
  bool debug = DebugBuild;
  std::string site{SiteUrl};
  std::string runStamp;
};

}  // namespace orsvelt
