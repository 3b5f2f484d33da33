#pragma once
// The program's window: pick a report, choose the viewer, run the check, open the protocol.

#include <functional>
#include <memory>

#include <QWidget>

#include "analysis/check_run.h"
#include "platform/protocol_viewer.h"
#include "platform/settings_store.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QGroupBox;

namespace orsvelt {

class ClickableLabel;
class MessageBoxes;

using CheckRunner = std::function<CheckOutcome(const CheckRequest&)>;

// What the window uses of the outside world; tests put recorders here.
struct MainFormServices {
  MessageBoxes* messages = nullptr;  // null: plain message boxes
  ProtocolViewer* viewer = nullptr;  // null: the desktop's handlers
  CheckRunner run;                   // empty: RunCheck, the command line's run
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

  // The viewer choice: 0 Excel, 1 Calc, 2 browser, -1 none; other values are clamped.
  int ProtTypeIndex() const;
  void SetProtTypeIndex(int index);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // A report file dropped onto the window becomes the chosen file.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  void ShowFileName(const QString& path);
  void RunOnce();
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
  QPushButton* Start_Button = nullptr;
  ClickableLabel* Site_Label = nullptr;
};

}  // namespace orsvelt
