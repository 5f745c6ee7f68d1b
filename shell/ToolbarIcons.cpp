#include "shell/ToolbarIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ToolbarIcons {
namespace {

const QColor kInk(0x30, 0x30, 0x38);
const QColor kAccent(0x1a, 0x5f, 0xb4);
const QColor kPaper(0xfa, 0xfa, 0xf6);

// Draws in a 16 x 16 design grid scaled to the requested rectangle.
class DrawnEngine final : public QIconEngine {
public:
    explicit DrawnEngine(Picture picture) : picture(picture) {}

    QIconEngine* clone() const override { return new DrawnEngine(picture); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        p->translate(rect.topLeft());
        p->scale(rect.width() / 16.0, rect.height() / 16.0);
        const bool disabled = mode == QIcon::Disabled;
        ink = disabled ? QColor(0xa0, 0xa0, 0xa0) : kInk;
        accent = disabled ? QColor(0xb8, 0xb8, 0xb8) : kAccent;
        draw(*p);
        p->restore();
    }

private:
    void letter(QPainter& p, const QString& text, bool bold, bool italic, const QRectF& box) const {
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(int(box.height()));
        f.setBold(bold);
        f.setItalic(italic);
        p.setFont(f);
        p.setPen(ink);
        p.drawText(box, Qt::AlignCenter, text);
    }

    void page(QPainter& p, const QRectF& r) const {
        p.setPen(QPen(ink, 1));
        p.setBrush(kPaper);
        p.drawRect(r);
    }

    void draw(QPainter& p) const {
        const QPen line(ink, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        switch (picture) {
        case Picture::Open: {
            p.setPen(line);
            p.setBrush(QColor(0xf0, 0xc8, 0x60));
            QPainterPath folder;
            folder.moveTo(1.5, 13.5);
            folder.lineTo(1.5, 3.5);
            folder.lineTo(6, 3.5);
            folder.lineTo(7.5, 5);
            folder.lineTo(13, 5);
            folder.lineTo(13, 7);
            p.drawPath(folder);
            p.setBrush(QColor(0xf8, 0xdc, 0x88));
            p.drawPolygon(QPolygonF({{1.5, 13.5}, {4, 7}, {15, 7}, {12.5, 13.5}}));
            break;
        }
        case Picture::Save:
            p.setPen(line);
            p.setBrush(accent);
            p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
            p.setBrush(kPaper);
            p.drawRect(QRectF(4, 1.5, 8, 5));
            p.drawRect(QRectF(4, 9, 8, 5.5));
            break;
        case Picture::Cut:
            p.setPen(line);
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(4, 1.5), QPointF(10.5, 10));
            p.drawLine(QPointF(12, 1.5), QPointF(5.5, 10));
            p.setPen(QPen(accent, 1.4));
            p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
            p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
            break;
        case Picture::Copy:
            page(p, QRectF(1.5, 1.5, 8.5, 10));
            page(p, QRectF(6, 4.5, 8.5, 10));
            p.setPen(QPen(accent, 1));
            for (double y : {7.5, 9.5, 11.5})
                p.drawLine(QPointF(7.5, y), QPointF(13, y));
            break;
        case Picture::Paste:
            p.setPen(line);
            p.setBrush(QColor(0xc8, 0x9c, 0x60));
            p.drawRoundedRect(QRectF(2, 2.5, 10, 12), 1, 1);
            p.setBrush(ink);
            p.drawRect(QRectF(4.5, 1.5, 5, 2.5));
            page(p, QRectF(7, 6.5, 7.5, 8));
            break;
        case Picture::Settings: {
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            for (int i = 0; i < 8; ++i) {
                p.save();
                p.translate(8, 8);
                p.rotate(i * 45.0);
                p.drawRect(QRectF(-1.4, -7.5, 2.8, 3.5));
                p.restore();
            }
            p.drawEllipse(QPointF(8, 8), 5.2, 5.2);
            p.setBrush(kPaper);
            p.drawEllipse(QPointF(8, 8), 2.2, 2.2);
            break;
        }
        case Picture::Annotate:
        case Picture::AnnotateWord: {
            const bool whole = picture == Picture::Annotate;
            if (whole)
                page(p, QRectF(1.5, 1.5, 13, 13));
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPixelSize(whole ? 7 : 9);
            p.setFont(f);
            p.setPen(accent);
            p.drawText(QRectF(0, whole ? 2 : 0, 16, 8), Qt::AlignCenter, QStringLiteral("[ə]"));
            p.setPen(QPen(ink, 1.2));
            if (whole) {
                for (double y : {10.5, 12.5})
                    p.drawLine(QPointF(4, y), QPointF(12, y));
            } else {
                letter(p, QStringLiteral("ab"), true, false, QRectF(0, 8, 16, 8));
            }
            break;
        }
        case Picture::Word:
            page(p, QRectF(2.5, 1.5, 11, 13));
            p.setPen(QPen(accent, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF({{4.5, 5}, {6, 12}, {8, 7}, {10, 12}, {11.5, 5}}));
            break;
        case Picture::Bold:
            letter(p, QStringLiteral("B"), true, false, QRectF(0, 0, 16, 16));
            break;
        case Picture::Italic:
            letter(p, QStringLiteral("I"), false, true, QRectF(0, 0, 16, 16));
            break;
        case Picture::StrikeThrough:
            letter(p, QStringLiteral("S"), false, false, QRectF(0, 0, 16, 16));
            p.setPen(QPen(accent, 1.4));
            p.drawLine(QPointF(2, 8.5), QPointF(14, 8.5));
            break;
        case Picture::Underline:
            letter(p, QStringLiteral("U"), false, false, QRectF(0, -1, 16, 14));
            p.setPen(QPen(accent, 1.4));
            p.drawLine(QPointF(3, 14.5), QPointF(13, 14.5));
            break;
        case Picture::Font:
            letter(p, QStringLiteral("A"), false, false, QRectF(-1, 0, 11, 16));
            letter(p, QStringLiteral("a"), false, false, QRectF(8, 5, 8, 10));
            break;
        case Picture::Colour:
            letter(p, QStringLiteral("A"), false, false, QRectF(0, -1, 16, 13));
            p.setPen(Qt::NoPen);
            p.setBrush(ink == kInk ? QColor(0xd0, 0x20, 0x20) : ink);
            p.drawRect(QRectF(2, 12.5, 12, 3));
            break;
        }
    }

    Picture picture;
    mutable QColor ink = kInk;
    mutable QColor accent = kAccent;
};

} // namespace

QIcon drawn(Picture picture) {
    return QIcon(new DrawnEngine(picture));
}

QIcon icon(const char* themeName, Picture fallback) {
    return QIcon::fromTheme(QLatin1String(themeName), drawn(fallback));
}

} // namespace ToolbarIcons
