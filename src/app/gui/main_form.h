#pragma once
// The program's window: pick a report, choose the viewer, run the check, open the protocol.

#include <cstdint>
#include <functional>
#include <memory>

#include <QWidget>

#include "analysis/check_run.h"
#include "platform/protocol_viewer.h"
#include "platform/settings_store.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QGroupBox;
class QThread;
class QTimer;

namespace orsvelt {

class ClickableLabel;
class MessageBoxes;

// Called on a thread of its own; the request's progress reports to the window and carries its stop.
using CheckRunner = std::function<CheckOutcome(const CheckRequest&)>;

// A written page above this size is not opened before the user has been asked: a browser
// takes minutes over it, or gives up.
inline constexpr std::uintmax_t kLargePageBytes = std::uintmax_t{50} * 1024 * 1024;

// What the window uses of the outside world; tests put recorders here.
struct MainFormServices {
  MessageBoxes* messages = nullptr;  // null: plain message boxes
  ProtocolViewer* viewer = nullptr;  // null: the desktop's handlers
  CheckRunner run;                   // empty: RunCheck, the command line's run
  std::uintmax_t largePageBytes = kLargePageBytes;
};

class TMain_Form : public QWidget {
  Q_OBJECT

 public:
  explicit TMain_Form(MainFormServices services = {}, QWidget* parent = nullptr);
  ~TMain_Form() override;

  void OnShow();
  void OnClose();
  void Browse_ButtonClick();
  void Site_LabelClick();
  void Start_ButtonClick();
  void Stop_ButtonClick();

  // True from Старт until the run's outcome has been shown.
  bool Running() const;

  // The viewer choice: 0 Excel, 1 Calc, 2 browser, -1 none; other values are clamped.
  int ProtTypeIndex() const;
  void SetProtTypeIndex(int index);
  // "Только лица с замечаниями".
  bool FindingsOnly() const;

 signals:
  // The run has ended and its outcome has been shown.
  void RunFinished();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // A report file dropped onto the window becomes the chosen file.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  void ShowFileName(const QString& path);
  struct ActiveRun;

  void RunOnce();
  // A run whose protocol opens in the viewer of choice, listing the persons asked for.
  void StartRun(int choice, PersonSelection persons);
  // After a page above the size limit: true when the user chose to open it anyway.
  bool OpenLargePage(const ActiveRun& run);
  void ShowProgress();
  void FinishRun();
  // Asks the run to stop and waits for it; nothing of it is shown.
  void StopAndWait();
  void SetRunning(bool running);
  ViewerStart OpenProtocol(int choice, const std::filesystem::path& protocol);

  MessageBoxes& Messages();
  ProtocolViewer& Viewer();

  MainFormServices services_;
  std::unique_ptr<MessageBoxes> ownMessages_;
  std::unique_ptr<ProtocolViewer> ownViewer_;
  TSettings settings_;

  QLabel* Title_Label = nullptr;
  QLabel* Version_Label = nullptr;
  QLabel* Debug_Label = nullptr;
  QLineEdit* FileName_Edit = nullptr;
  QPushButton* Browse_Button = nullptr;
  QGroupBox* ProtType_Group = nullptr;
  QButtonGroup* ProtType_Buttons = nullptr;
  QCheckBox* FindingsOnly_Check = nullptr;
  QPushButton* Start_Button = nullptr;
  QProgressBar* Progress_Bar = nullptr;
  QPushButton* Stop_Button = nullptr;
  QTimer* progressTimer_ = nullptr;
  std::unique_ptr<ActiveRun> run_;
  std::uint64_t runCount_ = 0;
  ClickableLabel* Site_Label = nullptr;
};

}  // namespace orsvelt
