#pragma once
// Windows placed by their outer frame, title bar and borders included.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

// Where a window's frame goes, for a frame of the given size.
using TFrameTopLeft = std::function<QPoint(const QSize& AFrame)>;

// Moves the top-level AWindow, as it is shown, so that its frame's top left is
// where ATopLeft says, and again when the window system first reports the frame
// around it: Windows knows the frame before the window is shown, an X11 window
// manager adds it only afterwards. Without a frame (no window manager, the
// offscreen platform) the window itself is placed.
void PlaceByFrame(QWidget* AWindow, const TFrameTopLeft& ATopLeft);

// The frame of the top-level AWindow when the window system has reported it,
// else the window itself.
QRect OuterGeometry(const QWidget& AWindow);

// The top left that centres a frame of size AFrame on the point ACentre.
QPoint CentredTopLeft(const QPoint& ACentre, const QSize& AFrame);
