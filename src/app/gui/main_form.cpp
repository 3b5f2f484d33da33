#include "app/gui/main_form.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <mutex>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "app/gui/clickable_label.h"
#include "app/gui/top_level_errors.h"
#include "markup/file_size_text.h"
#include "markup/program_constants.h"
#include "platform/message_boxes.h"
#include "platform/protocol_viewer.h"
#include "platform/qt_text.h"
#include "platform/temp_folder.h"

namespace orsvelt {

namespace {

constexpr int kWidth = 464;
constexpr int kMinHeight = 404;
constexpr int kMaxHeight = 474;
constexpr int kStartHeight = 435;

constexpr const char* kFileCaption = "Имя файла для анализа";
constexpr const char* kBrowse = "Обзор";
constexpr const char* kHint =
    "Для проведения контроля базы начисления взносов по сотрудникам нарастающим итогом с начала года "
    "рекомендуется поместить в папку с проверяемым файлом файлы расчётов за предыдущие периоды "
    "отчётного года (в т. ч. корректирующие), принятые ранее в ИФНС. В папке могут быть также другие "
    "файлы; программа прочитает основной файл и сама подгрузит из папки только файлы предыдущих "
    "периодов.";
constexpr const char* kGroupCaption = "Открыть протокол в";
constexpr const char* kViewers[] = {"Excel", "OpenOffice.org Calc", "Браузер"};
constexpr const char* kFindingsOnly = "Только лица с замечаниями";
constexpr const char* kStart = "Старт";
constexpr const char* kStop = "Стоп";
// A file being read is not left halfway: the stop may take as long as the reading of one report.
constexpr const char* kStopping = "Остановка проверки...";
constexpr int kProgressPollMs = 100;
constexpr const char* kSite = "Сайт программы";
constexpr const char* kOpenFilter = "Файлы расчетов по страховым взносам (NO_RASCHSV_*.xml)";
constexpr const char* kViewerFailed =
    "Не удалось открыть протокол программой просмотра. Протокол записан в файл:\n";
constexpr const char* kNoSpreadsheetProgram =
    "На компьютере не найдена программа для просмотра электронных таблиц (Excel или LibreOffice Calc). "
    "Протокол записан в файл:\n";

constexpr const char* kLargePage =
    "Протокол записан в файл:\n%1\n\nЕго размер - %2: браузер может открывать такую страницу очень долго "
    "или не открыть совсем.";
constexpr const char* kOpenAnyway = "Открыть всё равно";
constexpr const char* kOpenWorkbook = "Записать книгу вместо страницы";
constexpr const char* kRunFindingsOnly = "Проверить снова: только лица с замечаниями";

constexpr int kExcel = 0;
constexpr int kBrowser = 2;

QFont BoldFont() {
  QFont font;  // only the weight is set, the rest comes from the window
  font.setBold(true);
  return font;
}

QFont WindowFont() {
  const QString tahoma = QStringLiteral("Tahoma");
  if (QFontDatabase::hasFamily(tahoma)) return QFont(tahoma, 8);
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
}

// The report a drag carries: one local file named *.xml in any case; empty for anything else.
QString DraggedReport(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  const QFileInfo file(urls.front().toLocalFile());
  if (!file.isFile() || file.suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) != 0) return {};
  return QDir::toNativeSeparators(file.absoluteFilePath());
}

QLabel* CentredLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignHCenter);
  return label;
}

}  // namespace

// A check running on its own thread. The thread writes the progress under the lock; the
// window reads it on a timer, so the check never waits for the window.
struct TMain_Form::ActiveRun {
  ProgressSink sink;
  std::mutex lock;
  ProgressStage stage = ProgressStage::Report;
  std::int64_t done = 0, total = 0;
  bool reported = false;

  std::uint64_t number = 0;  // tells a late signal of an abandoned run from the current one
  int choice = -1;
  PersonSelection persons = PersonSelection::All;
  CheckOutcome outcome;
  std::exception_ptr thrown;
  std::unique_ptr<QThread> thread;
};

TMain_Form::TMain_Form(MainFormServices services, QWidget* parent) : QWidget(parent), services_(std::move(services)) {
  setWindowTitle(ToQString(WindowCaption));
  setAcceptDrops(true);
  setFont(WindowFont());
  BuildControls();
  setFixedWidth(kWidth);
  setMinimumHeight(kMinHeight);
  setMaximumHeight(kMaxHeight);
  resize(kWidth, kStartHeight);
}

TMain_Form::~TMain_Form() { StopAndWait(); }

void TMain_Form::BuildControls() {
  auto* layout = new QVBoxLayout(this);

  Title_Label = CentredLabel(ToQString(WindowTitleLine), this);
  Title_Label->setObjectName("Title_Label");
  Title_Label->setFont(BoldFont());
  Title_Label->setWordWrap(true);
  layout->addWidget(Title_Label);

  Version_Label = CentredLabel(QString(), this);
  Version_Label->setObjectName("Version_Label");
  layout->addWidget(Version_Label);

  Debug_Label = CentredLabel(ToQString(DebugWarning), this);
  Debug_Label->setObjectName("Debug_Label");
  Debug_Label->setFont(BoldFont());
  Debug_Label->setStyleSheet("color: red;");
  Debug_Label->setWordWrap(true);
  layout->addWidget(Debug_Label);

  auto* caption = new QLabel(QString::fromUtf8(kFileCaption), this);
  layout->addWidget(caption);
  auto* fileRow = new QHBoxLayout;
  FileName_Edit = new QLineEdit(this);
  FileName_Edit->setObjectName("FileName_Edit");
  FileName_Edit->setReadOnly(true);
  // A drop over the field would stop at it (it takes only text, and is read-only); the window takes it.
  FileName_Edit->setAcceptDrops(false);
  caption->setBuddy(FileName_Edit);
  fileRow->addWidget(FileName_Edit);
  Browse_Button = new QPushButton(QString::fromUtf8(kBrowse), this);
  Browse_Button->setObjectName("Browse_Button");
  fileRow->addWidget(Browse_Button);
  layout->addLayout(fileRow);

  auto* hint = new QLabel(QString::fromUtf8(kHint), this);
  hint->setObjectName("Hint_Label");
  hint->setWordWrap(true);
  layout->addWidget(hint);

  ProtType_Group = new QGroupBox(QString::fromUtf8(kGroupCaption), this);
  ProtType_Group->setObjectName("ProtType_Group");
  ProtType_Buttons = new QButtonGroup(this);
  auto* groupLayout = new QVBoxLayout(ProtType_Group);
  for (int i = 0; i < 3; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(kViewers[i]), ProtType_Group);
    ProtType_Buttons->addButton(radio, i);
    groupLayout->addWidget(radio);
  }
  ProtType_Buttons->button(kExcel)->setChecked(true);
  layout->addWidget(ProtType_Group);

  FindingsOnly_Check = new QCheckBox(QString::fromUtf8(kFindingsOnly), this);
  FindingsOnly_Check->setObjectName("FindingsOnly_Check");
  layout->addWidget(FindingsOnly_Check);

  // During a run the progress bar and "Стоп" take the place of "Старт": the window keeps its height.
  auto* runRow = new QHBoxLayout;
  Progress_Bar = new QProgressBar(this);
  Progress_Bar->setObjectName("Progress_Bar");
  Progress_Bar->setTextVisible(true);
  Progress_Bar->setVisible(false);
  runRow->addWidget(Progress_Bar, 1);
  Start_Button = new QPushButton(QString::fromUtf8(kStart), this);
  Start_Button->setObjectName("Start_Button");
  runRow->addWidget(Start_Button, 0, Qt::AlignHCenter);
  Stop_Button = new QPushButton(QString::fromUtf8(kStop), this);
  Stop_Button->setObjectName("Stop_Button");
  Stop_Button->setVisible(false);
  runRow->addWidget(Stop_Button);
  layout->addLayout(runRow);
  progressTimer_ = new QTimer(this);
  progressTimer_->setInterval(kProgressPollMs);
  connect(progressTimer_, &QTimer::timeout, this, [this] { ShowProgress(); });

  Site_Label = new ClickableLabel(QString::fromUtf8(kSite), this);
  Site_Label->setObjectName("Site_Label");
  Site_Label->setAlignment(Qt::AlignHCenter);
  Site_Label->setStyleSheet("color: blue; text-decoration: underline;");
  layout->addWidget(Site_Label, 0, Qt::AlignHCenter);
  layout->addStretch(1);

  connect(Browse_Button, &QPushButton::clicked, this, [this] { RunGuarded([this] { Browse_ButtonClick(); }); });
  connect(Start_Button, &QPushButton::clicked, this, [this] { Start_ButtonClick(); });
  connect(Stop_Button, &QPushButton::clicked, this, [this] { Stop_ButtonClick(); });
  connect(Site_Label, &ClickableLabel::clicked, this, [this] { RunGuarded([this] { Site_LabelClick(); }); });
}

MessageBoxes& TMain_Form::Messages() {
  if (services_.messages) return *services_.messages;
  if (!ownMessages_) ownMessages_ = std::make_unique<PlainMessageBoxes>(this);
  return *ownMessages_;
}

ProtocolViewer& TMain_Form::Viewer() {
  if (services_.viewer) return *services_.viewer;
  if (!ownViewer_) ownViewer_ = std::make_unique<DesktopViewer>();
  return *ownViewer_;
}

int TMain_Form::ProtTypeIndex() const { return ProtType_Buttons->checkedId(); }

bool TMain_Form::FindingsOnly() const { return FindingsOnly_Check->isChecked(); }

void TMain_Form::SetProtTypeIndex(int index) {
  index = std::clamp(index, -1, 2);
  if (index >= 0) {
    ProtType_Buttons->button(index)->setChecked(true);
    return;
  }
  // An exclusive group never lets the last checked button go.
  ProtType_Buttons->setExclusive(false);
  for (QAbstractButton* button : ProtType_Buttons->buttons()) button->setChecked(false);
  ProtType_Buttons->setExclusive(true);
}

void TMain_Form::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Restoring a minimised window is a spontaneous show: the settings are read once per showing.
  if (!event->spontaneous()) RunGuarded([this] { OnShow(); });
}

void TMain_Form::closeEvent(QCloseEvent* event) {
  StopAndWait();
  RunGuarded([this] { OnClose(); });
  event->accept();
}

void TMain_Form::dragEnterEvent(QDragEnterEvent* event) {
  if (!Running() && !DraggedReport(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TMain_Form::dropEvent(QDropEvent* event) {
  const QString report = DraggedReport(event->mimeData());
  if (report.isEmpty() || Running()) return;
  ShowFileName(report);
  event->acceptProposedAction();
}

void TMain_Form::OnShow() {
  Debug_Label->setVisible(DebugBuild);
  Version_Label->setText(QStringLiteral("Версия ") + ToQString(VersionText) + QStringLiteral(" от ") +
                         ToQString(VersionDate));
  settings_.LoadSettings();
  ShowFileName(ToQString(settings_.LastCheckedFile));
  SetProtTypeIndex(settings_.ProtType);
  FindingsOnly_Check->setChecked(settings_.FindingsOnly);
}

void TMain_Form::OnClose() {
  settings_.LastCheckedFile = ToUtf8(FileName_Edit->text());
  settings_.ProtType = ProtTypeIndex();
  settings_.FindingsOnly = FindingsOnly();
  settings_.SaveSettings();
}

void TMain_Form::Browse_ButtonClick() {
  QFileDialog dialog(this);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(QString::fromUtf8(kOpenFilter));
  // Reports arrive as NO_RASCHSV_*.XML as well.
  dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive);
  const QString current = FileName_Edit->text();
  if (!current.isEmpty()) dialog.selectFile(current);
  if (dialog.exec() != QDialog::Accepted) return;
  const QStringList chosen = dialog.selectedFiles();
  if (!chosen.isEmpty()) ShowFileName(QDir::toNativeSeparators(chosen.front()));
}

void TMain_Form::ShowFileName(const QString& path) {
  FileName_Edit->setText(path);
  FileName_Edit->setCursorPosition(0);  // a long path shows from its start, as edits do
}

void TMain_Form::Site_LabelClick() { Viewer().OpenSite(ToQString(SiteUrl)); }

void TMain_Form::Start_ButtonClick() { RunGuarded([this] { RunOnce(); }); }

bool TMain_Form::Running() const { return run_ != nullptr; }

void TMain_Form::Stop_ButtonClick() {
  if (!run_) return;
  run_->sink.stop = true;
  Stop_Button->setEnabled(false);  // the run ends at its next safe point
  ShowProgress();
}

void TMain_Form::SetRunning(bool running) {
  for (QWidget* control : {static_cast<QWidget*>(FileName_Edit), static_cast<QWidget*>(Browse_Button),
                           static_cast<QWidget*>(ProtType_Group), static_cast<QWidget*>(FindingsOnly_Check),
                           static_cast<QWidget*>(Start_Button)})
    control->setEnabled(!running);
  Start_Button->setVisible(!running);
  Progress_Bar->setVisible(running);
  Stop_Button->setVisible(running);
  Stop_Button->setEnabled(running);
  if (running) {
    Progress_Bar->setRange(0, 0);  // busy until the first report
    Progress_Bar->setFormat(QString());
    progressTimer_->start();
    QApplication::setOverrideCursor(Qt::BusyCursor);
  } else {
    progressTimer_->stop();
    QApplication::restoreOverrideCursor();
  }
}

void TMain_Form::RunOnce() {
  StartRun(ProtTypeIndex(), FindingsOnly() ? PersonSelection::WithFindings : PersonSelection::All);
}

void TMain_Form::StartRun(int choice, PersonSelection persons) {
  if (run_) return;
  CheckRequest request;
  request.report = QStringToPath(FileName_Edit->text());
  request.format = choice == kBrowser ? ProtocolFormat::Html : ProtocolFormat::Workbook;
  request.persons = persons;
  request.executableFolder = QStringToPath(QCoreApplication::applicationDirPath());
  request.outputFolder = ProtocolFolder();

  run_ = std::make_unique<ActiveRun>();
  ActiveRun* run = run_.get();
  run->number = ++runCount_;
  run->choice = choice;
  run->persons = persons;
  run->sink.report = [run](ProgressStage stage, std::int64_t done, std::int64_t total) {
    const std::lock_guard<std::mutex> hold(run->lock);
    run->stage = stage;
    run->done = done;
    run->total = total;
    run->reported = true;
  };
  request.progress = &run->sink;
  CheckRunner runner = services_.run ? services_.run : CheckRunner(RunCheck);
  run->thread.reset(QThread::create([run, runner = std::move(runner), request = std::move(request)] {
    try {
      run->outcome = runner(request);
    } catch (...) {
      run->thrown = std::current_exception();
    }
  }));
  connect(run->thread.get(), &QThread::finished, this, [this, number = run->number] {
    if (run_ && run_->number == number) FinishRun();  // not after StopAndWait has taken the run away
  });
  SetRunning(true);
  run->thread->start();
}

void TMain_Form::ShowProgress() {
  if (!run_) return;
  if (run_->sink.stop) {
    Progress_Bar->setFormat(QString::fromUtf8(kStopping));
    return;
  }
  ProgressStage stage;
  std::int64_t done, total;
  {
    const std::lock_guard<std::mutex> hold(run_->lock);
    if (!run_->reported) return;
    stage = run_->stage;
    done = run_->done;
    total = run_->total;
  }
  // The bar counts in int; a scale keeps large totals within it.
  const int shift = total > (std::int64_t{1} << 30) ? 10 : 0;
  if (total > 0) {
    Progress_Bar->setRange(0, static_cast<int>(total >> shift));
    Progress_Bar->setValue(static_cast<int>(std::min(done, total) >> shift));
  } else {
    // No total (the writing): a full bar, since a busy one would hide the words.
    Progress_Bar->setRange(0, 1);
    Progress_Bar->setValue(1);
  }
  Progress_Bar->setFormat(ToQString(ProgressText(stage, done, total)).replace(QLatin1Char('%'), QLatin1String("%%")));
}

void TMain_Form::FinishRun() {
  std::unique_ptr<ActiveRun> run = std::move(run_);
  run->thread->wait();
  SetRunning(false);
  if (run->thrown) {
    RunGuarded([&] { std::rethrow_exception(run->thrown); });
  } else if (run->outcome.stopped) {
    // The user asked for it: nothing to tell.
  } else if (!run->outcome.ok) {
    QString text = ToQString(run->outcome.message);
    if (!run->outcome.detail.empty()) text += QLatin1Char('\n') + ToQString(run->outcome.detail);
    Messages().Show(MessageKind::Error, text);
  } else {
    RunGuarded([&] {
      if (!OpenLargePage(*run)) return;
      const ViewerStart start = OpenProtocol(run->choice, run->outcome.protocol);
      if (start == ViewerStart::Started) return;
      const char* reason = start == ViewerStart::NotInstalled ? kNoSpreadsheetProgram : kViewerFailed;
      Messages().Show(MessageKind::Warning,
                      QString::fromUtf8(reason) + QDir::toNativeSeparators(PathToQString(run->outcome.protocol)));
    });
  }
  emit RunFinished();
}

bool TMain_Form::OpenLargePage(const ActiveRun& run) {
  if (run.choice != kBrowser) return true;
  std::error_code ec;
  const std::uintmax_t bytes = std::filesystem::file_size(run.outcome.protocol, ec);
  if (ec || bytes <= services_.largePageBytes) return true;
  QStringList answers{QString::fromUtf8(kOpenAnyway), QString::fromUtf8(kOpenWorkbook)};
  const bool offerFindingsOnly = run.persons == PersonSelection::All;
  if (offerFindingsOnly) answers.push_back(QString::fromUtf8(kRunFindingsOnly));
  const QString text = QString::fromUtf8(kLargePage)
                           .arg(QDir::toNativeSeparators(PathToQString(run.outcome.protocol)), ToQString(FileSizeText(bytes)));
  switch (Messages().Choose(MessageKind::Warning, text, answers)) {
    case 0:
      return true;
    case 1:
      // The spreadsheet program that "Excel" finds: Excel, else the desktop's, else Calc.
      StartRun(kExcel, run.persons);
      return false;
    case 2:
      // Shown as the choice it now is, and remembered with the others.
      FindingsOnly_Check->setChecked(true);
      StartRun(run.choice, PersonSelection::WithFindings);
      return false;
    default:
      return false;  // closed: the page stays where the box said
  }
}

void TMain_Form::StopAndWait() {
  if (!run_) return;
  std::unique_ptr<ActiveRun> run = std::move(run_);
  run->sink.stop = true;
  run->thread->wait();
  SetRunning(false);
}

ViewerStart TMain_Form::OpenProtocol(int choice, const std::filesystem::path& protocol) {
  if (choice == kBrowser) return Viewer().OpenPage(protocol);
  if (choice == kExcel) return Viewer().OpenInExcel(protocol);
  return Viewer().OpenInCalc(protocol);  // Calc, and also when nothing is chosen
}

}  // namespace orsvelt
