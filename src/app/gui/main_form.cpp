#include "app/gui/main_form.h"

#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
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
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/gui/clickable_label.h"
#include "app/gui/top_level_errors.h"
#include "markup/program_constants.h"
#include "platform/message_boxes.h"
#include "platform/protocol_viewer.h"
#include "platform/qt_text.h"
#include "platform/temp_folder.h"

namespace orsvelt {

namespace {

constexpr int kWidth = 464;
constexpr int kMinHeight = 380;
constexpr int kMaxHeight = 450;
constexpr int kStartHeight = 411;

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
constexpr const char* kStart = "Старт";
constexpr const char* kSite = "Сайт программы";
constexpr const char* kOpenFilter = "Файлы расчетов по страховым взносам (NO_RASCHSV_*.xml)";
constexpr const char* kViewerFailed =
    "Не удалось открыть протокол программой просмотра. Протокол записан в файл:\n";
constexpr const char* kNoSpreadsheetProgram =
    "На компьютере не найдена программа для просмотра электронных таблиц (Excel или LibreOffice Calc). "
    "Протокол записан в файл:\n";

constexpr int kExcel = 0;
constexpr int kBrowser = 2;

// Restores the cursor however the run ends.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

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

TMain_Form::~TMain_Form() = default;

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

  Start_Button = new QPushButton(QString::fromUtf8(kStart), this);
  Start_Button->setObjectName("Start_Button");
  layout->addWidget(Start_Button, 0, Qt::AlignHCenter);

  Site_Label = new ClickableLabel(QString::fromUtf8(kSite), this);
  Site_Label->setObjectName("Site_Label");
  Site_Label->setAlignment(Qt::AlignHCenter);
  Site_Label->setStyleSheet("color: blue; text-decoration: underline;");
  layout->addWidget(Site_Label, 0, Qt::AlignHCenter);
  layout->addStretch(1);

  connect(Browse_Button, &QPushButton::clicked, this, [this] { RunGuarded([this] { Browse_ButtonClick(); }); });
  connect(Start_Button, &QPushButton::clicked, this, [this] { Start_ButtonClick(); });
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
  RunGuarded([this] { OnClose(); });
  event->accept();
}

void TMain_Form::dragEnterEvent(QDragEnterEvent* event) {
  if (!DraggedReport(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TMain_Form::dropEvent(QDropEvent* event) {
  const QString report = DraggedReport(event->mimeData());
  if (report.isEmpty()) return;
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
}

void TMain_Form::OnClose() {
  settings_.LastCheckedFile = ToUtf8(FileName_Edit->text());
  settings_.ProtType = ProtTypeIndex();
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

void TMain_Form::RunOnce() {
  const int choice = ProtTypeIndex();
  CheckRequest request;
  request.report = QStringToPath(FileName_Edit->text());
  request.format = choice == kBrowser ? ProtocolFormat::Html : ProtocolFormat::Workbook;
  request.outputFolder = ProtocolFolder();

  CheckOutcome outcome;
  {
    BusyCursor busy;
    outcome = services_.run ? services_.run(request) : RunCheck(request);
  }
  if (!outcome.ok) {
    QString text = ToQString(outcome.message);
    if (!outcome.detail.empty()) text += QLatin1Char('\n') + ToQString(outcome.detail);
    Messages().Show(MessageKind::Error, text);
    return;
  }
  const ViewerStart start = OpenProtocol(choice, outcome.protocol);
  if (start == ViewerStart::Started) return;
  const char* reason = start == ViewerStart::NotInstalled ? kNoSpreadsheetProgram : kViewerFailed;
  Messages().Show(MessageKind::Warning,
                  QString::fromUtf8(reason) + QDir::toNativeSeparators(PathToQString(outcome.protocol)));
}

ViewerStart TMain_Form::OpenProtocol(int choice, const std::filesystem::path& protocol) {
  if (choice == kBrowser) return Viewer().OpenPage(protocol);
  if (choice == kExcel) return Viewer().OpenInExcel(protocol);
  return Viewer().OpenInCalc(protocol);  // Calc, and also when nothing is chosen
}

}  // namespace orsvelt
