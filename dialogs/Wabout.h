#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmoran {

class URLcanvas;

// The about box: the product picture, the version, links to the project's
// web page and mail address, and the Instructions and Done buttons. It is
// built afresh each time and deletes itself when it closes.
class Wabout : public QDialog {
  Q_OBJECT

 public:
  inline static const QString webTarget = QStringLiteral("https://velmoran.example/");
  inline static const QString mailAddress = QStringLiteral("hello@velmoran.example");

  explicit Wabout(QWidget* parent = nullptr);

  QLabel* StaticText1;
  QPushButton* PBdone;
  QPushButton* PBinstructions;
  URLcanvas* CVweb;
  URLcanvas* CVemail;

 signals:
  // Done (or Return, Escape): the main window comes forward.
  void mainWindowWanted();
  // Instructions: the help window opens at its first topic.
  void instructionsWanted();

 public slots:
  // Done, Return, Escape and a close from the window manager all end here.
  void reject() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PBinstructions_Action();
  URLcanvas* makeLink(const QString& text, const QString& target, int top);
};

}  // namespace velmoran
