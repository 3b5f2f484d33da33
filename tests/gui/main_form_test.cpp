// The window as the user meets it: controls, remembered settings, the run's messages and the
// viewer it starts.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>

#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include "app/gui/main_form.h"
#include "app/gui/top_level_errors.h"
#include "gui_test_support.h"
#include "markup/program_constants.h"
#include "platform/qt_text.h"

namespace orsvelt {
namespace {

namespace fs = std::filesystem;

const char* const kDecl = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

QSettings Store() { return QSettings("Brannix", "Orsvelt"); }

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override { SetUnhandledErrorMessages(&messages); }
  void TearDown() override { SetUnhandledErrorMessages(nullptr); }

  // A window as the program creates it, shown (so it has read the settings).
  std::unique_ptr<TMain_Form> Open(CheckRunner run = {}) {
    auto form = std::make_unique<TMain_Form>(MainFormServices{&messages, &viewer, std::move(run)});
    form->show();
    return form;
  }

  static QLineEdit* Edit(TMain_Form& f) { return f.findChild<QLineEdit*>("FileName_Edit"); }
  static QPushButton* Button(TMain_Form& f, const char* name) { return f.findChild<QPushButton*>(name); }
  static QLabel* Label(TMain_Form& f, const char* name) { return f.findChild<QLabel*>(name); }
  static QCheckBox* FindingsOnlyBox(TMain_Form& f) { return f.findChild<QCheckBox*>("FindingsOnly_Check"); }
  // A click on the box's indicator, as the user ticks it.
  static void ClickFindingsOnly(TMain_Form& f) {
    QCheckBox* box = FindingsOnlyBox(f);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  }

  void ClickStart(TMain_Form& f) { QTest::mouseClick(Button(f, "Start_Button"), Qt::LeftButton); }

  // A choice made the way the user makes it: a click on the radio button.
  static void Choose(TMain_Form& f, int index) {
    auto radios = f.findChild<QGroupBox*>("ProtType_Group")->findChildren<QRadioButton*>();
    QRadioButton* radio = radios.at(index);
    // On the indicator: the button's width runs far beyond its text.
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    ASSERT_TRUE(radio->isChecked());
  }

  // Runs the event loop until done() or a generous limit; false at the limit.
  template <class Done>
  static bool WaitUntil(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
      if (clock.elapsed() > 30000) return false;
      QTest::qWait(5);
    }
    return true;
  }

  void StartOn(TMain_Form& f, const fs::path& report) {
    Edit(f)->setText(PathToQString(report));
    ClickStart(f);
  }

  // A run from Старт to its outcome shown.
  void RunOn(TMain_Form& f, const fs::path& report) {
    StartOn(f, report);
    ASSERT_TRUE(WaitUntil([&] { return !f.Running(); }));
  }

  test::SettingsSandbox sandbox;
  test::MessageRecorder messages;
  test::ViewerRecorder viewer;
};

TEST_F(MainFormTest, ControlsTextsAndSize) {
  auto form = Open();
  EXPECT_EQ(form->windowTitle(), "Программа анализа расчёта по страховым взносам");
  EXPECT_EQ(Label(*form, "Title_Label")->text(),
            "Orsvelt - программа просмотра и анализа расчётов по страховым взносам в форматах ФНС");
  EXPECT_TRUE(Label(*form, "Title_Label")->font().bold());
  EXPECT_EQ(Label(*form, "Version_Label")->text(), "Версия 2.2.0.0 от 10 января 2020 г.");
  EXPECT_EQ(Label(*form, "Debug_Label")->isVisible(), DebugBuild);
  EXPECT_EQ(Label(*form, "Debug_Label")->text(), "Версия отладочная, результаты желательно проверять.");
  EXPECT_TRUE(Edit(*form)->isReadOnly());
  EXPECT_EQ(Button(*form, "Browse_Button")->text(), "Обзор");
  EXPECT_EQ(Button(*form, "Start_Button")->text(), "Старт");
  EXPECT_EQ(Label(*form, "Site_Label")->text(), "Сайт программы");
  EXPECT_TRUE(Label(*form, "Hint_Label")->text().startsWith("Для проведения контроля базы"));

  auto* group = form->findChild<QGroupBox*>("ProtType_Group");
  EXPECT_EQ(group->title(), "Открыть протокол в");
  QStringList items;
  for (auto* radio : group->findChildren<QRadioButton*>()) items << radio->text();
  EXPECT_EQ(items, (QStringList{"Excel", "OpenOffice.org Calc", "Браузер"}));
  EXPECT_EQ(FindingsOnlyBox(*form)->text(), "Только лица с замечаниями");

  // Widgets below the caption must come in the order the user reads them.
  const QWidget* order[] = {Label(*form, "Title_Label"),   Label(*form, "Version_Label"),
                            Label(*form, "Debug_Label"),   Edit(*form),
                            Label(*form, "Hint_Label"),    group,
                            FindingsOnlyBox(*form),        Button(*form, "Start_Button"),
                            Label(*form, "Site_Label")};
  for (std::size_t i = 1; i < std::size(order); ++i)
    EXPECT_LT(order[i - 1]->geometry().top(), order[i]->geometry().top()) << i;
  EXPECT_EQ(Button(*form, "Browse_Button")->geometry().center().y(), Edit(*form)->geometry().center().y());

  EXPECT_EQ(form->minimumWidth(), 464);
  EXPECT_EQ(form->maximumWidth(), 464);
  EXPECT_EQ(form->minimumHeight(), 404);
  EXPECT_EQ(form->maximumHeight(), 474);
  EXPECT_GE(form->height(), 404);
  EXPECT_LE(form->height(), 474);
}

TEST_F(MainFormTest, FirstStartShowsDefaultsAndStoresThemOnClose) {
  auto form = Open();
  EXPECT_EQ(Edit(*form)->text(), "");
  EXPECT_EQ(form->ProtTypeIndex(), 0);
  EXPECT_TRUE(messages.shown.isEmpty());
  form->close();
  EXPECT_EQ(Store().value("LastCheckedFile").toString(), "");
  EXPECT_EQ(Store().value("ProtType").toInt(), 0);
}

TEST_F(MainFormTest, FileAndBrowserChoiceSurviveRestart) {
  const QString file = QStringLiteral("/home/пользователь/Отчёты/NO_RASCHSV_1.xml");
  {
    auto form = Open();
    Edit(*form)->setText(file);
    Choose(*form, 2);
    form->close();
  }
  auto form = Open();
  EXPECT_EQ(Edit(*form)->text(), file);
  EXPECT_EQ(form->ProtTypeIndex(), 2);
}

TEST_F(MainFormTest, StoredChoiceIsClampedByTheRadioGroup) {
  struct Case {
    int stored, shown;
  };
  for (const Case c : {Case{7, 2}, Case{-5, -1}, Case{-1, -1}, Case{1, 1}, Case{0, 0}}) {
    Store().setValue("ProtType", c.stored);
    auto form = Open();
    EXPECT_EQ(form->ProtTypeIndex(), c.shown) << c.stored;
    const auto radios = form->findChildren<QRadioButton*>();
    EXPECT_EQ(std::count_if(radios.begin(), radios.end(), [](auto* r) { return r->isChecked(); }),
              c.shown < 0 ? 0 : 1);
  }
}

// Stands in for the run until the formats' analyses write protocols: writes a file where the
// real run would and records what it was asked.
struct FakeRun {
  CheckOutcome operator()(const CheckRequest& r) {
    *request = r;
    CheckOutcome out;
    out.ok = true;
    out.protocol = r.outputFolder / (r.format == ProtocolFormat::Html ? "prot_x.html" : "prot_x.xml");
    test::WriteBytes(out.protocol, "<x/>");
    return out;
  }
  CheckRequest* request;
};

TEST_F(MainFormTest, NoChoiceWritesWorkbookAndStartsCalc) {
  Store().setValue("ProtType", -5);
  test::TempDir tmp;
  qputenv("TMPDIR", PathToQString(tmp.path()).toUtf8());
  CheckRequest request;
  auto form = Open(FakeRun{&request});
  RunOn(*form, "/reports/NO_RASCHSV_1.xml");
  qunsetenv("TMPDIR");

  EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("|").toStdString();
  EXPECT_EQ(request.format, ProtocolFormat::Workbook);
  EXPECT_EQ(request.report, fs::path("/reports/NO_RASCHSV_1.xml"));
  ASSERT_EQ(viewer.calls.size(), 1u);
  EXPECT_EQ(viewer.calls[0].viewer, "calc");
  EXPECT_EQ(viewer.calls[0].target, PathToQString(tmp.path() / "prot_x.xml"));
}

TEST_F(MainFormTest, EachChoiceOpensItsViewerWithItsFormat) {
  test::TempDir tmp;
  qputenv("TMPDIR", PathToQString(tmp.path()).toUtf8());
  struct Case {
    int choice;
    ProtocolFormat format;
    const char* viewer;
  };
  for (const Case c : {Case{0, ProtocolFormat::Workbook, "excel"}, Case{1, ProtocolFormat::Workbook, "calc"},
                       Case{2, ProtocolFormat::Html, "page"}}) {
    viewer.calls.clear();
    CheckRequest request;
    auto form = Open(FakeRun{&request});
    Choose(*form, c.choice);
    RunOn(*form, "/r/a.xml");
    EXPECT_EQ(request.format, c.format) << c.choice;
    ASSERT_EQ(viewer.calls.size(), 1u) << c.choice;
    EXPECT_EQ(viewer.calls[0].viewer, c.viewer);
    EXPECT_TRUE(fs::exists(QStringToPath(viewer.calls[0].target)));
  }
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainFormTest, ProtocolsGoToThePlatformTempFolderNeverTheRoot) {
  CheckRequest request;
  auto form = Open([&](const CheckRequest& r) {
    request = r;
    return CheckOutcome{};
  });
  test::TempDir tmp;
  qputenv("TMPDIR", PathToQString(tmp.path()).toUtf8());
  RunOn(*form, "/r/a.xml");
  EXPECT_EQ(request.outputFolder, tmp.path());
  qunsetenv("TMPDIR");
  qunsetenv("TEMP");
  RunOn(*form, "/r/a.xml");
  EXPECT_EQ(request.outputFolder, QStringToPath(QDir::tempPath()));
  EXPECT_NE(request.outputFolder, fs::path("/"));
  EXPECT_FALSE(request.outputFolder.empty());
}

TEST_F(MainFormTest, FailedChecksShowTheirMessageAndOpenNothing) {
  test::TempDir dir;
  test::WriteCp1251(dir / "truncated.xml", std::string(kDecl) + "<Файл ВерсФорм=\"5.02\"><Документ КНД=\"1");
  test::WriteBytes(dir / "text.xml", "просто текст");
  test::WriteCp1251(dir / "lower.xml", std::string(kDecl) + "<файл ВерсФорм=\"5.02\"><Документ/></файл>");
  test::WriteCp1251(dir / "v509.xml", std::string(kDecl) + "<Файл ВерсФорм=\"5.09\"><Документ/></Файл>");
  test::WriteCp1251(dir / "v502blank.xml", std::string(kDecl) + "<Файл ВерсФорм=\"5.02 \"><Документ/></Файл>");
  fs::create_directory(dir / "NO_RASCHSV_folder.xml");

  struct Case {
    fs::path report;
    QString message;  // the first line
    bool detail;      // a second line with the reason
  };
  const Case cases[] = {
      {dir / "missing.xml", "Выбранный файл отсутствует на диске.", true},
      {fs::path(), "Выбранный файл отсутствует на диске.", false},
      {dir / "NO_RASCHSV_folder.xml", "Не удалось прочитать файл.", true},
      {dir / "truncated.xml", "Не удалось разобрать XML-файл.", true},
      {dir / "text.xml", "Не удалось разобрать XML-файл.", true},
      {dir / "lower.xml", "Файл не является отчётом в ФНС.", false},
      {dir / "v509.xml", "Неизвестный формат файла.", true},
      {dir / "v502blank.xml", "Неизвестный формат файла.", true},
  };
  auto form = Open();
  for (const Case& c : cases) {
    messages.shown.clear();
    RunOn(*form, c.report);
    ASSERT_EQ(messages.shown.size(), 1) << c.report;
    const QStringList lines = messages.shown[0].split('\n');
    EXPECT_EQ(lines[0], c.message) << c.report;
    EXPECT_EQ(lines.size(), c.detail ? 2 : 1) << messages.shown[0].toStdString();
    if (lines.size() > 1) {
      EXPECT_FALSE(lines[1].trimmed().isEmpty());
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
  EXPECT_TRUE(viewer.calls.empty());
}

TEST_F(MainFormTest, FailedWriterIsShownAndNothingIsOpened) {
  auto form = Open([](const CheckRequest&) {
    CheckOutcome out;
    out.message = "Не удалось записать протокол: нет места на диске.";
    return out;
  });
  RunOn(*form, "/r/a.xml");
  EXPECT_EQ(messages.shown, QStringList{"Не удалось записать протокол: нет места на диске."});
  EXPECT_EQ(messages.kinds, std::vector<MessageKind>{MessageKind::Error});
  EXPECT_TRUE(viewer.calls.empty());
}

TEST_F(MainFormTest, ViewerThatCannotStartNamesTheProtocolsPath) {
  test::TempDir tmp;
  qputenv("TMPDIR", PathToQString(tmp.path()).toUtf8());
  CheckRequest request;
  auto form = Open(FakeRun{&request});
  struct Case {
    ViewerStart result;
    const char* start;  // how the message begins
  };
  for (const Case c : {Case{ViewerStart::Failed, "Не удалось открыть протокол программой просмотра."},
                       Case{ViewerStart::NotInstalled, "На компьютере не найдена программа для просмотра электронных "
                                                       "таблиц (Excel или LibreOffice Calc)."}}) {
    messages.shown.clear();
    messages.kinds.clear();
    viewer.result = c.result;
    RunOn(*form, "/r/a.xml");
    const QString expected = QDir::toNativeSeparators(PathToQString(request.outputFolder / "prot_x.xml"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(QString::fromUtf8(c.start))) << messages.shown[0].toStdString();
    EXPECT_TRUE(messages.shown[0].endsWith("Протокол записан в файл:\n" + expected)) << messages.shown[0].toStdString();
    // The protocol is there: a warning, not an error.
    EXPECT_EQ(messages.kinds, std::vector<MessageKind>{MessageKind::Warning});
  }
}

// A run that tells of half its persons and then waits for the test to let it finish, or for
// the window to stop it; a finished run writes its protocol as the real one would.
struct GatedRun {
  std::mutex lock;
  std::condition_variable changed;
  bool open = false;
  std::atomic<bool> sawStop{false};

  void Open() {
    const std::lock_guard<std::mutex> hold(lock);
    open = true;
    changed.notify_all();
  }

  CheckRunner Runner() {
    return [this](const CheckRequest& r) {
      r.progress->report(ProgressStage::Persons, 500, 1000);
      std::unique_lock<std::mutex> hold(lock);
      while (!open && !r.progress->stop) changed.wait_for(hold, std::chrono::milliseconds(2));
      CheckOutcome out;
      if (!open) {
        sawStop = true;
        out.stopped = true;
        out.message = kCheckStoppedMessage;
        return out;
      }
      out.ok = true;
      out.protocol = r.outputFolder / "prot_x.xml";
      test::WriteBytes(out.protocol, "<x/>");
      return out;
    };
  }
};

TEST_F(MainFormTest, RunShowsProgressAndStopLeavesTheFormUsableAndWritesNothing) {
  test::TempDir tmp;
  qputenv("TMPDIR", PathToQString(tmp.path()).toUtf8());
  GatedRun gate;
  auto form = Open(gate.Runner());
  auto* bar = form->findChild<QProgressBar*>("Progress_Bar");
  QPushButton* stop = Button(*form, "Stop_Button");
  ASSERT_TRUE(bar && stop);
  EXPECT_EQ(stop->text(), "Стоп");
  EXPECT_FALSE(bar->isVisible());
  EXPECT_FALSE(stop->isVisible());

  StartOn(*form, "/r/a.xml");
  ASSERT_TRUE(form->Running());
  for (QWidget* control : std::initializer_list<QWidget*>{Edit(*form), Button(*form, "Browse_Button"),
                                                          Button(*form, "Start_Button"),
                                                          form->findChild<QGroupBox*>("ProtType_Group")})
    EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_TRUE(stop->isVisible() && stop->isEnabled());
  EXPECT_FALSE(Button(*form, "Start_Button")->isVisible());
  // The bar takes the place of Старт: the hint above keeps all its lines.
  QLabel* hint = Label(*form, "Hint_Label");
  EXPECT_GE(hint->height(), hint->heightForWidth(hint->width()));
  ASSERT_TRUE(WaitUntil([&] { return bar->value() == 500; }));
  EXPECT_EQ(bar->maximum(), 1000);
  EXPECT_EQ(bar->text(), "Обработка застрахованных лиц: 500 из 1000");
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
  // A second Старт while running is not possible; the window repaints meanwhile.
  QTest::qWait(50);

  // The run notices the stop a moment later; meanwhile the window says it is stopping.
  std::unique_lock<std::mutex> holdTheRun(gate.lock);
  QTest::mouseClick(stop, Qt::LeftButton);
  EXPECT_FALSE(stop->isEnabled());
  EXPECT_EQ(bar->format(), "Остановка проверки...");
  holdTheRun.unlock();
  ASSERT_TRUE(WaitUntil([&] { return !form->Running(); }));
  EXPECT_TRUE(gate.sawStop);
  EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("|").toStdString();
  EXPECT_TRUE(viewer.calls.empty());
  EXPECT_TRUE(fs::is_empty(tmp.path()));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(bar->isVisible());
  EXPECT_FALSE(stop->isVisible());
  EXPECT_TRUE(Button(*form, "Start_Button")->isEnabled());
  EXPECT_TRUE(Button(*form, "Start_Button")->isVisible());
  EXPECT_TRUE(Edit(*form)->isEnabled());

  // The same window runs again to the end.
  gate.Open();
  RunOn(*form, "/r/a.xml");
  qunsetenv("TMPDIR");
  ASSERT_EQ(viewer.calls.size(), 1u);
  EXPECT_EQ(viewer.calls[0].target, PathToQString(tmp.path() / "prot_x.xml"));
}

TEST_F(MainFormTest, ClosingOrDestroyingTheWindowDuringARunStopsIt) {
  for (const bool close : {true, false}) {
    GatedRun gate;
    auto form = Open(gate.Runner());
    StartOn(*form, "/r/a.xml");
    ASSERT_TRUE(form->Running());
    if (close) {
      form->close();
      EXPECT_FALSE(form->Running());
    }
    form.reset();
    EXPECT_TRUE(gate.sawStop) << close;
    QTest::qWait(20);  // a late signal of the run finds nothing to do
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(viewer.calls.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
}

TEST_F(MainFormTest, ErrorDuringRunIsShownAndWindowStaysUsable) {
  int runs = 0;
  auto form = Open([&](const CheckRequest& r) -> CheckOutcome {
    if (++runs == 1) throw std::runtime_error("Ошибка при анализе: нехватка памяти.");
    CheckOutcome out;
    out.message = "second run";
    (void)r;
    return out;
  });
  RunOn(*form, "/r/a.xml");
  EXPECT_EQ(messages.shown, QStringList{"Ошибка при анализе: нехватка памяти."});
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  RunOn(*form, "/r/a.xml");
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(messages.shown.back(), "second run");
}

class ThrowingObject : public QObject {
 public:
  bool event(QEvent*) override { throw std::logic_error("сбой в обработчике"); }
};

TEST_F(MainFormTest, ApplicationShowsErrorsEscapingEventHandlers) {
  ThrowingObject object;
  QEvent event(QEvent::User);
  EXPECT_FALSE(QCoreApplication::sendEvent(&object, &event));
  EXPECT_EQ(messages.shown, QStringList{"сбой в обработчике"});
  EXPECT_EQ(messages.kinds, std::vector<MessageKind>{MessageKind::Error});
}

TEST_F(MainFormTest, UnhandledErrorsAreShownInTheUsersLanguage) {
  struct Case {
    std::function<void()> fail;
    QString shown;
  };
  const Case cases[] = {
      {[] { throw std::runtime_error("Ошибка чтения."); }, "Ошибка чтения."},
      {[] { throw std::bad_alloc(); }, "Недостаточно памяти для выполнения операции."},
      {[] { throw std::runtime_error(""); }, "Произошла непредвиденная ошибка."},
      {[] { throw 42; }, "Произошла непредвиденная ошибка."},
  };
  for (const Case& c : cases) {
    messages.shown.clear();
    EXPECT_FALSE(RunGuarded(c.fail));
    EXPECT_EQ(messages.shown, QStringList{c.shown});
  }
}

TEST_F(MainFormTest, SettingsThatCannotBeReadOrWrittenAreReported) {
  Store().setValue("LastCheckedFile", QStringList{"a", "b"});
  Store().setValue("ProtType", 2);
  auto form = Open();
  ASSERT_EQ(messages.shown.size(), 1);
  EXPECT_TRUE(messages.shown[0].contains("LastCheckedFile"));
  EXPECT_EQ(Edit(*form)->text(), "");
  EXPECT_EQ(form->ProtTypeIndex(), 0);
  EXPECT_EQ(Label(*form, "Version_Label")->text(), "Версия 2.2.0.0 от 10 января 2020 г.");

  messages.shown.clear();
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                     PathToQString(sandbox.path() / "blocked" / "inner"));
  test::WriteBytes(sandbox.path() / "blocked", "");
  EXPECT_TRUE(form->close());
  EXPECT_EQ(messages.shown, QStringList{"Не удалось сохранить настройки программы."});
}

TEST_F(MainFormTest, SiteLabelOpensTheProgramsPage) {
  auto form = Open();
  QTest::mouseClick(Label(*form, "Site_Label"), Qt::LeftButton);
  ASSERT_EQ(viewer.calls.size(), 1u);
  EXPECT_EQ(viewer.calls[0].viewer, "site");
  EXPECT_EQ(viewer.calls[0].target, ToQString(SiteUrl));
  EXPECT_TRUE(viewer.calls[0].target.startsWith("https://"));
}

// Drags urls onto the window's centre and drops them there, as the platform delivers it.
// True when the window accepted the drag and the drop.
bool DropOnto(TMain_Form& form, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  const QPoint centre = form.rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(centre), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&form, &drop);
  return drop.isAccepted();
}

TEST_F(MainFormTest, DroppedReportBecomesTheChosenFileOtherDropsAreIgnored) {
  test::TempDir dir;
  for (const char* name : {"NO_RASCHSV_1.xml", "Отчёт 2.XML", "notes.txt"}) test::WriteBytes(dir / name, "<x/>");
  fs::create_directory(dir / "folder.xml");
  const auto url = [&](const char* name) { return QUrl::fromLocalFile(PathToQString(dir / name)); };
  const QString before = QStringLiteral("/r/NO_RASCHSV_0.xml");

  struct Case {
    QList<QUrl> urls;
    QString chosen;  // empty: the drop is refused and the file stays
  };
  const Case cases[] = {
      {{url("NO_RASCHSV_1.xml")}, QDir::toNativeSeparators(PathToQString(dir / "NO_RASCHSV_1.xml"))},
      {{url("Отчёт 2.XML")}, QDir::toNativeSeparators(PathToQString(dir / "Отчёт 2.XML"))},
      {{url("notes.txt")}, {}},
      {{url("folder.xml")}, {}},
      {{url("missing.xml")}, {}},
      {{url("NO_RASCHSV_1.xml"), url("Отчёт 2.XML")}, {}},  // which one was meant is unknown
      {{QUrl("https://example.org/NO_RASCHSV_1.xml")}, {}},
      {{}, {}},
  };
  auto form = Open();
  // The platform hands a drop to the innermost widget that takes drops: that must be the window,
  // the file name's field included.
  EXPECT_TRUE(form->acceptDrops());
  EXPECT_FALSE(Edit(*form)->acceptDrops());
  for (const Case& c : cases) {
    Edit(*form)->setText(before);
    EXPECT_EQ(DropOnto(*form, c.urls), !c.chosen.isEmpty()) << c.chosen.toStdString();
    EXPECT_EQ(Edit(*form)->text(), c.chosen.isEmpty() ? before : c.chosen);
  }
  EXPECT_TRUE(messages.shown.isEmpty());
}

// Waits for the dialog that "Обзор" opens, lets check look at it, then accepts or cancels it.
template <class Check>
void WhenDialogOpens(Check check) {
  QTimer::singleShot(0, [check] {
    QFileDialog* dialog = nullptr;
    for (int i = 0; i < 200 && !dialog; ++i) {
      dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) QTest::qWait(10);
    }
    if (!dialog) {
      ADD_FAILURE() << "no file dialog";
      return;
    }
    check(*dialog);
  });
}

TEST_F(MainFormTest, BrowseStartsAtTheCurrentFileAndFiltersReportsInAnyCase) {
  test::TempDir dir;
  for (const char* name : {"NO_RASCHSV_1.xml", "no_raschsv_2.XML", "other.xml", "NO_RASCHSV_3.txt"})
    test::WriteBytes(dir / name, "<x/>");
  const QString current = PathToQString(dir / "NO_RASCHSV_1.xml");
  const QString chosen = PathToQString(dir / "no_raschsv_2.XML");

  auto form = Open();
  Edit(*form)->setText(current);
  QStringList listed;
  QString startFolder, filter;
  WhenDialogOpens([&](QFileDialog& dialog) {
    startFolder = dialog.directory().absolutePath();
    filter = dialog.selectedNameFilter();
    auto* list = dialog.findChild<QListView*>("listView");
    for (int i = 0; i < 300 && list && list->model()->rowCount(list->rootIndex()) < 2; ++i) QTest::qWait(10);
    if (list)
      for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
        listed << list->model()->index(row, 0, list->rootIndex()).data().toString();
    // Typed as the user would; selectFile leaves a focused name field alone.
    if (auto* name = dialog.findChild<QLineEdit*>("fileNameEdit")) name->setText("no_raschsv_2.XML");
    static_cast<QDialog&>(dialog).accept();  // public there
  });
  QTest::mouseClick(Button(*form, "Browse_Button"), Qt::LeftButton);

  EXPECT_EQ(startFolder, PathToQString(dir.path()));
  EXPECT_EQ(filter, "Файлы расчетов по страховым взносам (NO_RASCHSV_*.xml)");
  listed.sort();
  EXPECT_EQ(listed, (QStringList{"NO_RASCHSV_1.xml", "no_raschsv_2.XML"}));
  EXPECT_EQ(Edit(*form)->text(), chosen);
}

TEST_F(MainFormTest, CancelledBrowseChangesNothing) {
  auto form = Open();
  Edit(*form)->setText("/r/NO_RASCHSV_1.xml");
  WhenDialogOpens([](QFileDialog& dialog) { dialog.reject(); });
  QTest::mouseClick(Button(*form, "Browse_Button"), Qt::LeftButton);
  EXPECT_EQ(Edit(*form)->text(), "/r/NO_RASCHSV_1.xml");
}

// The last report of each example folder: the one with earlier-period files beside it.
std::vector<fs::path> SampleReports() {
  std::map<fs::path, fs::path> lastInFolder;
  const fs::path root = test::ExamplesDir();
  std::error_code ec;
  if (fs::is_directory(root, ec)) {
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (!it->is_regular_file() || name.rfind("NO_RASCHSV_", 0) != 0) continue;
      fs::path& last = lastInFolder[it->path().parent_path()];
      if (last.empty() || last < it->path()) last = it->path();
    }
  }
  std::vector<fs::path> found;
  for (const auto& [folder, report] : lastInFolder) found.push_back(report);
  return found;
}

TEST_F(MainFormTest, SuccessfulRunsWriteTheProtocolAndOpenIt) {
  test::TempDir tmp;
  qputenv("TMPDIR", PathToQString(tmp.path()).toUtf8());
  Store().setValue("ProtType", -5);
  auto form = Open();
  ASSERT_EQ(form->ProtTypeIndex(), -1);
  int succeeded = 0;
  QStringList notYet;
  for (const fs::path& report : SampleReports()) {
    struct Step {
      int choice;  // -1: left as the stored -5 gave it
      const char* viewer;
      const char* extension;
    };
    for (const Step step : {Step{-1, "calc", ".xml"}, Step{2, "page", ".html"}, Step{0, "excel", ".xml"}}) {
      messages.shown.clear();
      viewer.calls.clear();
      if (step.choice < 0)
        form->SetProtTypeIndex(-5);
      else
        Choose(*form, step.choice);
      RunOn(*form, report);
      if (!messages.shown.isEmpty()) {
        // Only a format whose analysis is still missing may fail here.
        EXPECT_TRUE(messages.shown[0].contains("ещё не реализован")) << report << ": " << messages.shown[0].toStdString();
        notYet << PathToQString(report) + ": " + messages.shown.join(" / ");
        break;
      }
      ASSERT_EQ(viewer.calls.size(), 1u) << report;
      EXPECT_EQ(viewer.calls[0].viewer, step.viewer) << report;
      const fs::path protocol = QStringToPath(viewer.calls[0].target);
      EXPECT_EQ(protocol.parent_path(), tmp.path());
      EXPECT_EQ(protocol.extension(), step.extension);
      EXPECT_EQ(protocol.filename().string().rfind("prot_", 0), 0u) << protocol;
      EXPECT_GT(test::ReadBytes(protocol).size(), 100u) << protocol;
      if (step.choice == 0) ++succeeded;
    }
  }
  qunsetenv("TMPDIR");
  if (succeeded == 0)
    GTEST_SKIP() << "no report in examples/ can be analysed yet; "
                 << (notYet.isEmpty() ? std::string("none found") : notYet.join("; ").toStdString());
}

TEST_F(MainFormTest, FindingsOnlyIsRememberedAndReachesTheRun) {
  test::TempDir tmp;
  qputenv("TMPDIR", PathToQString(tmp.path()).toUtf8());
  CheckRequest request;
  {
    auto form = Open(FakeRun{&request});
    ASSERT_NE(FindingsOnlyBox(*form), nullptr);
    EXPECT_FALSE(FindingsOnlyBox(*form)->isChecked());
    RunOn(*form, "/r/a.xml");
    EXPECT_EQ(request.persons, PersonSelection::All);
    ClickFindingsOnly(*form);
    ASSERT_TRUE(form->FindingsOnly());
    RunOn(*form, "/r/a.xml");
    EXPECT_EQ(request.persons, PersonSelection::WithFindings);
    form->close();
  }
  EXPECT_TRUE(Store().value("FindingsOnly").toBool());
  {
    auto form = Open(FakeRun{&request});
    EXPECT_TRUE(FindingsOnlyBox(*form)->isChecked());
    RunOn(*form, "/r/a.xml");
    EXPECT_EQ(request.persons, PersonSelection::WithFindings);
    ClickFindingsOnly(*form);
    form->close();
  }
  EXPECT_FALSE(Store().value("FindingsOnly").toBool());
  auto form = Open(FakeRun{&request});
  EXPECT_FALSE(form->FindingsOnly());
  qunsetenv("TMPDIR");
  EXPECT_TRUE(messages.shown.isEmpty());
}

// Runs of a window whose size limit for pages is 3 bytes: every page of FakeRun ("<x/>") is above it.
class LargePageTest : public MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    qputenv("TMPDIR", PathToQString(tmp.path()).toUtf8());
  }
  void TearDown() override {
    qunsetenv("TMPDIR");
    MainFormTest::TearDown();
  }
  std::unique_ptr<TMain_Form> OpenWithLimit(std::uintmax_t limit) {
    auto form = std::make_unique<TMain_Form>(MainFormServices{&messages, &viewer, Recorded(), limit});
    form->show();
    return form;
  }
  CheckRunner Recorded() {
    return [this](const CheckRequest& r) {
      requests.push_back(r);
      CheckRequest ignored;
      return FakeRun{&ignored}(r);
    };
  }
  QString Page() const { return QDir::toNativeSeparators(PathToQString(tmp.path() / "prot_x.html")); }

  test::TempDir tmp;
  std::vector<CheckRequest> requests;
};

TEST_F(LargePageTest, APageAboveTheLimitIsOpenedOnlyWhenTheUserSaysSo) {
  auto form = OpenWithLimit(3);
  Choose(*form, 2);
  messages.answers = {0};
  RunOn(*form, "/r/a.xml");
  ASSERT_EQ(messages.choices.size(), 1u);
  EXPECT_EQ(messages.choices[0], (QStringList{"Открыть всё равно", "Записать книгу вместо страницы",
                                              "Проверить снова: только лица с замечаниями"}));
  EXPECT_EQ(messages.kinds[0], MessageKind::Warning);
  EXPECT_TRUE(messages.shown[0].contains(Page())) << messages.shown[0].toStdString();
  EXPECT_TRUE(messages.shown[0].contains("4 байт")) << messages.shown[0].toStdString();
  ASSERT_EQ(viewer.calls.size(), 1u);
  EXPECT_EQ(viewer.calls[0].viewer, "page");

  // Closed without an answer: nothing opened, the box has told where the page is.
  viewer.calls.clear();
  RunOn(*form, "/r/a.xml");
  EXPECT_EQ(messages.choices.size(), 2u);
  EXPECT_TRUE(viewer.calls.empty());
}

TEST_F(LargePageTest, TheWorkbookInsteadIsWrittenAndOpenedInTheSpreadsheetProgram) {
  auto form = OpenWithLimit(3);
  Choose(*form, 2);
  messages.answers = {1};
  RunOn(*form, "/r/a.xml");
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[1].format, ProtocolFormat::Workbook);
  EXPECT_EQ(requests[1].persons, PersonSelection::All);
  EXPECT_EQ(messages.choices.size(), 1u);  // a workbook is never asked about
  ASSERT_EQ(viewer.calls.size(), 1u);
  EXPECT_EQ(viewer.calls[0].viewer, "excel");
  EXPECT_EQ(form->ProtTypeIndex(), 2);  // the choice stays for the next run
}

TEST_F(LargePageTest, RunAgainWithFindingsOnlyTicksTheBoxAndAsksNoMoreForIt) {
  auto form = OpenWithLimit(3);
  Choose(*form, 2);
  messages.answers = {2, 0};
  RunOn(*form, "/r/a.xml");
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].persons, PersonSelection::All);
  EXPECT_EQ(requests[1].persons, PersonSelection::WithFindings);
  EXPECT_EQ(requests[1].format, ProtocolFormat::Html);
  EXPECT_TRUE(form->FindingsOnly());
  // The second page is above the limit too: the offer to leave persons out is not made again.
  ASSERT_EQ(messages.choices.size(), 2u);
  EXPECT_EQ(messages.choices[1].size(), 2);
  ASSERT_EQ(viewer.calls.size(), 1u);
  EXPECT_EQ(viewer.calls[0].viewer, "page");
}

TEST_F(LargePageTest, PagesWithinTheLimitAndWorkbooksOpenWithoutAQuestion) {
  {
    auto form = OpenWithLimit(4);
    Choose(*form, 2);
    RunOn(*form, "/r/a.xml");
  }
  {
    auto form = OpenWithLimit(3);
    Choose(*form, 0);
    RunOn(*form, "/r/a.xml");
  }
  EXPECT_TRUE(messages.choices.empty());
  ASSERT_EQ(viewer.calls.size(), 2u);
  EXPECT_EQ(viewer.calls[0].viewer, "page");
  EXPECT_EQ(viewer.calls[1].viewer, "excel");
  EXPECT_EQ(MainFormServices{}.largePageBytes, 50u * 1024 * 1024);
}

}  // namespace
}  // namespace orsvelt
