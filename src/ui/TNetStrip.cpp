// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TNetStrip.h"

#include "GameFont.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

TNetStrip::TNetStrip(QWidget* Parent) : QWidget(Parent) {
  setAutoFillBackground(true);
  const QFont Font = GameFont(11);
  const QFont Bold = GameFont(11, true);
  auto NewLine = [&](QRect Geometry, const QFont& LineFont) {
    auto* Label = new QLabel(this);
    Label->setGeometry(Geometry);
    Label->setFont(LineFont);
    Label->setTextFormat(Qt::PlainText); // a peer's name is never markup
    return Label;
  };
  lblOpponent = NewLine({8, 6, 324, 16}, Bold);
  lblTurn = NewLine({8, 26, 324, 16}, Font);
  lblVerdict = NewLine({8, 44, 324, 18}, Font);

  btnAccept = new QPushButton(tr("Принять"), this);
  btnAccept->setGeometry(8, 66, 80, 24);
  btnDecline = new QPushButton(tr("Отказаться"), this);
  btnDecline->setGeometry(94, 66, 90, 24);
  QObject::connect(btnAccept, &QPushButton::clicked, this, [this] {
    if (FOnRematchAnswer)
      FOnRematchAnswer(true);
  });
  QObject::connect(btnDecline, &QPushButton::clicked, this, [this] {
    if (FOnRematchAnswer)
      FOnRematchAnswer(false);
  });
  btnLeave = new QPushButton(tr("Покинуть игру"), this);
  btnLeave->setGeometry(232, 66, 100, 24);
  QObject::connect(btnLeave, &QPushButton::clicked, this, [this] {
    if (FOnLeave)
      FOnLeave();
  });
  ShowRematchOffer(false);

  lstChat = new QListWidget(this);
  lstChat->setGeometry(342, 4, 332, 62);
  lstChat->setFont(Font);
  lstChat->setFocusPolicy(Qt::NoFocus);
  lstChat->setSelectionMode(QAbstractItemView::NoSelection);
  edChat = new QLineEdit(this);
  edChat->setGeometry(342, 68, 332, 22);
  edChat->setFont(Font);
  edChat->setPlaceholderText(tr("Сообщение сопернику, Enter — отправить"));
  edChat->setMaxLength(200); // a line, well under what the other side accepts
  QObject::connect(edChat, &QLineEdit::returnPressed, this, [this] { edChatReturn(); });
  edChat->installEventFilter(this);
}

void TNetStrip::SetOpponent(const QString& Name) {
  lblOpponent->setText(tr("Соперник: %1").arg(Name));
}

void TNetStrip::SetTurn(const QString& Text) {
  lblTurn->setText(Text);
}

void TNetStrip::SetVerdict(const QString& Text, bool Fair) {
  QPalette Palette = lblVerdict->palette();
  Palette.setColor(QPalette::WindowText, Fair ? QColor(0, 128, 0) : QColor(128, 0, 0));
  lblVerdict->setPalette(Palette);
  lblVerdict->setText(Text);
  lblVerdict->setToolTip(Text); // a long verdict is cut on the line, never in the tooltip
}

void TNetStrip::AddChatLine(const QString& Who, const QString& Line) {
  lstChat->addItem(QStringLiteral("%1: %2").arg(Who, Line));
  while (lstChat->count() > ChatLinesKept)
    delete lstChat->takeItem(0);
  lstChat->scrollToBottom();
}

void TNetStrip::ShowRematchOffer(bool Offered) {
  btnAccept->setVisible(Offered);
  btnDecline->setVisible(Offered);
}

void TNetStrip::Clear() {
  lblOpponent->clear();
  lblTurn->clear();
  lblVerdict->clear();
  lstChat->clear();
  edChat->clear();
  ShowRematchOffer(false);
}

// Enter is also the window's key for a shot at the framed cell: while the player types a line,
// it sends the line instead.
bool TNetStrip::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == edChat && Event->type() == QEvent::ShortcutOverride) {
    const int Key = static_cast<QKeyEvent*>(Event)->key();
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter)
      Event->accept();
  }
  return QWidget::eventFilter(Watched, Event);
}

void TNetStrip::edChatReturn() {
  const QString Line = edChat->text().simplified();
  if (Line.isEmpty())
    return;
  edChat->clear();
  if (FOnChat)
    FOnChat(Line);
}
