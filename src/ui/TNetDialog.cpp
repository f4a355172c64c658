// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TNetDialog.h"

#include "GameFont.h"
#include "TBeacon.h"
#include "TBeaconListener.h"
#include "TNetAddress.h"
#include "TNetHost.h"
#include "TNetSession.h"
#include "TPeerConnection.h"
#include "TPeerMessage.h"
#include "TSettings.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

namespace {

QLabel* NewLabel(QWidget* Parent, QRect Geometry, const QString& Caption) {
  auto* Label = new QLabel(Caption, Parent);
  Label->setGeometry(Geometry);
  return Label;
}

QSpinBox* NewPortBox(QWidget* Parent, QRect Geometry) {
  auto* Box = new QSpinBox(Parent);
  Box->setGeometry(Geometry);
  Box->setRange(1, 65535);
  return Box;
}

} // namespace

TNetDialog::TNetDialog(TNetSession& Session, QWidget* Owner)
    : TFixedDialog(Owner, {420, 362}), FSession(Session) {
  setObjectName(QStringLiteral("NetDialog"));
  setWindowTitle(tr("Игра по сети"));
  setFont(GameFont(11));

  NewLabel(this, {8, 12, 80, 16}, tr("Ваше имя:"));
  edName = new QLineEdit(this);
  edName->setGeometry(92, 9, 200, 21);
  edName->setMaxLength(32);

  grpHost = new QGroupBox(tr(" Создать игру "), this);
  grpHost->setGeometry(8, 38, 404, 96);
  NewLabel(grpHost, {14, 24, 44, 16}, tr("Порт:"));
  sePort = NewPortBox(grpHost, {60, 21, 80, 21});
  btnHost = new QPushButton(tr("Создать игру"), grpHost);
  btnHost->setGeometry(280, 19, 114, 25);
  lblAddresses = NewLabel(grpHost, {14, 50, 380, 40}, {});
  lblAddresses->setWordWrap(true);
  lblAddresses->setTextInteractionFlags(Qt::TextSelectableByMouse); // to copy for a friend

  grpJoin = new QGroupBox(tr(" Присоединиться "), this);
  grpJoin->setGeometry(8, 140, 404, 152);
  NewLabel(grpJoin, {14, 24, 44, 16}, tr("Адрес:"));
  edAddress = new QLineEdit(grpJoin);
  edAddress->setGeometry(60, 21, 150, 21);
  edAddress->setPlaceholderText(tr("адрес или имя"));
  NewLabel(grpJoin, {218, 24, 36, 16}, tr("Порт:"));
  seJoinPort = NewPortBox(grpJoin, {254, 21, 70, 21});
  btnJoin = new QPushButton(tr("Подключиться"), grpJoin);
  btnJoin->setGeometry(280, 48, 114, 25);
  NewLabel(grpJoin, {14, 54, 200, 16}, tr("Игры в локальной сети:"));
  lstGames = new QListWidget(grpJoin);
  lstGames->setGeometry(14, 76, 380, 68);

  lblStatus = NewLabel(this, {8, 298, 404, 30}, {});
  lblStatus->setWordWrap(true);
  lblStatus->setTextFormat(Qt::PlainText); // reasons may carry what a peer sent
  btnCancel = new QPushButton(tr("Закрыть"), this);
  btnCancel->setGeometry(337, 332, 75, 23);

  connect(btnHost, &QPushButton::clicked, this, [this] { btnHostClick(); });
  connect(btnJoin, &QPushButton::clicked, this, [this] { btnJoinClick(); });
  connect(edAddress, &QLineEdit::returnPressed, this, [this] { btnJoinClick(); });
  connect(lstGames, &QListWidget::itemClicked, this, [this] { lstGamesClick(); });
  connect(lstGames, &QListWidget::itemActivated, this, [this] {
    lstGamesClick();
    btnJoinClick();
  });
  // While the session waits, the button calls the wait off; otherwise it closes the dialog.
  connect(btnCancel, &QPushButton::clicked, this, [this] {
    if (FSession.Waiting()) {
      FSession.Cancel();
      SetStatus(tr("Отменено."), false);
    } else {
      reject();
    }
  });

  FSession.FOnStatus = [this](const QString& Text, bool Error) { SetStatus(Text, Error); };
  FSession.FOnConnected = [this] { accept(); };

  FListener = new TBeaconListener(this);
  connect(FListener, &TBeaconListener::GamesChanged, this, [this] { RefreshGames(); });
  if (!FListener->Start(TBeacon::DefaultPort))
    lstGames->addItem(tr("(игры в сети не слышны: порт %1 занят)").arg(TBeacon::DefaultPort));
}

TNetDialog::~TNetDialog() {
  FSession.FOnStatus = nullptr;
  FSession.FOnConnected = nullptr;
}

QString TNetDialog::PlayerName() const {
  const QString Name = edName->text().simplified();
  return Name.isEmpty() ? tr("Игрок") : Name;
}

void TNetDialog::SetStatus(const QString& Text, bool Error) {
  QPalette Palette = lblStatus->palette();
  Palette.setColor(QPalette::WindowText,
                   Error ? QColor(128, 0, 0) : palette().color(QPalette::WindowText));
  lblStatus->setPalette(Palette);
  lblStatus->setText(Text);
  const bool Waiting = FSession.Waiting();
  btnCancel->setText(Waiting ? tr("Отмена") : tr("Закрыть"));
  // The addresses stay readable while the host waits; what would start another wait does not.
  for (QWidget* Control : std::initializer_list<QWidget*>{edName, sePort, btnHost, edAddress,
                                                          seJoinPort, btnJoin, lstGames})
    Control->setEnabled(!Waiting);
}

void TNetDialog::btnHostClick() {
  lblAddresses->clear();
  FUsedPort = static_cast<quint16>(sePort->value());
  if (!FSession.Host(PlayerName(), static_cast<quint16>(sePort->value())))
    return;
  QStringList Where;
  for (const QHostAddress& Address : TNetHost::LocalAddresses())
    Where.append(TNetAddress::Format(Address.toString(), static_cast<quint16>(sePort->value())));
  lblAddresses->setText(Where.isEmpty()
                            ? tr("Сеть не найдена: подключиться можно только с этой машины "
                                 "(127.0.0.1, порт %1).")
                                  .arg(sePort->value())
                            : tr("Сообщите сопернику: %1").arg(Where.join(QStringLiteral(", "))));
}

void TNetDialog::btnJoinClick() {
  QString Error;
  const std::optional<TNetEndpoint> Where = TNetAddress::Parse(
      edAddress->text().trimmed(), static_cast<quint16>(seJoinPort->value()), &Error);
  if (!Where) {
    SetStatus(Error, true);
    return;
  }
  FUsedPort = Where->Port;
  FSession.Join(PlayerName(), Where->Host, Where->Port);
}

void TNetDialog::lstGamesClick() {
  const QListWidgetItem* Item = lstGames->currentItem();
  if (!Item || !Item->data(Qt::UserRole).isValid())
    return;
  edAddress->setText(Item->data(Qt::UserRole).toString());
  seJoinPort->setValue(Item->data(Qt::UserRole + 1).toInt());
}

void TNetDialog::RefreshGames() {
  const QString Chosen = lstGames->currentItem() ? lstGames->currentItem()->text() : QString();
  lstGames->clear();
  for (const TBeaconGame& Game : FListener->Games()) {
    QString Address = Game.Address.toString();
    if (Game.Address.protocol() == QAbstractSocket::IPv6Protocol &&
        Game.Address.toIPv4Address() != 0) // an IPv4 sender seen through a dual-stack socket
      Address = QHostAddress(Game.Address.toIPv4Address()).toString();
    auto* Item = new QListWidgetItem(
        QStringLiteral("%1 — %2").arg(Game.Name, TNetAddress::Format(Address, Game.Port)),
        lstGames);
    Item->setData(Qt::UserRole, Address);
    Item->setData(Qt::UserRole + 1, Game.Port);
    if (Game.Version != PeerProtocolVersion) { // seen, but cannot be joined
      Item->setFlags(Item->flags() & ~Qt::ItemIsEnabled);
      Item->setData(Qt::UserRole, QVariant());
    }
    if (Item->text() == Chosen)
      lstGames->setCurrentItem(Item);
  }
}

bool TNetDialog::ShowNetGame(TNetSession& Session, TSettings& Settings, QWidget* Owner,
                             TStart Start, const QString& JoinText) {
  TNetDialog Dialog(Session, Owner);
  QString Name = Settings.FPlayerName;
  if (Name.isEmpty())
    Name = qEnvironmentVariable("USER");
  Dialog.edName->setText(Name);
  Dialog.sePort->setValue(Settings.FPort);
  Dialog.seJoinPort->setValue(Settings.FPort);
  Dialog.edAddress->setText(JoinText.isEmpty() ? Settings.FLastAddress : JoinText);
  if (Start == nsHost)
    Dialog.btnHostClick();
  else if (Start == nsJoin)
    Dialog.btnJoinClick();
  const bool Begun = Dialog.exec() == QDialog::Accepted;
  if (!Begun)
    Session.Cancel();
  Settings.FPlayerName = Dialog.edName->text().simplified();
  Settings.FLastAddress = Dialog.edAddress->text().trimmed();
  if (Dialog.FUsedPort != 0)
    Settings.FPort = Dialog.FUsedPort;
  Settings.FNetworkUsed = true;
  return Begun;
}
