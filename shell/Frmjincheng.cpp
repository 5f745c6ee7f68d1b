#include "shell/Frmjincheng.h"

#include "lexicon/Module1.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {
const QString kStop = QStringLiteral("停止");
const QString kStopInsert = QStringLiteral("停止植入");
} // namespace

Frmjincheng::Frmjincheng()
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint), Label1(new QLabel(this)),
      Label3(new QLabel(this)) {
    setObjectName(QStringLiteral("Frmjincheng"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label3);
    setFixedSize(360, 90);
}

void Frmjincheng::load() {
    Label1->setText(QStringLiteral("    请耐心等待。"));
    Label3->setText(kStop);
    Label3->setEnabled(true);
    show();
    raise();
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

bool Frmjincheng::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label3 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        Label3_Click();
    return QWidget::eventFilter(watched, event);
}
