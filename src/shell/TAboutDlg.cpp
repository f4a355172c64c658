// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TAboutDlg.h"

#include "GameFont.h"

#include <QDesktopServices>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace {

const char* const LinkTarget = "salvoraLinkTarget";

// A label that reports a click of the left button.
class TLinkLabel : public QLabel {
public:
  TLinkLabel(const QString& Text, QWidget* Parent, std::function<void(QLabel*)> OnClick)
      : QLabel(Text, Parent), FOnClick(std::move(OnClick)) {}

protected:
  void mouseReleaseEvent(QMouseEvent* Event) override {
    if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()))
      FOnClick(this);
  }

private:
  std::function<void(QLabel*)> FOnClick;
};

} // namespace

TAboutDlg::TAboutDlg(QWidget* Owner, const QIcon& Icon) : TFixedDialog(Owner, {371, 125}) {
  setObjectName(QStringLiteral("AboutDlg"));
  setWindowTitle(tr("О программе"));
  setFont(GameFont(11));

  Image1 = new QLabel(this);
  Image1->setGeometry(8, 12, 32, 32);
  Image1->setPixmap(Icon.pixmap(32, 32));
  Label1 = new QLabel(tr("Сальвора\nВерсия 1.0.1.9"), this);
  Label1->setGeometry(56, 12, 120, 26);
  Label2 = new QLabel(tr("Морской бой против компьютера."), this);
  Label2->setGeometry(56, 44, 214, 13);
  auto* Bevel1 = new QFrame(this);
  Bevel1->setGeometry(56, 68, 228, 2);
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);

  auto NewLink = [this](const QString& Text, const QString& Target, int Top) {
    QLabel* Link = new TLinkLabel(Text, this, [this](QLabel* Sender) { Label3Click(Sender); });
    Link->setFont(GameFont(11, false, true));
    QPalette Blue = Link->palette();
    Blue.setColor(QPalette::WindowText, Qt::blue);
    Link->setPalette(Blue);
    Link->setCursor(Qt::PointingHandCursor);
    Link->setProperty(LinkTarget, Target);
    Link->move(56, Top);
    Link->resize(Link->sizeHint().width(), 13);
    return Link;
  };
  Label3 = NewLink(QStringLiteral("salvora@example.org"),
                   QStringLiteral("mailto:salvora@example.org"), 78);
  Label4 = NewLink(QStringLiteral("https://salvora.example.org"),
                   QStringLiteral("https://salvora.example.org"), 96);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setGeometry(288, 8, 75, 23);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutDlg::Label3Click(QLabel* Sender) {
  QDesktopServices::openUrl(QUrl(Sender->property(LinkTarget).toString()));
}

void TAboutDlg::ShowAbout(QWidget* Owner, const QIcon& Icon, const QString& KeysHelp) {
  TAboutDlg Dialog(Owner, Icon);
  Dialog.setToolTip(KeysHelp); // anywhere over the box
  Dialog.exec();
}
