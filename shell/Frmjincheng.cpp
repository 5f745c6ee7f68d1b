#include "shell/Frmjincheng.h"

#include "lexicon/Module1.h"
#include "platform/widgets/ClickableLabel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString kStop = QStringLiteral("停止");
const QString kStopInsert = QStringLiteral("停止植入");
} // namespace

Frmjincheng::Frmjincheng(QWidget* owner)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), Label1(new QLabel(this)),
      Label3(new ClickableLabel(this)), owner(owner) {
    setObjectName(QStringLiteral("Frmjincheng"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setAlignment(Qt::AlignCenter);
    connect(Label3, &ClickableLabel::clicked, this, &Frmjincheng::Label3_Click);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label3);
    setFixedSize(360, 90);
}

void Frmjincheng::load() {
    // The previous run's last figure must not show while this run starts.
    setWindowTitle(QString());
    Label1->setText(QStringLiteral("    请耐心等待。"));
    Label3->setText(kStop);
    Label3->setEnabled(true);
    if (owner) {
        const QRect area = owner->frameGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    show();
    raise();
    // The new texts are painted now, not at the run's first yield, so no old picture shows meanwhile.
    repaint();
}

void Frmjincheng::unload() {
    hide();
}

void Frmjincheng::setCaption(const QString& text) {
    setWindowTitle(text);
}

void Frmjincheng::Label3_Click() {
    if (!Label3->isEnabled())
        return;
    if (Label3->text() == kStop) {
        Module1::stopAnnotateFlag = false;
        Label3->setText(kStopInsert);
    } else if (Label3->text() == kStopInsert) {
        Module1::stopAnnotateFlag = false;
        Module1::stopInsertFlag = false;
        Label3->setEnabled(false);
        unload();
    }
}
