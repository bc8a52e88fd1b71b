#pragma once

#include <QImage>
#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace velmoran {

class MainRoutines;
class GameCommands;
class DiagramCanvas;

// The help window: a list of topics, the chosen topic's text and, under it,
// its diagram. It also carries the "Always show this screen at startup"
// setting. Built afresh on each opening and deleted when closed, so every
// opening starts at the first topic.
class Winstructions : public QWidget {
  Q_OBJECT

 public:
  Winstructions(MainRoutines& routines, QWidget* parent = nullptr);

  // Opens the help window over parent, or brings the open one to the front
  // unchanged.
  static Winstructions* showInstance(MainRoutines& routines, QWidget* parent);

  // The asset name of the diagram shown now; empty for a topic without one.
  QString diagramName() const { return diagramName_; }

  static constexpr int windowWidth = 615;
  static constexpr int windowHeight = 474;
  static constexpr int minimumWidth = 525;
  static constexpr int minimumHeight = 450;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildControls();
  void placeControls();
  void showTopic(int row);
  bool handleKey(QKeyEvent* event);

  const MainRoutines& routines_;  // read only: the check box changes it by command
  GameCommands& commands_;
  QString diagramName_;

  QPushButton* PushButton1 = nullptr;
  QPlainTextEdit* EFinstructions = nullptr;
  DiagramCanvas* CVinstructionDiagrams = nullptr;
  QListWidget* LBcontents = nullptr;
  QLabel* StaticText1 = nullptr;
  QLabel* STdetailHeading = nullptr;
  QCheckBox* CBalwaysShowInstructions = nullptr;
};

}  // namespace velmoran
