#include "controls/VHColorButton.h"

#include "platform/Application.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <mutex>

namespace {

// A swatch is a button for a screen reader, named by its label (the label's
// buddy) and its colour, and pressed as if clicked.
class TVHColorButtonAccessible : public QAccessibleWidget {
public:
    explicit TVHColorButtonAccessible(TVHColorButton* AButton)
        : QAccessibleWidget(AButton, QAccessible::Button) {}

    QString text(QAccessible::Text AText) const override {
        const QString text = QAccessibleWidget::text(AText);
        if (AText != QAccessible::Name) {
            return text;
        }
        const QString colour = ColorAccessibleName(Button()->Color());
        return text.isEmpty() ? colour : text + QStringLiteral(", ") + colour;
    }
    // The name holds the label already: a reader that also says the label it
    // is related to would say it twice.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation AMatch) const override {
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> related =
            QAccessibleWidget::relations(AMatch);
        related.removeIf(
            [](const auto& ARelation) { return ARelation.second == QAccessible::Label; });
        return related;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& AAction) override {
        if (AAction == pressAction() && Button()->OnClick) {
            Application::Guarded([this] { Button()->OnClick(Button()); });
        }
    }

    static QAccessibleInterface* Factory(const QString&, QObject* AObject) {
        if (auto* button = qobject_cast<TVHColorButton*>(AObject)) {
            return new TVHColorButtonAccessible(button);
        }
        return nullptr;
    }

private:
    TVHColorButton* Button() const { return static_cast<TVHColorButton*>(widget()); }
};

} // namespace

QString ColorAccessibleName(TColor AColor) {
    const QColor colour = TColorToQColor(AColor);
    return TVHColorButton::tr("red %1, green %2, blue %3")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

TVHColorButton::TVHColorButton(QWidget* AParent)
    : QWidget(AParent),
      FColor(QColorToTColor(palette().color(QPalette::Active, QPalette::Button))) {
    static std::once_flag accessible;
    std::call_once(accessible,
                   [] { QAccessible::installFactory(&TVHColorButtonAccessible::Factory); });
    setFocusPolicy(Qt::TabFocus);
    // Every pixel is painted: bevels and the colour field cover the whole widget.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(25, 20);
}

void TVHColorButton::SetColor(TColor AColor) {
    if (AColor != FColor) {
        FColor = AColor;
        update();
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TVHColorButton::SetBevelWidth(int AWidth) {
    if (AWidth >= 1 && AWidth != FBevelWidth) {
        FBevelWidth = AWidth;
        update();
    }
}

void TVHColorButton::SetBevelInner(TPanelBevel ABevel) {
    if (ABevel != FBevelInner) {
        FBevelInner = ABevel;
        update();
    }
}

namespace {

// One bevel of AWidth pixels along the edges of ARect, which then shrinks by it.
// The light colour takes the top row and left column except their far ends; the
// dark colour the bottom row and right column in full.
void DrawBevel(QPainter& APainter, QRect& ARect, const QColor& ALight, const QColor& ADark,
               int AWidth) {
    for (int i = 0; i < AWidth && ARect.width() > 0 && ARect.height() > 0; ++i) {
        APainter.fillRect(ARect.left(), ARect.top(), ARect.width() - 1, 1, ALight);
        APainter.fillRect(ARect.left(), ARect.top(), 1, ARect.height() - 1, ALight);
        APainter.fillRect(ARect.right(), ARect.top(), 1, ARect.height(), ADark);
        APainter.fillRect(ARect.left(), ARect.bottom(), ARect.width(), 1, ADark);
        ARect.adjust(1, 1, -1, -1);
    }
}

} // namespace

void TVHColorButton::paintEvent(QPaintEvent* /*AEvent*/) {
    Application::Guarded([this] {
        QPainter painter(this);
        // The active colours in every state, so that a disabled swatch looks the same.
        const QColor light = palette().color(QPalette::Active, QPalette::Light);
        const QColor dark = palette().color(QPalette::Active, QPalette::Dark);
        QRect field = rect();
        DrawBevel(painter, field, light, dark, FBevelWidth);
        if (FBevelInner == TPanelBevel::bvRaised) {
            DrawBevel(painter, field, light, dark, FBevelWidth);
        } else if (FBevelInner == TPanelBevel::bvLowered) {
            DrawBevel(painter, field, dark, light, FBevelWidth);
        }
        if (field.isValid()) {
            painter.fillRect(field, TColorToQColor(FColor));
        }
        if (hasFocus() && field.width() > 2 && field.height() > 2) {
            // Black and white dots: seen on any colour.
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(Qt::white, 1));
            painter.drawRect(field.adjusted(1, 1, -2, -2));
            painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
            painter.drawRect(field.adjusted(1, 1, -2, -2));
        }
    });
}

void TVHColorButton::mousePressEvent(QMouseEvent* AEvent) {
    if (AEvent->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(AEvent);
        return;
    }
    // Qt keeps delivering mouse events to the widget that took the press until the
    // button is released, so the release reaches the swatch wherever it happens.
    Application::Guarded([this] {
        SetBevelWidth(1);
        SetBevelInner(TPanelBevel::bvLowered);
    });
}

void TVHColorButton::keyPressEvent(QKeyEvent* AEvent) {
    const int key = AEvent->key();
    if (AEvent->modifiers() & ~Qt::KeypadModifier ||
        (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)) {
        QWidget::keyPressEvent(AEvent);
        return;
    }
    Application::Guarded([this] {
        if (OnClick) {
            OnClick(this);
        }
    });
}

void TVHColorButton::mouseReleaseEvent(QMouseEvent* AEvent) {
    if (AEvent->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(AEvent);
        return;
    }
    Application::Guarded([this, AEvent] {
        SetBevelWidth(1);
        SetBevelInner(TPanelBevel::bvRaised);
        const QPointF at = AEvent->position();
        const QPoint pixel(static_cast<int>(std::floor(at.x())),
                           static_cast<int>(std::floor(at.y())));
        if (OnClick && rect().contains(pixel)) {
            OnClick(this);
        }
    });
}
