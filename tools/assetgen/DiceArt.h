#pragma once
// One drawing routine for every die the game shows as a picture: a die with
// rounded edges in perspective, seen from above at an angle, its value on top.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

struct TDieLook {
    QColor Top;      // the top face, which faces the light
    QColor SideLit;  // a side face turned fully towards the light
    QColor SideDark; // a side face turned away from it
    QColor Pip;      // the pips of the top face
    QColor Shadow;   // cast on the ground; fully transparent for none
};

// The red die, and the darker die with pale green pips that the player holds.
TDieLook RedDieLook();
TDieLook HeldDieLook();

// Draws the die with its centre at ACentre; AScale is the die's half edge in
// pixels. AYawDegrees turns the die about the vertical axis.
void DrawDie(QPainter& APainter, QPointF ACentre, double AScale, const TDieLook& ALook, int AValue,
             double AYawDegrees);

// The same die made as large as fits into ABox, centred in it.
void DrawDieInBox(QPainter& APainter, const QRectF& ABox, const TDieLook& ALook, int AValue,
                  double AYawDegrees);
