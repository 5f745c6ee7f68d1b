#include "tools/lexicon/LexiconKeypad.h"

#include "annotation/PhoneticFont.h"
#include "shell/PhoneticKeys.h"

#include <QGridLayout>
#include <QPushButton>

namespace {

constexpr int kMainKeys = 68;
constexpr int kExtraKeys = 43;
constexpr int kColumns = 20;

QPushButton* makeKey(QWidget* parent, const QString& name, int index, const QString& face) {
    auto* key = new QPushButton(face, parent);
    key->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(index));
    QFont font(PhoneticFont::family());
    font.setPixelSize(15);
    key->setFont(font);
    key->setFocusPolicy(Qt::NoFocus);
    key->setMinimumSize(26, 24);
    return key;
}

} // namespace

LexiconKeypad::LexiconKeypad(std::function<void(int)> command1, std::function<void(int)> extra,
                             QWidget* parent)
    : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame5"));
    auto* grid = new QGridLayout(this);
    grid->setSpacing(1);
    grid->setContentsMargins(3, 3, 3, 3);
    int n = 0;
    Command1.assign(kMainKeys, nullptr);
    for (int i = 0; i < kMainKeys; ++i, ++n) {
        Command1[i] = makeKey(this, QStringLiteral("Command1"), i, PhoneticKeys::dialogLayout(i));
        connect(Command1[i], &QPushButton::clicked, this, [command1, i] { command1(i); });
        grid->addWidget(Command1[i], n / kColumns, n % kColumns);
    }
    c1.assign(kExtraKeys, nullptr);
    for (int i = 0; i < kExtraKeys; ++i) {
        const QString face = PhoneticKeys::extraKey(i);
        if (face.isEmpty())
            continue;
        c1[i] = makeKey(this, QStringLiteral("c1"), i, face);
        connect(c1[i], &QPushButton::clicked, this, [extra, i] { extra(i); });
        grid->addWidget(c1[i], n / kColumns, n % kColumns);
        ++n;
    }
}
