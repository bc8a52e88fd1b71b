// The settings window's controls, each at its place in the fixed-size window.
// Controls are children of the window itself (not of the framing panels), so
// the coordinates below are window coordinates; later controls lie on top.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <array>

#include "dialogs/settings/Wsettings.h"
#include "engine/CardBacks.h"

namespace velmoran {

namespace {

QFont pixelFont(int pixels, bool bold = false) {
  QFont font;
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

template <typename W>
W* place(W* widget, const char* name, int left, int top, int width, int height, int fontPixels) {
  widget->setObjectName(name);
  widget->setGeometry(left, top, width, height);
  if (fontPixels > 0) widget->setFont(pixelFont(fontPixels));
  return widget;
}

// A panel with a single tab serves as a titled frame around its group.
void framePanel(QWidget* window, const char* name, const QString& title, QRect rect) {
  auto* panel =
      place(new QTabWidget(window), name, rect.x(), rect.y(), rect.width(), rect.height(), 12);
  panel->addTab(new QWidget(panel), title);
  panel->setFocusPolicy(Qt::NoFocus);
  panel->tabBar()->setFocusPolicy(Qt::NoFocus);
}

QComboBox* popup(QWidget* window, const char* name, QRect rect, const QStringList& rows) {
  auto* box =
      place(new QComboBox(window), name, rect.x(), rect.y(), rect.width(), rect.height(), 13);
  box->addItems(rows);
  return box;
}

QLabel* label(QWidget* window, const char* name, const QString& text, QRect rect, int pixels,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* text_ = place(new QLabel(text, window), name, rect.x(), rect.y(), rect.width(),
                      rect.height(), pixels);
  text_->setAlignment(align);
  return text_;
}

QCheckBox* checkBox(QWidget* window, const char* name, const QString& text, QRect rect) {
  return place(new QCheckBox(text, window), name, rect.x(), rect.y(), rect.width(), rect.height(),
               13);
}

QPushButton* button(QWidget* window, const char* name, const QString& text, QRect rect) {
  auto* push = place(new QPushButton(text, window), name, rect.x(), rect.y(), rect.width(),
                     rect.height(), 13);
  push->setAutoDefault(false);
  return push;
}

}  // namespace

void Wsettings::buildControls() {
  buildMainSettings();
  buildCardBacks();
  buildOtherOptions();
  buildButtons();
  orderTabStops();
}

// Tab runs through the panels from the bottom one up, then the buttons; the
// labels and the sample take no focus, so Tab passes over them.
void Wsettings::orderTabStops() {
  const std::array<QWidget*, 16> order{
      // Other options
      CBshuffle, CBcheatWarning, CBsound, CBshowStats, CBdimUnplayables, CBgiveUpWarning,
      CBautoDeal, SLdelay,
      // Card backs
      LBcardBacks,
      // Main settings
      PMgridsize, PMdifficulty, PMkingsstart,
      // Buttons
      PBnewGame, PBcancel, PBdefaults, PBdone};
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void Wsettings::buildMainSettings() {
  framePanel(this, "TabPanel1", "Main Settings", {16, 12, 282, 175});
  label(this, "StaticText5", "Difficulty:", {31, 53, 95, 20}, 13);
  PMdifficulty = popup(this, "PMdifficulty", {129, 52, 145, 20}, {"Standard", "Easy"});
  label(this, "StaticText4", "Grid Size:", {31, 83, 95, 20}, 13);
  PMgridsize =
      popup(this, "PMgridsize", {129, 82, 145, 20}, {"12 x 9", "10 x 9", "12 x 7", "10 x 7"});
  label(this, "StaticText6", "Kings Start In:", {31, 113, 95, 20}, 13);
  PMkingsstart =
      popup(this, "PMkingsstart", {129, 112, 145, 20},
            {"Center", "Staggered Pairs", "Corners", "Inset Corners", "Random", "Custom"});

  STnewGameWarning = label(this, "STnewGameWarning",
                           "The changes made to these main settings\nrequire starting a new game.",
                           {25, 150, 261, 30}, 0, Qt::AlignCenter);
  STnewGameWarning->setFont(pixelFont(10, true));
  STnewGameWarning->setWordWrap(true);
  STnewGameWarning->setStyleSheet("color: rgb(188, 4, 17);");
}

void Wsettings::buildCardBacks() {
  framePanel(this, "TabPanel2", "Card Backs", {315, 12, 282, 175});

  auto* frame = place(new QFrame(this), "Rectangle1", 332, 45, 94, 130, 0);
  frame->setStyleSheet("background: black; border: 1px solid black;");

  CVshowCardBack = place(new QLabel(this), "CVshowCardBack", 334, 47, 90, 126, 0);
  CVshowCardBack->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  CVshowCardBack->setFocusPolicy(Qt::NoFocus);
  CVshowCardBack->setAutoFillBackground(true);

  LBcardBacks = place(new QListWidget(this), "LBcardBacks", 434, 45, 145, 130, 13);
  for (const CardBackDesign& design : cardBackDesigns) {
    LBcardBacks->addItem(QString::fromUtf8(design.name.data(), design.name.size()));
  }
  LBcardBacks->setSelectionMode(QAbstractItemView::SingleSelection);
  LBcardBacks->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  LBcardBacks->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void Wsettings::buildOtherOptions() {
  framePanel(this, "TabPanel3", "Other Options", {16, 199, 581, 175});
  CBsound = checkBox(this, "CBsound", "Play sounds", {49, 233, 240, 18});
  CBcheatWarning =
      checkBox(this, "CBcheatWarning", "Warn before cheating", {49, 258, 240, 18});
  CBdimUnplayables =
      checkBox(this, "CBdimUnplayables", "Dim unplayable cards", {49, 283, 240, 18});
  CBautoDeal = checkBox(this, "CBautoDeal", "Automatically deal cards", {329, 233, 240, 20});
  CBgiveUpWarning =
      checkBox(this, "CBgiveUpWarning", "Warn before giving up", {329, 258, 240, 20});
  CBshowStats =
      checkBox(this, "CBshowStats", "Show statistics after each game", {329, 283, 240, 18});
  CBshuffle = checkBox(this, "CBshuffle", "Show card shuffling and other movement",
                       {154, 320, 288, 20});

  STslow = label(this, "STslow", "Slow", {119, 346, 60, 16}, 10, Qt::AlignRight | Qt::AlignVCenter);
  SLdelay = place(new QSlider(Qt::Horizontal, this), "SLdelay", 185, 346, 221, 24, 0);
  SLdelay->setRange(0, 100);
  SLdelay->setSingleStep(1);
  SLdelay->setPageStep(20);
  SLdelay->setTracking(false);
  STfast = label(this, "STfast", "Fast", {413, 346, 60, 16}, 10);
}

void Wsettings::buildButtons() {
  PBdefaults = button(this, "PBdefaults", "Restore defaults", {20, 389, 135, 20});
  PBcancel = button(this, "PBcancel", "Cancel", {319, 389, 85, 20});
  PBnewGame = button(this, "PBnewGame", "New Game", {415, 389, 85, 20});
  PBdone = button(this, "PBdone", "Done", {512, 389, 85, 20});
  PBdone->setDefault(true);
}

}  // namespace velmoran
