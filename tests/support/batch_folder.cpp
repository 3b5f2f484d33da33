#include "support/batch_folder.h"

#include <algorithm>

namespace orsvelt::test {

namespace fs = std::filesystem;

namespace {

const char* const kDivision =
    "NO_RASCHSV_7707_7707_7707123458770702002_20200424_00000000-0000-0000-0000-000000000001.xml";

}  // namespace

const std::vector<BatchFolderFile>& BatchFolderReports() {
  static const std::vector<BatchFolderFile> files = [] {
    std::vector<BatchFolderFile> list;
    for (const char* version : {"5.01", "5.02"})
      for (const auto& entry : fs::directory_iterator(ExamplesDir() / version))
        if (entry.path().extension() == ".xml") list.push_back({entry.path().filename().string(), ""});
    list.push_back({kDivision, ""});
    list.push_back({"NO_RASCHSV_broken.xml", "Не удалось разобрать XML-файл."});
    list.push_back({"NO_RASCHSV_v509.xml", "Неизвестный формат файла."});
    list.push_back({"NO_RASCHSV_not_a_report.xml", "Файл не является отчётом в ФНС."});
    std::sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return list;
  }();
  return files;
}

void MakeBatchFolder(const fs::path& folder) {
  for (const char* version : {"5.01", "5.02"})
    for (const auto& entry : fs::directory_iterator(ExamplesDir() / version))
      if (entry.path().extension() == ".xml") fs::copy_file(entry.path(), folder / entry.path().filename());
  fs::copy_file(DataDir() / "hostile" / "other_kpp" / kDivision, folder / kDivision);
  const std::string decl = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";
  WriteCp1251(folder / "NO_RASCHSV_broken.xml", decl + "<Файл ВерсФорм=\"5.02\"><Документ КНД=\"1");
  WriteCp1251(folder / "NO_RASCHSV_v509.xml", decl + "<Файл ВерсФорм=\"5.09\" ИдФайл=\"x\"><Документ/></Файл>");
  WriteCp1251(folder / "NO_RASCHSV_not_a_report.xml", decl + "<Письмо/>");
  WriteBytes(folder / "readme.txt", "Расчёты клиента за 2018 и 2020 годы");
}

}  // namespace orsvelt::test
