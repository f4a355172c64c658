// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TSalvoraMainWin.h"

#include "BoardGeometry.h"
#include "BoardPainter.h"
#include "GameFont.h"
#include "GameTexts.h"
#include "TAboutDlg.h"
#include "TEventTrace.h"
#include "TGameAccessible.h"
#include "TJvBmpAnimator.h"
#include "TJvGIFAnimator.h"
#include "TKeyboardPlay.h"
#include "TOptionsDialog.h"
#include "TPaintBox.h"
#include "TRandomSource.h"
#include "TSettings.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {

constexpr int FireFrames = 33;

QString Text(const std::string& Utf8) {
  return QString::fromStdString(Utf8);
}

void SetTextColour(QWidget* Widget, const QColor& Colour) {
  QPalette Palette = Widget->palette();
  Palette.setColor(QPalette::WindowText, Colour);
  Widget->setPalette(Palette);
}

QLabel* NewLabel(QWidget* Parent, QRect Geometry, const QString& Caption, const QFont& Font) {
  auto* Label = new QLabel(Caption, Parent);
  Label->setGeometry(Geometry);
  Label->setFont(Font);
  return Label;
}

// The counters: a sunken box of coloured digits on black.
QLabel* NewCounter(QWidget* Parent, QRect Geometry, const QColor& Colour) {
  auto* Counter = NewLabel(Parent, Geometry, QStringLiteral("0"), GameFont(13, true));
  Counter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Counter->setAutoFillBackground(true);
  QPalette Palette = Counter->palette();
  Palette.setColor(QPalette::Window, Qt::black);
  Palette.setColor(QPalette::WindowText, Colour);
  Counter->setPalette(Palette);
  return Counter;
}

// A board's panel: a sunken border around a 336 × 336 client area, which clips the fire
// sprites that reach above the top row.
QFrame* NewPanel(QWidget* Parent, int Left, QWidget*& Client) {
  auto* Panel = new QFrame(Parent);
  Panel->setGeometry(Left, 44, 340, 340);
  Panel->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  Client = new QWidget(Panel);
  Client->setGeometry(2, 2, BoardPixels, BoardPixels);
  Client->setAutoFillBackground(true); // the label strips show the panel's face
  return Panel;
}

QPushButton* NewButton(QWidget* Parent, QRect Geometry, const QString& Caption, const QIcon& Glyph,
                       QSize GlyphSize) {
  auto* Button = new QPushButton(Glyph, Caption, Parent);
  Button->setGeometry(Geometry);
  Button->setIconSize(GlyphSize);
  return Button;
}

TMouseButton GameButton(Qt::MouseButton Button) {
  switch (Button) {
  case Qt::LeftButton:
    return TMouseButton::mbLeft;
  case Qt::RightButton:
    return TMouseButton::mbRight;
  default:
    return TMouseButton::mbMiddle;
  }
}

} // namespace

TSalvoraMainWin::TSalvoraMainWin(const QString& SettingsPath, const QString& DefaultsPath)
    : FGame(*this, FPictures.ShipImages()), FSettingsPath(SettingsPath) {
  InstallGameTexts();
  TGameAccessible::InstallFactory();
  CreateComponents();
  TSettings Settings;
  Settings.LoadSettings(FSettingsPath, DefaultsPath);
  FAnimation = Settings.FAnimation;
  FSound = Settings.FSound;
  FNetSettings = Settings;
  SetLevel(Settings.FLevel);
  FKeyboard = new TKeyboardPlay(*this);
  FAccessible = new TGameAccessible(*this);
}

TSalvoraMainWin::~TSalvoraMainWin() {
  // A player who closes the window leaves the network game: the other side is told so, not
  // left to find the connection lost.
  if (FGame.IsNetGame())
    FGame.Leave();
  tmSetup.stop();
  FFireTimer.stop();
  if (FHourglass)
    QApplication::restoreOverrideCursor();
}

void TSalvoraMainWin::CreateComponents() {
  setWindowTitle(tr("Сальвора"));
  setWindowIcon(FPictures.FIcon);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(682, 490);
  FFont = GameFont(11);
  setFont(FFont);

  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, 681, 44);
  Image1->setPixmap(FPictures.FHeader);
  Image2 = new QLabel(this);
  Image2->setGeometry(0, 384, 681, 87);
  Image2->setPixmap(FPictures.FFooter);

  MyCannon = new TJvGIFAnimator(this, FPictures.FMyCannon, FPictures.FRatio);
  MyCannon->setGeometry(3, 383, 110, 87);
  MyCannon->FOnStop = [this](TJvGIFAnimator&, uint32_t Shot) { FGame.MyCannonStop(Shot); };
  EnemyCannon = new TJvGIFAnimator(this, FPictures.FEnemyCannon, FPictures.FRatio);
  EnemyCannon->setGeometry(569, 383, 110, 87);
  EnemyCannon->FOnStop = [this](TJvGIFAnimator&, uint32_t Shot) { FGame.EnemyCannonStop(Shot); };

  const QFont Bold13 = GameFont(13, true);
  NewLabel(this, {131, 409, 86, 16}, tr("Выстрелов:"), Bold13);
  NewLabel(this, {131, 429, 89, 16}, tr("Убито моих:"), Bold13);
  NewLabel(this, {426, 409, 86, 16}, tr("Выстрелов:"), Bold13);
  NewLabel(this, {426, 429, 89, 16}, tr("Убито моих:"), Bold13);
  lblAbout = NewLabel(this, {604, 10, 68, 13}, tr("О программе"), GameFont(11, false, true));
  SetTextColour(lblAbout, QColor(128, 0, 0));
  lblAbout->setCursor(Qt::PointingHandCursor);
  lblAbout->installEventFilter(this);

  pnlLeft = NewPanel(this, 0, pnlLeftClient);
  pbLeft = new TPaintBox(pnlLeftClient, 0);
  pnlRight = NewPanel(this, 342, pnlRightClient);
  pbRight = new TPaintBox(pnlRightClient, 1);
  for (TPaintBox* Box : {pbLeft, pbRight}) {
    Box->setGeometry(0, 0, BoardPixels, BoardPixels);
    Box->FOnPaint = [this](TPaintBox& Sender, QPainter& Canvas) { pbLeftPaint(Sender, Canvas); };
  }
  pbLeft->FOnMouseDown = [this](TPaintBox&, Qt::MouseButton Button, QPoint Pixel) {
    pbLeftMouseDown(Button, Pixel);
  };
  pbRight->FOnMouseDown = [this](TPaintBox&, Qt::MouseButton Button, QPoint Pixel) {
    pbRightMouseDown(Button, Pixel);
  };
  // The aiming cursor is chosen on every move over the computer's board, sprites included.
  for (QWidget* Watched :
       {static_cast<QWidget*>(pnlRight), pnlRightClient, static_cast<QWidget*>(pbRight)}) {
    Watched->setMouseTracking(true);
    Watched->installEventFilter(this);
  }

  btnNew = NewButton(this, {9, 8, 96, 27}, tr("Новая игра"), FPictures.FNewGlyph, {20, 21});
  btnStart = NewButton(this, {110, 8, 96, 27}, tr("Начать бой"), FPictures.FStartGlyph, {21, 21});
  QObject::connect(btnNew, &QPushButton::clicked, this, [this] { btnNewClick(); });
  QObject::connect(btnStart, &QPushButton::clicked, this, [this] { btnStartClick(); });

  stShotsMy = NewCounter(this, {223, 408, 32, 18}, QColor(255, 255, 0));
  stKilledMy = NewCounter(this, {223, 429, 32, 18}, QColor(0, 255, 255));

  StatusBar = new QWidget(this);
  StatusBar->setGeometry(0, 471, 682, 19);
  for (auto& Panel : StatusPanels) {
    Panel = new QLabel(StatusBar);
    Panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel->setIndent(2);
  }
  StatusBarResize();

  stShotsEnemy = NewCounter(this, {520, 408, 32, 18}, QColor(255, 255, 0));
  stKilledEnemy = NewCounter(this, {520, 429, 32, 18}, QColor(0, 255, 255));

  pnlResult = NewLabel(this, {263, 408, 156, 41}, QString(), GameFont(16, true));
  pnlResult->setFrameStyle(QFrame::Panel | QFrame::Raised);
  pnlResult->setAutoFillBackground(true); // a panel's own face, not the footer's wood
  pnlResult->setAlignment(Qt::AlignCenter);
  SetTextColour(pnlResult, QColor(0, 128, 0));
  pnlResult->hide();

  btnOptions =
      NewButton(this, {222, 8, 96, 27}, tr("Настройки "), FPictures.FOptionsGlyph, {16, 16});
  QObject::connect(btnOptions, &QPushButton::clicked, this, [this] { btnOptionsClick(); });

  tmSetup.setInterval(500);
  QObject::connect(&tmSetup, &QTimer::timeout, this, [this] { tmSetupTimer(); });
  FFireTimer.setInterval(100);
  QObject::connect(&FFireTimer, &QTimer::timeout, this, [this] {
    for (TSide Side : {TSide::sdMy, TSide::sdEnemy})
      for (TJvBmpAnimator* Fire : Fires(Side))
        Fire->Step();
  });

  CreateNetComponents();
  CentreOnScreen();
}

// The whole window, frame included, goes to the middle of the screen. Until a window manager
// has framed it the frame is unknown and the client area stands for it.
void TSalvoraMainWin::CentreOnScreen() {
  const QScreen* Screen = screen();
  if (!Screen)
    return;
  QRect Frame = frameGeometry();
  Frame.moveCenter(Screen->availableGeometry().center());
  move(Frame.topLeft());
}

bool TSalvoraMainWin::SaveSettings() {
  TSettings Settings = FNetSettings;
  Settings.FAnimation = FAnimation;
  Settings.FSound = FSound;
  Settings.FLevel = FLevel;
  if (Settings.SaveSettings(FSettingsPath))
    return true;
  QMessageBox::critical(nullptr, tr("Сальвора"), TSettings::WriteErrorText(FSettingsPath));
  return false;
}

void TSalvoraMainWin::showEvent(QShowEvent* Event) {
  QWidget::showEvent(Event);
  if (!FShown) {
    FShown = true;
    FGame.FormShow();
  }
}

// The frame's size is known once the window manager has framed the window, which moves it:
// centre it again then, once.
void TSalvoraMainWin::moveEvent(QMoveEvent* Event) {
  QWidget::moveEvent(Event);
  if (!FFramed && isVisible() && frameGeometry().size() != size()) {
    FFramed = true;
    CentreOnScreen();
  }
}

// Handlers

void TSalvoraMainWin::btnNewClick() {
  if (!FGame.IsNetGame())
    ShowNetStrip(false); // a network game that has ended gives way to the computer
  FGame.NewGame();
}

void TSalvoraMainWin::btnStartClick() {
  FGame.StartBattle();
}

// Only a change of the animation touches the fires; the sound setting is read at every cue.
void TSalvoraMainWin::btnOptionsClick() {
  const bool Animation = FAnimation;
  int32_t Level = FLevel;
  if (!TOptionsDialog::ShowOptions(FAnimation, FSound, Level, this))
    return;
  if (FAnimation != Animation) {
    UpdateFires(TSide::sdMy);
    UpdateFires(TSide::sdEnemy);
  }
  if (Level != FLevel)
    SetLevel(Level);
}

// A level chosen during a battle plays from the computer's next shot: every level reads what
// it knows from the board. Its placement waits for the next battle.
void TSalvoraMainWin::SetLevel(int32_t Level) {
  FLevel = Level;
  FGame.FShooter = MakeShooter(static_cast<TComputerLevel>(Level));
}

void TSalvoraMainWin::lblAboutClick() {
  TAboutDlg::ShowAbout(this, FPictures.FIcon, TKeyboardPlay::KeysHelp());
}

void TSalvoraMainWin::pbLeftPaint(TPaintBox& Sender, QPainter& Canvas) {
  TBoardView View;
  View.Player = Sender.FTag == 0;
  View.Board = View.Player ? &FGame.FMyBoard : &FGame.FEnemyBoard;
  View.Background = View.Player ? &FPictures.FMyBackground : &FPictures.FEnemyBackground;
  View.SetupMode = FGame.FSetupMode;
  View.SelectedShip = FGame.FSelectedShip;
  View.BlinkOn = FGame.FBlinkOn;
  View.RevealEnemy = FGame.FRevealEnemy;
  View.Framed = FKeyboard->FramedCell(View.Player ? TSide::sdMy : TSide::sdEnemy);
  const QPalette& Colours = Sender.palette();
  PaintBoard(Canvas, View, Sender.size(), FFont, Colours.color(QPalette::WindowText),
             Colours.color(QPalette::Window));
}

void TSalvoraMainWin::pbLeftMouseDown(Qt::MouseButton Button, QPoint Pixel) {
  FGame.SetupPress(GameButton(Button), {Pixel.x(), Pixel.y()});
}

void TSalvoraMainWin::pbRightMouseDown(Qt::MouseButton, QPoint Pixel) {
  FGame.EnemyBoardPress({Pixel.x(), Pixel.y()});
  RightPanelWndProc();
}

// A sprite would swallow presses on what lies beneath it, the lower part of the cell above
// the burning one among them: hand them to the board.
void TSalvoraMainWin::FireMouseDown(TJvBmpAnimator& Sender, Qt::MouseButton Button, QPoint Pixel) {
  const QPoint OnBoard = Sender.pos() + Pixel;
  if (Sender.parentWidget() == pnlRightClient)
    pbRightMouseDown(Button, OnBoard);
  else
    pbLeftMouseDown(Button, OnBoard);
}

void TSalvoraMainWin::tmSetupTimer() {
  FGame.SetupTimerTick();
}

void TSalvoraMainWin::RightPanelWndProc() {
  if (!FGame.CanAim()) {
    pnlRight->unsetCursor();
    return;
  }
  const QPoint Pixel = pnlRightClient->mapFromGlobal(QCursor::pos());
  const bool Aim = FGame.IsValidTarget(PixelToCell({Pixel.x(), Pixel.y()}));
  pnlRight->setCursor(Aim ? FPictures.FTargetCursor : QCursor(Qt::ArrowCursor));
}

bool TSalvoraMainWin::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == lblAbout) {
    if (Event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton)
      lblAboutClick();
    return QWidget::eventFilter(Watched, Event);
  }
  switch (Event->type()) {
  case QEvent::MouseMove:
  case QEvent::Enter:
  case QEvent::HoverMove:
    RightPanelWndProc();
    break;
  default:
    break;
  }
  return QWidget::eventFilter(Watched, Event);
}

void TSalvoraMainWin::StatusBarResize() {
  const int Half = StatusBar->width() / 2;
  StatusPanels[0]->setGeometry(0, 0, Half, StatusBar->height());
  StatusPanels[1]->setGeometry(Half, 0, StatusBar->width() - Half, StatusBar->height());
}

void TSalvoraMainWin::UpdateFires(TSide Side) {
  QWidget* Panel = PanelClient(Side);
  Panel->setUpdatesEnabled(false);
  const auto& List = Fires(Side);
  if (FAnimation)
    Randomize();
  for (auto It = List.rbegin(); It != List.rend(); ++It) {
    if (FAnimation) {
      (*It)->SetActive(true);
      (*It)->SetCurrent(static_cast<int>(Random(static_cast<uint32_t>((*It)->FNumFrames))));
    } else {
      (*It)->SetActive(false);
      (*It)->SetPosition(0);
    }
  }
  Panel->setUpdatesEnabled(true);
  Panel->repaint();
  if (FAnimation && !List.empty())
    FFireTimer.start();
  else if (!FAnimation)
    FFireTimer.stop();
}

// TGameScreen

void TSalvoraMainWin::RepaintWindow() {
  repaint();
}

void TSalvoraMainWin::RepaintBoard(TSide Side) {
  (Side == TSide::sdMy ? pbLeft : pbRight)->repaint();
  if (FAccessible)
    FAccessible->BoardChanged(Side);
}

void TSalvoraMainWin::SetStatusText(int Panel, const std::string& Caption) {
  StatusPanels[Panel]->setText(Text(Caption));
  TraceEvent(QStringLiteral("status%1").arg(Panel), Text(Caption));
  if (FAccessible)
    FAccessible->StatusChanged(Panel);
}

void TSalvoraMainWin::SetCounters(const std::array<int32_t, 4>& Values) {
  QLabel* const Counters[] = {stShotsMy, stKilledMy, stShotsEnemy, stKilledEnemy};
  for (size_t I = 0; I < Values.size(); ++I)
    Counters[I]->setText(QString::number(Values[I]));
  if (FAccessible)
    FAccessible->CountersChanged();
}

void TSalvoraMainWin::SetResultCaption(const std::string& Caption) {
  pnlResult->setText(Text(Caption));
  TraceEvent(QStringLiteral("result"), Text(Caption));
}

void TSalvoraMainWin::SetResultColour(uint32_t Rgb) {
  SetTextColour(pnlResult, QColor::fromRgb(Rgb));
}

void TSalvoraMainWin::SetResultVisible(bool Visible) {
  pnlResult->setVisible(Visible);
  if (Visible && FGame.IsNetGame())
    tmReveal.start();
}

void TSalvoraMainWin::SetStartEnabled(bool Enabled) {
  btnStart->setEnabled(Enabled);
}

void TSalvoraMainWin::SetSetupTimer(bool Enabled) {
  if (Enabled)
    tmSetup.start();
  else
    tmSetup.stop();
}

void TSalvoraMainWin::SetHourglass(bool On) {
  if (On == FHourglass)
    return;
  FHourglass = On;
  if (On)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void TSalvoraMainWin::AddFire(TSide Side, TPoint Cell) {
  auto* Fire = new TJvBmpAnimator(PanelClient(Side), FPictures.FFire, FireFrames);
  Fire->FOnMouseDown = [this](TJvBmpAnimator& Sender, Qt::MouseButton Button, QPoint Pixel) {
    FireMouseDown(Sender, Button, Pixel);
  };
  const TPoint At = CellToPixel(Cell);
  Fire->move(At.X, At.Y - TJvBmpAnimator::FrameHeight + CellPixels);
  if (Side == TSide::sdEnemy)
    Fire->installEventFilter(this);
  Fire->show();
  Fire->raise();
  FFires[static_cast<int>(Side)].push_back(Fire);
  Fire->SetActive(FAnimation);
  if (FAnimation)
    FFireTimer.start();
}

void TSalvoraMainWin::RemoveFires(TSide Side) {
  QWidget* Panel = PanelClient(Side);
  Panel->setUpdatesEnabled(false);
  auto& List = FFires[static_cast<int>(Side)];
  for (auto It = List.rbegin(); It != List.rend(); ++It)
    delete *It;
  List.clear();
  Panel->setUpdatesEnabled(true);
  Panel->repaint();
  if (Fires(TSide::sdMy).empty() && Fires(TSide::sdEnemy).empty())
    FFireTimer.stop();
}

void TSalvoraMainWin::StartCannon(TCannon Cannon, uint32_t Shot) {
  (Cannon == TCannon::cnMy ? MyCannon : EnemyCannon)->Start(Shot);
}

void TSalvoraMainWin::StopCannon(TCannon Cannon) {
  (Cannon == TCannon::cnMy ? MyCannon : EnemyCannon)->Stop();
}

void TSalvoraMainWin::PlaySnd(TSoundId Sound, bool Wait) {
  if (FSound && FOnSound)
    FOnSound(Sound, Wait);
}

void TSalvoraMainWin::ShowTouchingShips(const std::string& Message) {
  QMessageBox::critical(this, tr("Сальвора"), Text(Message));
}

void TSalvoraMainWin::UpdateAimCursor() {
  RightPanelWndProc();
}
